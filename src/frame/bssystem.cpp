#include "frame/bssystem.h"

#include "base/osservices.h"
#include "base/standardfolders.h"
#include "frame/bsconfig.h"

#include <QProcess>

#include <cstdlib>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int MaxUserNameLength = 100;
constexpr int MaxCapturedLineLength = 256;

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

bool TBSSystem::IsDebugMode()
{
    return RegistryKeyValues(QStringLiteral("Software\\Quelvar"))->ReadBool(QStringLiteral("DEBUG"), false);
}

QString TBSSystem::PersonalFolder()
{
    return BSPersonalFolder();
}

QString TBSSystem::SystemFolder()
{
    return BSSystemFolder();
}

QString TBSSystem::TempFolder()
{
    QString folder = BSTempFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString TBSSystem::WindowsFolder()
{
    return BSWindowsFolder();
}

bool TBSSystem::RunProgram(const QString &commandLine, bool visible, bool wait)
{
    QString program;
    QStringList arguments;
    if (!splitCommand(commandLine, program, arguments))
        return false;
    return BSRunProgram(program, arguments, visible, wait);
}

bool TBSSystem::RunAndCapture(const QString &commandLine, const std::function<void(const QString &)> &onLine)
{
    QString program;
    QStringList arguments;
    if (!splitCommand(commandLine, program, arguments))
        return false;
    return BSRunAndCapture(program, arguments, [&](const QString &line) {
        // A long line comes in pieces of at most 256 characters.
        for (qsizetype from = 0; from == 0 || from < line.size(); from += MaxCapturedLineLength)
            onLine(line.mid(from, MaxCapturedLineLength));
    });
}

bool TBSSystem::DeleteFiles(const QString &path, bool toRecycleBin)
{
    return BSDeleteFiles(path, toRecycleBin);
}

bool TBSSystem::Explore(const QString &folder)
{
    return BSExplore(folder);
}

bool TBSSystem::OpenDocument(const QString &file, const QString &parameters, const QString &folder)
{
    return BSOpenDocument(file, parameters, folder);
}

void TBSSystem::ExitProgram(int exitCode)
{
    std::exit(exitCode);
}
