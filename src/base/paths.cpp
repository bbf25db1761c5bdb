#include "base/files_p.h"

#include "base/assertion.h"
#include "base/osservices.h"
#include "base/standardfolders.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

// Special directories and files made on first request and kept until the folders change or the program
// ends.
struct SpecialPaths {
    std::array<BSRef<IBSDirectory>, 6> directories; // sdProgram .. sdWindows
    std::array<BSRef<IBSFile>, 2> files;            // sfNone, sfProgram
};

SpecialPaths &specialPaths()
{
    // Never destroyed: code running while the program ends may still ask for them.
    static SpecialPaths *paths = new SpecialPaths;
    return *paths;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

void BSForgetSpecialPaths()
{
    specialPaths() = SpecialPaths();
}

QString BSCleanPath(const QString &path)
{
    QString clean;
    clean.reserve(path.size());
    for (QChar c : path) {
        switch (c.unicode()) {
        case '<':
        case '>':
        case '"':
        case ':':
        case '?':
        case '*':
        case '|':
        case 0:
            break;
        default:
            clean += c;
        }
    }
    return clean;
}

QString BSResolvePath(const QString &name, const QString &baseFolder)
{
    // Characters are removed before "." and ".." are resolved, so that a name like "..?" cannot turn into
    // an unresolved ".." step of the stored path.
    QString cleaned = BSCleanPath(name);
    cleaned.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (cleaned.isEmpty())
        return withoutTrailingSlash(QDir::cleanPath(baseFolder));
    const QString full = QDir::isAbsolutePath(cleaned) ? cleaned : baseFolder + QLatin1Char('/') + cleaned;
    QString resolved = QDir::cleanPath(full);
    // ".." above the root stays at the root.
    while (resolved.startsWith(QLatin1String("/..")) && (resolved.size() == 3 || resolved.at(3) == QLatin1Char('/')))
        resolved = resolved.size() == 3 ? QStringLiteral("/") : resolved.mid(3);
    return resolved;
}

QString BSPathLastComponent(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString BSPathExtension(const QString &path)
{
    const QString name = BSPathLastComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

// ---- TBSPath

QString TBSPath::RelativeName(const BSRef<IBSDirectory> &base) const
{
    if (!base || m_path.isEmpty())
        return IsDirectory() ? DirPath() : m_path;
    QString relative = QDir(base->DirPath()).relativeFilePath(m_path);
    if (IsDirectory()) {
        if (relative.isEmpty() || relative == QLatin1String("."))
            return QStringLiteral("./");
        if (!relative.endsWith(QLatin1Char('/')))
            relative += QLatin1Char('/');
    }
    return relative;
}

bool TBSPath::IsWithin(const BSRef<IBSPath> &other) const
{
    if (!other || m_path.isEmpty())
        return false;
    const QString outer = other->FullName();
    if (outer.isEmpty() || !m_path.startsWith(outer))
        return false;
    return m_path.size() == outer.size() || outer.endsWith(QLatin1Char('/'))
        || m_path.at(outer.size()) == QLatin1Char('/');
}

QString TBSPath::Name() const
{
    return BSPathLastComponent(m_path);
}

QString TBSPath::BaseName() const
{
    const QString name = Name();
    return name.left(name.size() - Extension().size());
}

int TBSPath::Kind() const
{
    return BSFileKindOfExtension(Extension());
}

QString TBSPath::Extension() const
{
    return BSPathExtension(m_path);
}

bool TBSPath::Delete(bool toRecycleBin)
{
    if (m_path.isEmpty() || !Exists())
        return false;
    BSDeleteFiles(m_path, toRecycleBin);
    return !Exists();
}

// ---- factories

namespace {

// The full path of name against base (created first, so the path is usable), or against the program's
// folder when there is no base.
QString resolveAgainst(const QString &name, const BSRef<IBSDirectory> &base)
{
    if (!base)
        return BSResolvePath(name, BSProgramFolder());
    base->Force();
    return BSResolvePath(name, base->FullName());
}

} // namespace

BSRef<IBSFile> NewFile(const QString &name, const BSRef<IBSDirectory> &base)
{
    if (BSCleanPath(name).isEmpty())
        return BSNew<TBSFile>(QString());
    return BSNew<TBSFile>(resolveAgainst(name, base));
}

BSRef<IBSDirectory> NewDirectory(const QString &name, const BSRef<IBSDirectory> &base)
{
    if (name.isEmpty())
        return base ? base : BSNew<TBSDirectory>(BSProgramFolder());
    return BSNew<TBSDirectory>(resolveAgainst(name, base));
}

BSRef<IBSDirectory> SpecialDirectory(TBSSpecialDir which)
{
    BSAssert(which > sdNone && which <= sdCurrent, QStringLiteral("Ungültiger Wert für TBSSpecialDir!"));
    if (which == sdCurrent)
        return BSNew<TBSDirectory>(withoutTrailingSlash(QDir::cleanPath(QDir::currentPath())));
    BSRef<IBSDirectory> &kept = specialPaths().directories[size_t(which)];
    if (!kept) {
        QString folder;
        switch (which) {
        case sdProgram:
            folder = BSProgramFolder();
            break;
        case sdPersonal:
            folder = BSPersonalFolder();
            break;
        case sdSystem:
            folder = BSSystemFolder();
            break;
        case sdTemp:
            folder = BSTempFolder();
            break;
        default:
            folder = BSWindowsFolder();
            break;
        }
        kept = BSNew<TBSDirectory>(withoutTrailingSlash(QDir::cleanPath(folder)));
    }
    return kept;
}

BSRef<IBSFile> SpecialFile(TBSSpecialFile which, const QString &extension)
{
    if (which == sfTempFile) {
        const QString prefix = TempFilePrefix();
        BSAssert(!prefix.isEmpty(), QStringLiteral("Pfad für Tempfiles noch nicht definiert!"));
        const BSRef<IBSDirectory> temp = SpecialDirectory(sdTemp);
        for (int n = 1;; ++n) {
            BSRef<IBSFile> file =
                NewFile(prefix + QLatin1Char('_') + QString::number(n) + extension, temp);
            if (!QFileInfo::exists(file->FullName()))
                return file;
        }
    }
    BSAssert(which == sfNone || which == sfProgram, QStringLiteral("Ungültiger Wert für TBSSpecialFile!"));
    BSRef<IBSFile> &kept = specialPaths().files[size_t(which)];
    if (!kept)
        kept = BSNew<TBSFile>(which == sfProgram ? BSProgramFile() : QString());
    return kept;
}

BSRef<IBSFile> FileInSpecialDirectory(TBSSpecialDir which, const QString &name)
{
    return SpecialDirectory(which)->File(name);
}
