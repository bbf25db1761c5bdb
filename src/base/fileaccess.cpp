#include "base/fileaccess.h"

#include "base/assertion.h"
#include "base/files_p.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

const char *const kRightNames[] = {"read", "write", "list_folder", "read_ex", "change", "profile", "full"};

enum Permission : unsigned { permR = 4, permW = 2, permX = 1 };

QString &toolOverride()
{
    static QString path;
    return path;
}

// The permissions of the rights for a file or a folder.
unsigned permissionsOf(TBSAccessRights rights, bool folder)
{
    unsigned perms = 0;
    if (rights & arRead)
        perms |= permR;
    if (rights & arWrite)
        perms |= permW;
    if (rights & arListFolder)
        perms |= permR | (folder ? permX : 0u);
    if (rights & arReadEx)
        perms |= permR | permX;
    if (rights & (arChange | arProfile | arFull))
        perms |= permR | permW | permX;
    return perms;
}

QString permissionText(unsigned perms)
{
    QString text;
    text += (perms & permR) ? QLatin1Char('r') : QLatin1Char('-');
    text += (perms & permW) ? QLatin1Char('w') : QLatin1Char('-');
    text += (perms & permX) ? QLatin1Char('x') : QLatin1Char('-');
    return text;
}

bool runTool(const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (!output)
        process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(BSAccessTool(), arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The entry's permissions in the path's ACL, read with getfacl beside the tool; 0 when there is none.
unsigned currentPermissions(const QString &path, const QString &entryPrefix)
{
    const QString getfacl = QFileInfo(BSAccessTool()).absolutePath() + QStringLiteral("/getfacl");
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(getfacl, {QStringLiteral("--omit-header"), QStringLiteral("--absolute-names"),
                            QStringLiteral("--no-effective"), QStringLiteral("--"), path});
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return 0;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromLocal8Bit(raw).trimmed();
        if (!line.startsWith(entryPrefix))
            continue;
        const QString perms = line.mid(entryPrefix.size()).left(3);
        unsigned result = 0;
        if (perms.contains(QLatin1Char('r')))
            result |= permR;
        if (perms.contains(QLatin1Char('w')))
            result |= permW;
        if (perms.contains(QLatin1Char('x')))
            result |= permX;
        return result;
    }
    return 0;
}

} // namespace

QString BSAccessRightsText(TBSAccessRights rights)
{
    QStringList names;
    for (int bit = 0; bit < 7; ++bit)
        if (rights & (1u << bit))
            names << QString::fromLatin1(kRightNames[bit]);
    return names.join(QLatin1Char(','));
}

QString BSAccessTool()
{
    if (!toolOverride().isEmpty())
        return toolOverride();
    return QStandardPaths::findExecutable(QStringLiteral("setfacl"));
}

void BSSetAccessTool(const QString &path)
{
    toolOverride() = path;
}

bool BSChangeAccess(const QString &path, const QString &action, const QString &user, TBSAccessRights rights,
                    bool recursive)
{
    BSAssert(!user.isEmpty(), QStringLiteral("Ungültiger User"));
    const QString tool = BSAccessTool();
    BSAssert(!tool.isEmpty() && QFileInfo(tool).isFile(), QStringLiteral("setfacl nicht vorhanden."));
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;

    const bool everyone = user == QLatin1String("@@EVERYONE@@");
    if (!everyone) {
        // ":" "," and line breaks would change the meaning of the entry text.
        for (QChar c : user)
            if (c == QLatin1Char(':') || c == QLatin1Char(',') || c.unicode() < ' ')
                return false;
    }
    const QString entry = everyone ? QStringLiteral("o:") : QStringLiteral("u:") + user + QLatin1Char(':');
    const QString entryPrefix = everyone ? QStringLiteral("other::") : QStringLiteral("user:") + user + QLatin1Char(':');

    QStringList paths{path};
    if (recursive && QFileInfo(path).isDir()) {
        QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!it.fileInfo().isSymLink())
                paths << it.filePath();
        }
    }

    bool ok = true;
    for (const QString &target : paths) {
        const bool folder = QFileInfo(target).isDir();
        const unsigned wanted = permissionsOf(rights, folder);
        unsigned perms = wanted;
        if (action == QLatin1String("grant")) {
            perms |= currentPermissions(target, entryPrefix);
        } else if (action == QLatin1String("revoke")) {
            perms = currentPermissions(target, entryPrefix) & ~wanted;
            if (perms == 0 && !everyone) {
                // No permission left: the entry goes (a missing entry is no error).
                runTool({QStringLiteral("-x"), entry.chopped(1), QStringLiteral("--"), target});
                continue;
            }
        } else if (action != QLatin1String("set")) {
            return false;
        }
        if (!runTool({QStringLiteral("-m"), entry + permissionText(perms), QStringLiteral("--"), target}))
            ok = false;
    }
    return ok;
}

// ---- the path operations

bool TBSPath::SetAccess(const QString &user, TBSAccessRights rights, bool recursive)
{
    return BSChangeAccess(m_path, QStringLiteral("set"), user, rights, recursive);
}

bool TBSPath::GrantAccess(const QString &user, TBSAccessRights rights, bool recursive)
{
    return BSChangeAccess(m_path, QStringLiteral("grant"), user, rights, recursive);
}

bool TBSPath::RevokeAccess(const QString &user, TBSAccessRights rights, bool recursive)
{
    return BSChangeAccess(m_path, QStringLiteral("revoke"), user, rights, recursive);
}
