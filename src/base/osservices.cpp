#include "base/osservices.h"

#include "base/wildcard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

bool BSRunProgram(const QString &program, const QStringList &arguments, bool visible, bool wait,
                  const QString &workingFolder)
{
    Q_UNUSED(visible);
    if (program.isEmpty())
        return false;
    if (!wait)
        return QProcess::startDetached(program, arguments, workingFolder);
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    return true;
}

bool BSRunAndCapture(const QString &program, const QStringList &arguments,
                     const std::function<void(const QString &)> &onLine)
{
    if (program.isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;

    QByteArray pending;
    auto deliver = [&](bool atEnd) {
        qsizetype lf;
        while ((lf = pending.indexOf('\n')) >= 0) {
            QByteArray line = pending.left(lf);
            pending.remove(0, lf + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            if (onLine)
                onLine(QString::fromLocal8Bit(line));
        }
        if (atEnd && !pending.isEmpty()) {
            if (pending.endsWith('\r'))
                pending.chop(1);
            if (onLine)
                onLine(QString::fromLocal8Bit(pending));
            pending.clear();
        }
    };
    // Read until the output closes (waitForReadyRead fails once the program has ended and nothing is left).
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        if (process.bytesAvailable() == 0 && !process.waitForReadyRead(-1))
            break;
        pending += process.readAllStandardOutput();
        deliver(false);
    }
    pending += process.readAllStandardOutput();
    deliver(true);
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(-1);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

namespace {

bool removePath(const QString &path, bool toRecycleBin)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // A path that cannot go to the trash stays: the caller asked for a way back.
    if (toRecycleBin) {
        // Without the data folder the trash cannot be made there (and would be made in the current
        // directory instead).
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (data.isEmpty() || !QDir().mkpath(data))
            return false;
        return QFile::moveToTrash(path);
    }
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

} // namespace

bool BSDeleteFiles(const QString &path, bool toRecycleBin)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return removePath(path, toRecycleBin);

    const QDir folder = info.dir();
    bool allGone = true;
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() || !BSFileNameMatch(name, entry.fileName()))
            continue;
        if (!removePath(entry.filePath(), toRecycleBin))
            allGone = false;
    }
    return allGone;
}

bool BSExplore(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

bool BSOpenDocument(const QString &file, const QString &parameters, const QString &folder)
{
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists())
        return false;
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(file, QProcess::splitCommand(parameters), folder);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {file}, folder);
}
