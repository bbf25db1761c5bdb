#include "base/files_p.h"

#include "base/filesearch.h"
#include "base/osservices.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

BSRef<IBSDirectory> TBSDirectory::self() const
{
    return std::dynamic_pointer_cast<IBSDirectory>(
        std::const_pointer_cast<TBSManagedInterface>(shared_from_this()));
}

QString TBSDirectory::DirPath() const
{
    if (m_path.isEmpty() || m_path.endsWith(QLatin1Char('/')))
        return m_path;
    return m_path + QLatin1Char('/');
}

bool TBSDirectory::Exists() const
{
    return !m_path.isEmpty() && QFileInfo(m_path).isDir();
}

bool TBSDirectory::IsReadOnly() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyMMddhhmmsszzz"));
    const BSRef<IBSFile> probe = const_cast<TBSDirectory *>(this)->FileWithExtension(
        QStringLiteral("$$$-") + stamp, QStringLiteral(".$$$"));
    return !probe->CanCreate();
}

bool TBSDirectory::Force()
{
    if (m_path.isEmpty())
        return false;
    return QDir().mkpath(m_path);
}

bool TBSDirectory::MakeCurrent()
{
    return Force() && QDir::setCurrent(m_path);
}

bool TBSDirectory::ExploreIn()
{
    return Force() && BSExplore(m_path);
}

BSRef<IBSDirectory> TBSDirectory::Corresponding(const BSRef<IBSDirectory> &base, const BSRef<IBSDirectory> &other)
{
    if (!base || !other)
        return self();
    const QString relative = QDir(base->DirPath()).relativeFilePath(other->DirPath());
    return NewDirectory(relative, self());
}

BSRef<IBSDirectory> TBSDirectory::SubDirectory(const QString &name)
{
    return NewDirectory(name, self());
}

BSRef<IBSFile> TBSDirectory::File(const QString &name)
{
    return NewFile(name, self());
}

BSRef<IBSFile> TBSDirectory::FileWithExtension(const QString &name, const QString &extension)
{
    QString last = name;
    last.replace(QLatin1Char('\\'), QLatin1Char('/'));
    last = BSPathLastComponent(last);
    const QString base = last.left(last.size() - BSPathExtension(last).size());
    return File(base + extension);
}

BSRef<IBSFile> TBSDirectory::FileOfKind(const QString &name, int kind)
{
    return FileWithExtension(name, BSFileKindExtension(kind));
}

bool TBSDirectory::DeleteAllFiles()
{
    if (!Exists())
        return false;
    return BSDeleteFiles(DirPath() + QStringLiteral("*.*"), false);
}

BSRef<IBSFileIterator> TBSDirectory::Files(const QString &patterns, bool recursive)
{
    return BSNew<TBSFileSearch>(m_path, BSSearchPatterns(patterns), recursive, false);
}

BSRef<IBSFileIterator> TBSDirectory::FilesOfKinds(const TBSFileKinds &kinds, bool recursive)
{
    return Files(BSFileKindPatterns(kinds), recursive);
}

BSRef<IBSDirectoryIterator> TBSDirectory::Subdirectories(const QString &patterns)
{
    return BSNew<TBSFileSearch>(m_path, BSSearchPatterns(patterns), false, true);
}
