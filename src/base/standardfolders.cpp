#include "base/standardfolders.h"

#include "base/osservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>

namespace {

struct FolderState {
    QString programFolder;   // set for tests; empty: the executable's folder
    QString tempFolder;      // set for tests; empty: the system's temp folder
    QString tempFilePrefix;
};

void deleteTempFilesAtExit()
{
    BSDeleteTempFiles();
}

// Never destroyed, so code that runs while the program ends still finds its folders; the program's
// temporary files are deleted at exit.
FolderState &state()
{
    static FolderState *s = [] {
        std::atexit(deleteTempFilesAtExit);
        return new FolderState;
    }();
    return *s;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString executablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

} // namespace

QString BSProgramFolder()
{
    const QString &set = state().programFolder;
    if (!set.isEmpty())
        return set;
    return withoutTrailingSlash(QFileInfo(executablePath()).absolutePath());
}

void BSSetProgramFolder(const QString &folder)
{
    state().programFolder = folder.isEmpty() ? QString() : withoutTrailingSlash(QDir::cleanPath(QDir(folder).absolutePath()));
    BSForgetSpecialPaths();
}

QString BSProgramFile()
{
    return BSProgramFolder() + QLatin1Char('/') + QFileInfo(executablePath()).fileName();
}

QString BSTempFolder()
{
    const QString &set = state().tempFolder;
    if (!set.isEmpty())
        return set;
    return withoutTrailingSlash(QDir::cleanPath(QDir::tempPath()));
}

void BSSetTempFolder(const QString &folder)
{
    state().tempFolder = folder.isEmpty() ? QString() : withoutTrailingSlash(QDir::cleanPath(QDir(folder).absolutePath()));
    BSForgetSpecialPaths();
}

QString BSPersonalFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return withoutTrailingSlash(folder);
}

QString BSSystemFolder()
{
    return QStringLiteral("/usr/lib");
}

QString BSWindowsFolder()
{
    return QStringLiteral("/usr");
}

QString TempFilePrefix()
{
    return state().tempFilePrefix;
}

void SetTempFilePrefix(const QString &prefix)
{
    state().tempFilePrefix = prefix;
}

int BSDeleteTempFiles()
{
    const QString prefix = TempFilePrefix();
    // A prefix with a delimiter could reach outside the temp folder: such a prefix names no file of ours.
    if (prefix.isEmpty() || prefix.contains(QLatin1Char('/')))
        return 0;
    const QDir folder(BSTempFolder());
    int deleted = 0;
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() || !entry.fileName().startsWith(prefix))
            continue;
        if (QFile::remove(entry.filePath()))
            ++deleted;
    }
    return deleted;
}
