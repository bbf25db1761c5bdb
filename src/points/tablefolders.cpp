#include "points/tablefolders.h"

#include "base/initext.h"
#include "points/controller.h"
#include "points/tabletext.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <limits>

namespace {

// The header's ID as written, for messages.
QString headerID(const QString &text)
{
    return TBSIniText::parse(text).value(QStringLiteral("Header"), QStringLiteral("ID"));
}

int32_t idOfValue(const QString &value)
{
    bool ok = false;
    const qlonglong id = value.toLongLong(&ok, 10);
    return ok && id >= 1 && id <= std::numeric_limits<int32_t>::max() ? int32_t(id) : 0;
}

// Text read from the file, or a null string with the reason in *error.
QString readTableFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return {};
    }
    if (file.size() > MaxTableFileSize) {
        *error = QStringLiteral("is larger than %1 MB").arg(MaxTableFileSize / (1024 * 1024));
        return {};
    }
    const QByteArray bytes = file.read(MaxTableFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return {};
    }
    if (bytes.size() > MaxTableFileSize) {
        *error = QStringLiteral("is larger than %1 MB").arg(MaxTableFileSize / (1024 * 1024));
        return {};
    }
    QString text = DecodeTableText(bytes);
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

} // namespace

QStringList DefaultTableFolders(const QString &programFolder)
{
    QStringList folders;
    if (!programFolder.isEmpty())
        folders << programFolder + QStringLiteral("/tables");
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        folders << dataHome + QStringLiteral("/Mirevo/tables");
    return folders;
}

int32_t ReadTableID(const QString &text)
{
    return idOfValue(headerID(text));
}

TBSSwPointTableClassRef LoadTableFile(const QString &path, QString *error)
{
    QString reason;
    const QString text = readTableFile(path, &reason);
    if (text.isNull()) {
        if (error)
            *error = reason;
        return {};
    }
    return std::make_shared<TBSSwTextPointTableClass>(ReadTableID(text), text, path);
}

int RegisterTableFolders(TBSSwPointTableController &controller, const QStringList &folders,
                         const std::function<void(const QString &)> &report)
{
    // One line per warning, whatever characters a file name holds.
    const auto warn = [&report](QString line) {
        for (QChar &c : line)
            if (c.category() == QChar::Other_Control)
                c = QLatin1Char('?');
        report(line);
    };
    int registered = 0;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            continue;
        // Unreadable files are listed too, so that they are reported rather than passed over in silence.
        const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString &name : files) {
            const QString path = dir.filePath(name);
            QString reason;
            const QString text = readTableFile(path, &reason);
            if (text.isNull()) {
                warn(QStringLiteral("table file %1 skipped: it %2").arg(path, reason));
                continue;
            }
            const QString idText = headerID(text);
            const int32_t id = idOfValue(idText);
            if (id == 0) {
                warn(idText.isEmpty()
                         ? QStringLiteral("table file %1 skipped: its header has no ID= line").arg(path)
                         : QStringLiteral("table file %1 skipped: ID=%2 is not a whole number above 0")
                               .arg(path, idText));
                continue;
            }
            if (const TBSSwPointTableClassRef taken = controller.FindClass(id)) {
                warn(QStringLiteral("table file %1 skipped: ID %2 is already taken by %3")
                         .arg(path)
                         .arg(id)
                         .arg((taken->Name() + QLatin1Char(' ') + taken->Version()).trimmed()));
                continue;
            }
            controller.Register(std::make_shared<TBSSwTextPointTableClass>(id, text, path));
            ++registered;
        }
    }
    return registered;
}
