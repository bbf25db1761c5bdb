#include "frame/bssystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int MaxUserNameLength = 100;
constexpr int MaxCapturedLineLength = 256;
constexpr int CaptureWaitMs = 5000;

QString nameOfGroup(gid_t gid)
{
    std::vector<char> buffer(16384);
    group entry{};
    group *result = nullptr;
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &result) != 0 || !result)
        return QString();
    return QString::fromLocal8Bit(result->gr_name);
}

// Program and arguments of a command line; double quotes group blanks into one argument.
bool splitCommand(const QString &commandLine, QString &program, QStringList &arguments)
{
    arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    program = arguments.takeFirst();
    return true;
}

} // namespace

QString TBSSystem::UserName()
{
    QString name;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result)
        name = QString::fromLocal8Bit(result->pw_name);
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USER"));
    return name.left(MaxUserNameLength);
}

bool TBSSystem::IsAdmin()
{
    if (::geteuid() == 0)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(qMax(count, 0)) + 1);
    const int n = ::getgroups(count, groups.data());
    groups.resize(size_t(qMax(n, 0)));
    groups.push_back(::getegid());
    for (gid_t gid : groups) {
        const QString name = nameOfGroup(gid);
        if (name == QLatin1String("sudo") || name == QLatin1String("wheel") || name == QLatin1String("admin"))
            return true;
    }
    return false;
}

QString TBSSystem::PersonalFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder;
}

QString TBSSystem::SystemFolder()
{
    return QStringLiteral("/usr/lib");
}

QString TBSSystem::TempFolder()
{
    QString folder = QDir::tempPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString TBSSystem::WindowsFolder()
{
    return QStringLiteral("/");
}

bool TBSSystem::RunProgram(const QString &commandLine, bool visible, bool wait)
{
    Q_UNUSED(visible)
    QString program;
    QStringList arguments;
    if (!splitCommand(commandLine, program, arguments))
        return false;
    if (!wait)
        return QProcess::startDetached(program, arguments);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    return true;
}

bool TBSSystem::RunAndCapture(const QString &commandLine, const std::function<void(const QString &)> &onLine)
{
    QString program;
    QStringList arguments;
    if (!splitCommand(commandLine, program, arguments))
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;

    QString line;
    auto deliver = [&](const QString &text) {
        for (QChar c : text) {
            if (c == QLatin1Char('\r'))
                continue;
            if (c == QLatin1Char('\n')) {
                onLine(line);
                line.clear();
                continue;
            }
            if (line.size() == MaxCapturedLineLength) {
                onLine(line);
                line.clear();
            }
            line += c;
        }
    };
    // Read until the program closes its output (or ends).
    while (process.waitForReadyRead(-1))
        deliver(QString::fromLocal8Bit(process.readAllStandardOutput()));
    deliver(QString::fromLocal8Bit(process.readAllStandardOutput()));
    if (!line.isEmpty())
        onLine(line);
    // A program still running 5 s after its output ended is stopped when the process object goes.
    process.waitForFinished(CaptureWaitMs);
    return true;
}

bool TBSSystem::DeleteFiles(const QString &path, bool toRecycleBin)
{
    const QFileInfo info(path);
    QStringList files;
    QString name = info.fileName();
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) {
        // "*.*" means every file, also those without a dot in their name.
        if (name == QLatin1String("*.*"))
            name = QStringLiteral("*");
        const QDir dir = info.absoluteDir();
        for (const QString &entry : dir.entryList({name}, QDir::Files | QDir::Hidden | QDir::System))
            files << dir.filePath(entry);
    } else {
        if (!info.exists() && !info.isSymLink())
            return false;
        if (info.isDir() && !info.isSymLink())
            return false;
        files << info.absoluteFilePath();
    }
    bool allGone = true;
    for (const QString &file : files) {
        const bool gone = toRecycleBin ? QFile::moveToTrash(file) : QFile::remove(file);
        allGone = allGone && gone;
    }
    return allGone;
}

bool TBSSystem::Explore(const QString &folder)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

bool TBSSystem::OpenDocument(const QString &file, const QString &parameters, const QString &folder)
{
    Q_UNUSED(parameters)
    const QString workingFolder = folder.isEmpty() ? QFileInfo(file).absolutePath() : folder;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {file}, workingFolder);
}

void TBSSystem::ExitProgram(int exitCode)
{
    std::exit(exitCode);
}
