#include "frame/programpaths.h"

#include "base/standardfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

TProgramPaths &ProgramPaths()
{
    static TProgramPaths paths;
    return paths;
}

QString ReplaceExtension(const QString &path, const QString &ext)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return path.left(dot) + ext;
    return path + ext;
}

bool IsFolderWritable(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.mirevo-probe-XXXXXX"));
    return probe.open();
}

QString TProgramPaths::programFile() const
{
    // The file layer's program folder is the same folder, so both resolve names alike.
    return m_programFile.isEmpty() ? BSProgramFile() : m_programFile;
}

QString TProgramPaths::programFolder() const
{
    return QFileInfo(programFile()).absolutePath();
}

QString TProgramPaths::programName() const
{
    const QString name = QFileInfo(programFile()).fileName();
    return ReplaceExtension(name, QString());
}

QString TProgramPaths::configFolder() const
{
    if (!m_configFolder.isEmpty())
        return m_configFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString TProgramPaths::userFolder() const
{
    return configFolder() + QLatin1Char('/') + programName();
}

QString TProgramPaths::settingsFileName() const
{
    if (!m_settingsFile.isEmpty())
        return m_settingsFile;
    const QString beside = programFolder() + QLatin1Char('/') + programName() + QStringLiteral(".INI");
    const QFileInfo file(beside);
    if (IsFolderWritable(programFolder()) && (!file.exists() || file.isWritable()))
        return beside;
    return userFolder() + QLatin1Char('/') + programName() + QStringLiteral(".INI");
}

QString TProgramPaths::settingsSeedFileName() const
{
    if (!m_settingsFile.isEmpty())
        return QString();
    const QString used = settingsFileName();
    const QString beside = programFolder() + QLatin1Char('/') + programName() + QStringLiteral(".INI");
    if (used == beside || !QFileInfo::exists(beside))
        return QString();
    return beside;
}

QString TProgramPaths::registryFolder() const
{
    return userFolder() + QStringLiteral("/registry");
}

void TProgramPaths::setProgramFile(const QString &file)
{
    m_programFile = file;
    BSSetProgramFolder(file.isEmpty() ? QString() : QFileInfo(file).absolutePath());
}

void TProgramPaths::setConfigFolder(const QString &folder)
{
    m_configFolder = folder;
}

void TProgramPaths::setSettingsFileName(const QString &file)
{
    m_settingsFile = file;
}

void TProgramPaths::reset()
{
    setProgramFile(QString());
    m_configFolder.clear();
    m_settingsFile.clear();
}
