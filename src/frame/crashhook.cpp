#include "frame/crashhook.h"

#include "base/files.h"

#include <QByteArray>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int SnapshotTextSize = 8192;
constexpr int SnapshotPathSize = 4096;

// The values as plain bytes for the fatal-signal handler. There are two: the setters fill the one not in
// use and then switch, so a signal arriving during an update still reads a complete set.
struct Snapshot
{
    char projectInfo[SnapshotTextSize];
    char errorFile[SnapshotPathSize];
    char fallbackFile[SnapshotPathSize];
};

struct HookState
{
    std::mutex mutex;
    QString userName;
    QString configFile;
    QString errorFile;
    QString fallbackFile;
    Snapshot snapshots[2] = {};
    std::atomic<int> current{0};
};

HookState &state()
{
    static HookState s;
    return s;
}

void copyBounded(char *target, int size, const QByteArray &bytes)
{
    // A line that does not fit is cut; a path that does not fit is dropped, as it would name another file.
    const int n = qMin(int(bytes.size()), size - 1);
    std::memcpy(target, bytes.constData(), size_t(n));
    target[n] = '\0';
}

void copyPath(char *target, const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    copyBounded(target, bytes.size() < SnapshotPathSize ? SnapshotPathSize : 1, bytes);
}

QString projectInfoOf(const HookState &s)
{
    QString lines;
    if (!s.configFile.isEmpty())
        lines += QStringLiteral("project ini file  : ") + s.configFile + QLatin1Char('\n');
    if (!s.userName.isEmpty())
        lines += QStringLiteral("project user name : ") + s.userName + QLatin1Char('\n');
    return lines;
}

// Caller holds the mutex.
void publish(HookState &s)
{
    const int next = 1 - s.current.load();
    copyBounded(s.snapshots[next].projectInfo, SnapshotTextSize, projectInfoOf(s).toUtf8());
    copyPath(s.snapshots[next].errorFile, s.errorFile);
    copyPath(s.snapshots[next].fallbackFile, s.fallbackFile);
    s.current.store(next);
}

bool writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        length -= size_t(n);
    }
    return true;
}

// Creates the folders of the path's parent (signal-safe: mkdir only, on a copy in a local buffer).
void makeParentFolders(const char *path)
{
    char buffer[SnapshotPathSize];
    const size_t length = std::strlen(path);
    if (length >= sizeof(buffer))
        return;
    std::memcpy(buffer, path, length + 1);
    for (size_t i = 1; i < length; ++i) {
        if (buffer[i] != '/')
            continue;
        buffer[i] = '\0';
        ::mkdir(buffer, 0755); // an existing folder answers EEXIST, which is fine
        buffer[i] = '/';
    }
}

int openForAppend(const char *path)
{
    if (!path[0])
        return -1;
    int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == ENOENT) {
        makeParentFolders(path);
        fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    }
    return fd;
}

const char Separator[] = "------------------------------------------------------------------------------\n";
static_assert(sizeof(Separator) == 78 + 2);

bool appendReport(const QString &file, const QByteArray &body)
{
    if (file.isEmpty())
        return false;
    const int fd = openForAppend(QFile::encodeName(file).constData());
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, Separator, sizeof(Separator) - 1) && writeAll(fd, body.constData(), size_t(body.size()));
    ::close(fd);
    return ok;
}

// Changes one text of the hook and publishes the texts the crash handlers read.
void setField(QString HookState::*field, const QString &value)
{
    HookState &s = state();
    std::lock_guard lock(s.mutex);
    s.*field = value;
    publish(s);
}

} // namespace

void TBSCrashHook::SetUserName(const QString &userName)
{
    setField(&HookState::userName, userName);
}

void TBSCrashHook::SetConfigFile(const QString &fullPath)
{
    setField(&HookState::configFile, fullPath);
}

void TBSCrashHook::SetErrorFile(const QString &fullPath)
{
    setField(&HookState::errorFile, fullPath);
}

void TBSCrashHook::SetFallbackErrorFile(const QString &fullPath)
{
    setField(&HookState::fallbackFile, fullPath);
}

void TBSCrashHook::SetConfigFile(const BSRef<IBSFile> &file)
{
    SetConfigFile(file ? file->FullName() : QString());
}

void TBSCrashHook::SetErrorFile(const BSRef<IBSFile> &file)
{
    SetErrorFile(file ? file->FullName() : QString());
}

QString TBSCrashHook::UserName()
{
    std::lock_guard lock(state().mutex);
    return state().userName;
}

QString TBSCrashHook::ConfigFile()
{
    std::lock_guard lock(state().mutex);
    return state().configFile;
}

QString TBSCrashHook::ErrorFile()
{
    std::lock_guard lock(state().mutex);
    return state().errorFile;
}

QString TBSCrashHook::FallbackErrorFile()
{
    std::lock_guard lock(state().mutex);
    return state().fallbackFile;
}

void TBSCrashHook::Clear()
{
    HookState &s = state();
    std::lock_guard lock(s.mutex);
    s.userName.clear();
    s.configFile.clear();
    s.errorFile.clear();
    s.fallbackFile.clear();
    publish(s);
}

QString TBSCrashHook::ProjectInfo()
{
    std::lock_guard lock(state().mutex);
    return projectInfoOf(state());
}

QString TBSCrashHook::AddProjectInfo(QString &report)
{
    QString errorFile;
    QString fallbackFile;
    {
        std::lock_guard lock(state().mutex);
        report.prepend(projectInfoOf(state()));
        errorFile = state().errorFile;
        fallbackFile = state().fallbackFile;
    }
    QByteArray body = report.toUtf8();
    if (!body.endsWith('\n'))
        body += '\n';
    if (appendReport(errorFile, body))
        return errorFile;
    if (appendReport(fallbackFile, body))
        return fallbackFile;
    return QString();
}

const char *TBSCrashHook::SignalSafeProjectInfo()
{
    HookState &s = state();
    return s.snapshots[s.current.load()].projectInfo;
}

int TBSCrashHook::OpenErrorFileSignalSafe(const char **usedPath)
{
    HookState &s = state();
    const Snapshot &snap = s.snapshots[s.current.load()];
    const char *info = snap.projectInfo;
    for (const char *path : {snap.errorFile, snap.fallbackFile}) {
        const int fd = openForAppend(path);
        if (fd < 0)
            continue;
        if (writeAll(fd, Separator, sizeof(Separator) - 1) && writeAll(fd, info, std::strlen(info))) {
            if (usedPath)
                *usedPath = path;
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

const char *TBSCrashHook::SeparatorLine()
{
    return Separator;
}
