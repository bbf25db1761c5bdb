#include "frame/resourcetext.h"
#include "base/stringlist.h"

#include "frame/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

EResNotFound::EResNotFound(const QString &name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString())
    , m_message(QStringLiteral("Resource %1 not found").arg(name))
{
}

QString FindResourcePath(const QString &name)
{
    if (name.isEmpty())
        return QString();
    if (name.startsWith(QLatin1Char(':')))
        return QFileInfo(name).isFile() ? name : QString();
    for (const QString &candidate : {QStringLiteral(":/rcdata/") + name, QStringLiteral(":/") + name})
        if (QFileInfo(candidate).isFile())
            return candidate;
    const QDir dir(QStringLiteral(":/rcdata"));
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
        if (info.fileName().compare(name, Qt::CaseInsensitive) == 0
            || info.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return info.filePath();
    }
    return QString();
}

QString ReadResourceText(const QString &name)
{
    const QString path = FindResourcePath(name);
    if (path.isEmpty())
        throw EResNotFound(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(name);
    return DecodeText(file.readAll());
}

QStringList ReadResourceLines(const QString &name)
{
    return BSSplitLines(ReadResourceText(name));
}
