#include "base/files_p.h"

#include "base/osservices.h"
#include "base/wildcard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

BSRef<IBSFile> TBSFile::self() const
{
    return std::dynamic_pointer_cast<IBSFile>(std::const_pointer_cast<TBSManagedInterface>(shared_from_this()));
}

BSRef<IBSDirectory> TBSFile::Directory() const
{
    if (m_path.isEmpty())
        return NewDirectory(QString());
    const qsizetype slash = m_path.lastIndexOf(QLatin1Char('/'));
    return BSNew<TBSDirectory>(slash <= 0 ? QStringLiteral("/") : m_path.left(slash));
}

QString TBSFile::DirPath() const
{
    const qsizetype slash = m_path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : m_path.left(slash + 1);
}

bool TBSFile::Exists() const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo info(m_path);
    return info.exists() && !info.isDir();
}

bool TBSFile::IsReadOnly() const
{
    if (m_path.isEmpty() || QFileInfo(m_path).isDir())
        return true;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

bool TBSFile::Open(const QString &parameters, const BSRef<IBSDirectory> &directory)
{
    if (m_path.isEmpty())
        return false;
    const QString folder = directory ? directory->FullName() : Directory()->FullName();
    return BSOpenDocument(m_path, parameters, folder);
}

bool TBSFile::Run(const QString &parameters, bool visible)
{
    if (!Exists())
        return false;
    return BSRunProgram(m_path, QProcess::splitCommand(parameters), visible, false);
}

bool TBSFile::RunAndWait(const QString &parameters, bool visible)
{
    if (!Exists())
        return false;
    return BSRunProgram(m_path, QProcess::splitCommand(parameters), visible, true);
}

QDateTime TBSFile::Date() const
{
    if (!Exists())
        return {};
    return QFileInfo(m_path).lastModified();
}

int64_t TBSFile::Size() const
{
    if (!Exists())
        return 0;
    return QFileInfo(m_path).size();
}

bool TBSFile::SameFile(const BSRef<IBSPath> &other) const
{
    if (!other)
        return false;
    const QString otherPath = other->UNCName();
    if (otherPath == UNCName())
        return true;
    const QFileInfo mine(m_path), theirs(otherPath);
    // Two names of one file (through links) are the same file.
    return !m_path.isEmpty() && !otherPath.isEmpty() && mine.exists() && theirs.exists()
        && mine.canonicalFilePath() == theirs.canonicalFilePath();
}

bool TBSFile::CanCreate() const
{
    if (m_path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(m_path);
    const QFileInfo info(m_path);
    if (info.isDir())
        return false;
    if (info.exists()) {
        // Opening for writing without truncation leaves the content and the dates as they are.
        const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        ::close(fd);
        return true;
    }
    // O_EXCL: never take over (and then delete) a file that appeared in the meantime.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return ::unlink(name.constData()) == 0;
}

bool TBSFile::HasKind(int kind) const
{
    if (kind == fkNone)
        return Extension().isEmpty();
    const QString entry = BSFileKindExtension(kind);
    return !entry.isEmpty() && BSWildcardMatch(entry, Extension(), Qt::CaseInsensitive);
}

BSRef<IBSFile> TBSFile::WithKind(int kind) const
{
    const QString extension = BSFileKindExtension(kind);
    if (extension.isEmpty())
        return self();
    return WithExtension(extension);
}

BSRef<IBSFile> TBSFile::WithExtension(const QString &extension) const
{
    if (m_path.isEmpty())
        return self();
    const QString stem = m_path.left(m_path.size() - Extension().size());
    return NewFile(stem + extension);
}

namespace {

// The file a copy or move to target writes: inside target when it is a folder.
QString targetFileName(const BSRef<IBSPath> &target, const QString &name)
{
    if (!target || target->FullName().isEmpty())
        return {};
    if (target->IsDirectory() || QFileInfo(target->FullName()).isDir())
        return target->DirPath() + name;
    return target->FullName();
}

} // namespace

bool TBSFile::CopyTo(const BSRef<IBSPath> &target) const
{
    const QString destination = targetFileName(target, Name());
    if (destination.isEmpty() || !Exists())
        return false;
    const QFileInfo destinationInfo(destination);
    if (destinationInfo.isDir())
        return false;
    if (destinationInfo.exists()
        && QFileInfo(m_path).canonicalFilePath() == destinationInfo.canonicalFilePath())
        return false;

    QFile source(m_path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // The copy is written beside the target and replaces it only when complete, so a failed copy never
    // costs the old target.
    QSaveFile copy(destination);
    if (!copy.open(QIODevice::WriteOnly))
        return false;
    char buffer[65536];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0) {
            copy.cancelWriting();
            break;
        }
        if (n == 0)
            break;
        if (copy.write(buffer, n) != n) {
            copy.cancelWriting();
            break;
        }
    }
    if (!copy.commit())
        return false;
    QFile::setPermissions(destination, source.permissions());
    return true;
}

bool TBSFile::MoveTo(const BSRef<IBSPath> &target)
{
    const QString destination = targetFileName(target, Name());
    if (destination.isEmpty() || !Exists() || QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return false;
    return QFile::rename(m_path, destination);
}
