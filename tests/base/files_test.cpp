#include "base/assertion.h"
#include "base/fileaccess.h"
#include "base/files.h"
#include "base/filesearch.h"
#include "base/standardfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A program folder and a temp folder inside a temporary folder; restored afterwards.
class FilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        QDir(m_root.path()).mkpath(QStringLiteral("prog"));
        QDir(m_root.path()).mkpath(QStringLiteral("temp"));
        BSSetProgramFolder(path(QStringLiteral("prog")));
        BSSetTempFolder(path(QStringLiteral("temp")));
        m_savedCurrent = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_savedCurrent);
        BSSetProgramFolder(QString());
        BSSetTempFolder(QString());
        SetTempFilePrefix(QString());
    }

    QString path(const QString &relative) const
    {
        return QDir::cleanPath(QFileInfo(m_root.path()).canonicalFilePath() + QLatin1Char('/') + relative);
    }
    void write(const QString &relative, const QByteArray &content = "x")
    {
        QFileInfo info(path(relative));
        QDir().mkpath(info.absolutePath());
        QFile f(info.filePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_root;
    QString m_savedCurrent;
};

TEST_F(FilesTest, RelativeNamesResolveAgainstTheProgramFolderNotTheCurrentDirectory)
{
    QDir::setCurrent(path(QStringLiteral("temp")));
    auto file = NewFile(QStringLiteral("data\\x.txt"));
    EXPECT_EQ(file->FullName(), path(QStringLiteral("prog/data/x.txt")));
    EXPECT_EQ(QDir::currentPath(), path(QStringLiteral("temp")));
    EXPECT_EQ(NewFile(QStringLiteral("../up.txt"))->FullName(), path(QStringLiteral("up.txt")));
    EXPECT_EQ(NewFile(QStringLiteral("./a/./b/../c.ini"))->FullName(), path(QStringLiteral("prog/a/c.ini")));
    EXPECT_EQ(NewFile(QStringLiteral("/abs/file"))->FullName(), QStringLiteral("/abs/file"));
}

TEST_F(FilesTest, ABaseFolderIsCreatedAndUsed)
{
    auto base = NewDirectory(path(QStringLiteral("new/base")));
    EXPECT_FALSE(base->Exists());
    auto file = NewFile(QStringLiteral("x.txt"), base);
    EXPECT_EQ(file->FullName(), path(QStringLiteral("new/base/x.txt")));
    EXPECT_TRUE(base->Exists());
    EXPECT_EQ(base->SubDirectory(QStringLiteral("s"))->FullName(), path(QStringLiteral("new/base/s")));
    EXPECT_EQ(base->SubDirectory(QString())->FullName(), base->FullName());
    EXPECT_EQ(NewDirectory(QString())->FullName(), path(QStringLiteral("prog")));
    EXPECT_EQ(NewDirectory(QString(), base), base);
}

TEST_F(FilesTest, InvalidCharactersAreRemoved)
{
    const struct {
        const char *name;
        const char *expected;
    } cases[] = {
        {"/c/a:b", "/c/ab"},
        {"/d/w?ho*le.txt", "/d/whole.txt"},
        {"/d/<a>|\"b\".txt", "/d/ab.txt"},
        {"/d/..?/etc", "/etc"}, // the step is resolved after cleaning, never kept as ".."
        {"/d\\sub\\f.txt", "/d/sub/f.txt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewFile(QString::fromUtf8(c.name))->FullName(), QString::fromUtf8(c.expected)) << c.name;
    EXPECT_EQ(NewFile(QStringLiteral("/d/a") + QChar(0) + QStringLiteral("b"))->FullName(), QStringLiteral("/d/ab"));
}

TEST_F(FilesTest, EmptyLongAndOddNames)
{
    auto empty = NewFile(QString());
    EXPECT_TRUE(empty->IsEmpty());
    EXPECT_EQ(empty->FullName(), QString());
    EXPECT_FALSE(empty->Exists());
    EXPECT_TRUE(empty->IsReadOnly());
    EXPECT_FALSE(empty->CanCreate());
    EXPECT_FALSE(empty->Delete());
    EXPECT_EQ(empty->WithExtension(QStringLiteral(".txt")), empty);
    EXPECT_EQ(empty->Kind(), 0);
    EXPECT_TRUE(NewFile(QStringLiteral("???"))->IsEmpty());

    const QString longName = QString(100000, QLatin1Char('a')) + QStringLiteral(".txt");
    auto longFile = NewFile(longName);
    EXPECT_EQ(longFile->Name(), longName);
    EXPECT_FALSE(longFile->Exists());
    EXPECT_FALSE(longFile->CanCreate());
    EXPECT_TRUE(longFile->IsReadOnly());
    EXPECT_EQ(longFile->Kind(), fkTxt);

    const QString deep = QStringLiteral("a/").repeated(5000) + QStringLiteral("f");
    EXPECT_TRUE(NewFile(deep)->FullName().endsWith(QStringLiteral("/a/f")));
    EXPECT_EQ(NewFile(QStringLiteral("/"))->FullName(), QStringLiteral("/"));
    EXPECT_EQ(NewDirectory(QStringLiteral("/../.."))->FullName(), QStringLiteral("/"));
    EXPECT_EQ(NewDirectory(QStringLiteral("/"))->DirPath(), QStringLiteral("/"));
    EXPECT_EQ(NewFile(QStringLiteral("/x"))->DirPath(), QStringLiteral("/"));
    EXPECT_EQ(NewFile(QStringLiteral("/x"))->Directory()->FullName(), QStringLiteral("/"));
    EXPECT_EQ(NewFile(QStringLiteral("\xE4\xF6\xFC \xDF.txt"))->Name(), QStringLiteral("\xE4\xF6\xFC \xDF.txt"));
}

TEST_F(FilesTest, DirectoriesAreStoredWithoutTrailingDelimiter)
{
    auto dir = NewDirectory(QStringLiteral("/tmp/Temp/"));
    EXPECT_EQ(dir->FullName(), QStringLiteral("/tmp/Temp"));
    EXPECT_EQ(dir->DirPath(), QStringLiteral("/tmp/Temp/"));
    EXPECT_TRUE(dir->IsDirectory());
    EXPECT_EQ(dir->Directory(), dir);
    auto file = NewFile(QStringLiteral("/tmp/Temp/a.txt"));
    EXPECT_FALSE(file->IsDirectory());
    EXPECT_EQ(file->DirPath(), QStringLiteral("/tmp/Temp/"));
    EXPECT_EQ(file->Directory()->FullName(), QStringLiteral("/tmp/Temp"));
}

TEST_F(FilesTest, NamesExtensionsAndKinds)
{
    const struct {
        const char *path;
        const char *name, *base, *extension;
        int kind;
    } cases[] = {
        {"/r/report.PDF", "report.PDF", "report", ".PDF", fkPdf},
        {"/r/notes", "notes", "notes", "", fkNone},
        {"/r/a.b.csv", "a.b.csv", "a.b", ".csv", fkCsv},
        {"/r/x.d/y", "y", "y", "", fkNone},
        {"/r/.profile", ".profile", "", ".profile", fkNone},
        {"/r/mirevo.xde", "mirevo.xde", "mirevo", ".xde", fkX},
        {"/r/sheet.xls", "sheet.xls", "sheet", ".xls", fkXls},
        {"/r/map.SRF", "map.SRF", "map", ".SRF", fkSr},
        {"/r/page.html", "page.html", "page", ".html", fkNone},
    };
    for (const auto &c : cases) {
        auto f = NewFile(QString::fromUtf8(c.path));
        EXPECT_EQ(f->Name(), QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(f->BaseName(), QString::fromUtf8(c.base)) << c.path;
        EXPECT_EQ(f->Extension(), QString::fromUtf8(c.extension)) << c.path;
        EXPECT_EQ(f->Kind(), c.kind) << c.path;
        EXPECT_EQ(f->HasKind(c.kind), c.kind != fkNone || f->Extension().isEmpty()) << c.path;
        EXPECT_EQ(f->HasKind(fkTxt), c.kind == fkTxt) << c.path;
    }
    EXPECT_EQ(BSFileKindExtension(fkPdf), QStringLiteral(".pdf"));
    EXPECT_EQ(BSFileKindExtension(43), QString());
    EXPECT_EQ(BSFileKindExtension(-1), QString());
    EXPECT_EQ(BSFileKindPatterns(BSFileKinds({3, 36})), QStringLiteral("*.csv;*.txt"));
    EXPECT_EQ(BSFileKindPatterns({}), QStringLiteral("*.*"));

    auto report = NewFile(QStringLiteral("/r/report.PDF"));
    EXPECT_EQ(report->WithKind(fkHtm)->FullName(), QStringLiteral("/r/report.htm"));
    EXPECT_EQ(report->WithKind(fkNone), report);
    EXPECT_EQ(NewFile(QStringLiteral("/r/notes"))->WithExtension(QStringLiteral(".ini"))->FullName(),
              QStringLiteral("/r/notes.ini"));
    auto dir = NewDirectory(QStringLiteral("/r"));
    EXPECT_EQ(dir->FileWithExtension(QStringLiteral("sub/name.txt"), QStringLiteral(".log"))->FullName(),
              QStringLiteral("/r/name.log"));
    EXPECT_EQ(dir->FileOfKind(QStringLiteral("data"), fkCsv)->FullName(), QStringLiteral("/r/data.csv"));
}

TEST_F(FilesTest, IsWithinAndRelativeNames)
{
    auto data = NewDirectory(QStringLiteral("/Data"));
    EXPECT_TRUE(NewDirectory(QStringLiteral("/Data/Sub"))->IsWithin(data));
    EXPECT_TRUE(NewDirectory(QStringLiteral("/Data"))->IsWithin(data));
    EXPECT_FALSE(NewDirectory(QStringLiteral("/Database"))->IsWithin(data));
    EXPECT_TRUE(NewFile(QStringLiteral("/x"))->IsWithin(NewDirectory(QStringLiteral("/"))));
    EXPECT_FALSE(NewFile(QStringLiteral("/x"))->IsWithin(nullptr));

    auto base = NewDirectory(QStringLiteral("/a/b"));
    EXPECT_EQ(NewFile(QStringLiteral("/a/b/c/f.txt"))->RelativeName(base), QStringLiteral("c/f.txt"));
    EXPECT_EQ(NewFile(QStringLiteral("/a/x/f.txt"))->RelativeName(base), QStringLiteral("../x/f.txt"));
    EXPECT_EQ(NewDirectory(QStringLiteral("/a/b/c"))->RelativeName(base), QStringLiteral("c/"));
    EXPECT_EQ(NewDirectory(QStringLiteral("/a"))->RelativeName(base), QStringLiteral("../"));
    EXPECT_EQ(base->RelativeName(base), QStringLiteral("./"));
    EXPECT_EQ(NewFile(QStringLiteral("/a/f"))->RelativeName(), QStringLiteral("/a/f"));

    auto other = NewDirectory(QStringLiteral("/src/x/y"));
    EXPECT_EQ(NewDirectory(path(QStringLiteral("dst")))
                  ->Corresponding(NewDirectory(QStringLiteral("/src")), other)
                  ->FullName(),
              path(QStringLiteral("dst/x/y")));
}

TEST_F(FilesTest, SpecialDirectoriesAndFiles)
{
    EXPECT_EQ(SpecialDirectory(sdProgram)->FullName(), path(QStringLiteral("prog")));
    EXPECT_EQ(SpecialDirectory(sdProgram), SpecialDirectory(sdProgram));
    EXPECT_EQ(SpecialDirectory(sdTemp)->FullName(), path(QStringLiteral("temp")));
    QDir::setCurrent(path(QStringLiteral("temp")));
    EXPECT_EQ(SpecialDirectory(sdCurrent)->FullName(), path(QStringLiteral("temp")));
    EXPECT_NE(SpecialDirectory(sdCurrent), SpecialDirectory(sdCurrent));
    EXPECT_FALSE(SpecialDirectory(sdPersonal)->FullName().isEmpty());
    try {
        SpecialDirectory(sdNone);
        ADD_FAILURE() << "sdNone accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Ungültiger Wert für TBSSpecialDir!"));
    }
    auto program = SpecialFile(sfProgram);
    EXPECT_EQ(program->Directory()->FullName(), path(QStringLiteral("prog")));
    EXPECT_FALSE(program->Name().isEmpty());
    EXPECT_TRUE(SpecialFile(sfNone)->IsEmpty());
    EXPECT_EQ(FileInSpecialDirectory(sdProgram, QStringLiteral("a.ini"))->FullName(),
              path(QStringLiteral("prog/a.ini")));
    BSSetProgramFolder(path(QStringLiteral("other")));
    EXPECT_EQ(SpecialDirectory(sdProgram)->FullName(), path(QStringLiteral("other")));
}

TEST_F(FilesTest, TemporaryFilesNeedThePrefixAndTakeTheFirstFreeNumber)
{
    try {
        SpecialFile(sfTempFile, QStringLiteral(".htm"));
        ADD_FAILURE() << "no prefix accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Pfad für Tempfiles noch nicht definiert!"));
    }
    SetTempFilePrefix(QStringLiteral("p"));
    write(QStringLiteral("temp/p_1.htm"));
    auto temp = SpecialFile(sfTempFile, QStringLiteral(".htm"));
    EXPECT_EQ(temp->FullName(), path(QStringLiteral("temp/p_2.htm")));
    EXPECT_FALSE(temp->Exists());
    EXPECT_EQ(SpecialFile(sfTempFile)->Name(), QStringLiteral("p_1"));
}

TEST_F(FilesTest, CleanUpDeletesOnlyFilesWithThePrefix)
{
    write(QStringLiteral("temp/$$$qvr_a_1.htm"));
    write(QStringLiteral("temp/$$$qvr_a"));
    write(QStringLiteral("temp/other.txt"));
    write(QStringLiteral("temp/x$$$qvr_a_2.htm"));
    write(QStringLiteral("temp/$$$qvr_a_dir/keep.txt"));
    EXPECT_EQ(BSDeleteTempFiles(), 0); // no prefix: nothing is touched
    EXPECT_EQ(QDir(path(QStringLiteral("temp"))).entryList(QDir::Files).size(), 4);

    SetTempFilePrefix(QStringLiteral("$$$qvr_a"));
    EXPECT_EQ(BSDeleteTempFiles(), 2);
    EXPECT_EQ(QDir(path(QStringLiteral("temp"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("other.txt"), QStringLiteral("x$$$qvr_a_2.htm")}));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("temp/$$$qvr_a_dir/keep.txt"))));
}

TEST_F(FilesTest, TemporaryFilesAreDeletedWhenTheProgramEnds)
{
    write(QStringLiteral("temp/tp_1.htm"));
    write(QStringLiteral("temp/keep.htm"));
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            SetTempFilePrefix(QStringLiteral("tp"));
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("temp/tp_1.htm"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("temp/keep.htm"))));
}

TEST_F(FilesTest, CanCreateNeverAltersAnExistingFile)
{
    write(QStringLiteral("prog/keep.txt"), "content");
    auto keep = NewFile(QStringLiteral("keep.txt"));
    const QDateTime before = keep->Date();
    QThread::msleep(20);
    EXPECT_TRUE(keep->CanCreate());
    EXPECT_EQ(read(keep->FullName()), QByteArray("content"));
    EXPECT_EQ(keep->Date(), before);
    EXPECT_EQ(keep->Size(), 7);

    auto fresh = NewFile(QStringLiteral("fresh.txt"));
    EXPECT_TRUE(fresh->CanCreate());
    EXPECT_FALSE(fresh->Exists());
    EXPECT_FALSE(NewFile(QStringLiteral("missing/dir/f.txt"))->CanCreate());
    EXPECT_FALSE(NewFile(path(QStringLiteral("prog")))->CanCreate()); // a folder of that name
    EXPECT_EQ(fresh->Size(), 0);
    EXPECT_FALSE(fresh->Date().isValid());
}

TEST_F(FilesTest, ReadOnlyFilesAndFolders)
{
    write(QStringLiteral("prog/a.txt"));
    auto file = NewFile(QStringLiteral("a.txt"));
    EXPECT_FALSE(file->IsReadOnly());
    EXPECT_TRUE(NewFile(QStringLiteral("none.txt"))->IsReadOnly());
    {
        // A file another holder has locked counts as in use.
        const int fd = ::open(QFile::encodeName(file->FullName()).constData(), O_RDONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_EX), 0);
        EXPECT_TRUE(file->IsReadOnly());
        ::close(fd);
    }
    EXPECT_FALSE(file->IsReadOnly());

    auto prog = SpecialDirectory(sdProgram);
    EXPECT_FALSE(prog->IsReadOnly());
    EXPECT_EQ(QDir(prog->FullName()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
    if (::geteuid() != 0) {
        QFile::setPermissions(prog->FullName(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_TRUE(prog->IsReadOnly());
        QFile::setPermissions(file->FullName(), QFileDevice::ReadOwner);
        EXPECT_TRUE(file->IsReadOnly());
        QFile::setPermissions(prog->FullName(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST_F(FilesTest, CopyMoveAndDelete)
{
    write(QStringLiteral("prog/a.txt"), "one");
    write(QStringLiteral("prog/b.txt"), "two");
    auto a = NewFile(QStringLiteral("a.txt"));
    auto b = NewFile(QStringLiteral("b.txt"));
    EXPECT_TRUE(a->CopyTo(b));
    EXPECT_EQ(read(b->FullName()), QByteArray("one"));
    EXPECT_FALSE(a->CopyTo(a));
    EXPECT_EQ(read(a->FullName()), QByteArray("one"));
    auto sub = NewDirectory(QStringLiteral("sub"));
    sub->Force();
    EXPECT_TRUE(a->CopyTo(sub));
    EXPECT_EQ(read(path(QStringLiteral("prog/sub/a.txt"))), QByteArray("one"));
    EXPECT_FALSE(NewFile(QStringLiteral("none"))->CopyTo(b));

    EXPECT_FALSE(a->MoveTo(b)); // the target exists
    auto c = NewFile(QStringLiteral("c.txt"));
    EXPECT_TRUE(a->MoveTo(c));
    EXPECT_FALSE(a->Exists());
    EXPECT_EQ(read(c->FullName()), QByteArray("one"));

    EXPECT_TRUE(c->SameFile(NewFile(path(QStringLiteral("prog/sub/../c.txt")))));
    EXPECT_FALSE(c->SameFile(b));
    ASSERT_TRUE(QFile::link(c->FullName(), path(QStringLiteral("prog/link.txt"))));
    EXPECT_TRUE(c->SameFile(NewFile(QStringLiteral("link.txt"))));

    EXPECT_TRUE(c->Delete());
    EXPECT_FALSE(c->Exists());
    EXPECT_FALSE(c->Delete());
    EXPECT_TRUE(sub->Delete());
    EXPECT_FALSE(sub->Exists());
}

bool appears(const QString &file)
{
    for (int i = 0; i < 500 && !QFileInfo::exists(file); ++i)
        QThread::msleep(10);
    return QFileInfo::exists(file);
}

TEST_F(FilesTest, ProgramsStartWithoutWaiting)
{
    write(QStringLiteral("prog/start.sh"), "#!/bin/sh\ntouch \"$1\"\n");
    QFile::setPermissions(path(QStringLiteral("prog/start.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto script = NewFile(QStringLiteral("start.sh"));
    EXPECT_TRUE(script->Run(path(QStringLiteral("temp/ran"))));
    EXPECT_TRUE(appears(path(QStringLiteral("temp/ran"))));
    // An executable is opened by starting it with the parameters.
    EXPECT_TRUE(script->Open(path(QStringLiteral("temp/opened"))));
    EXPECT_TRUE(appears(path(QStringLiteral("temp/opened"))));
    EXPECT_FALSE(NewFile(QStringLiteral("none.sh"))->Open());
    EXPECT_FALSE(NewFile(QString())->Open());
}

TEST_F(FilesTest, DeletingToTheTrashKeepsTheFileThere)
{
    // The trash of a home folder inside the temporary folder, never the user's own.
    const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", path(QString()).toLocal8Bit());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
    write(QStringLiteral("prog/old.txt"), "old");
    auto old = NewFile(QStringLiteral("old.txt"));
    const bool gone = old->Delete(true);
    qputenv("HOME", savedHome);
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedData);
    EXPECT_TRUE(gone);
    EXPECT_FALSE(old->Exists());
    EXPECT_EQ(read(path(QStringLiteral("data/Trash/files/old.txt"))), QByteArray("old"));
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("files/old.txt"))));
}

TEST_F(FilesTest, ForceAndDeleteAllFiles)
{
    auto dir = NewDirectory(QStringLiteral("x/y/z"));
    EXPECT_TRUE(dir->Force());
    EXPECT_TRUE(dir->Exists());
    EXPECT_FALSE(NewDirectory(QStringLiteral("x/y/z"))->IsReadOnly());
    write(QStringLiteral("prog/x/a.txt"));
    write(QStringLiteral("prog/x/noext"));
    write(QStringLiteral("prog/x/.hidden"));
    auto x = NewDirectory(QStringLiteral("x"));
    EXPECT_TRUE(x->DeleteAllFiles());
    EXPECT_TRUE(QDir(x->FullName()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(dir->Exists());
    EXPECT_TRUE(dir->MakeCurrent());
    EXPECT_EQ(QDir::currentPath(), dir->FullName());
}

TEST(SearchPatterns, AreCutAsDelimitedTextOrLines)
{
    const struct {
        const char *text;
        QStringList expected;
    } cases[] = {
        {"", {"*.*"}},
        {"*.txt", {"*.txt"}},
        {"*.csv;*.txt", {"*.csv", "*.txt"}},
        {"*.csv;  *.txt", {"*.csv", "*.txt"}},
        {"*.csv;*.txt;", {"*.csv", "*.txt", ""}},
        {"a b;c", {"a", "b", "c"}},
        {"\"a b\";c", {"a b", "c"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BSSearchPatterns(QString::fromUtf8(c.text)), c.expected) << c.text;
}

QStringList collect(const BSRef<IBSFileIterator> &it, const QString &root)
{
    QStringList names;
    for (bool more = it->First(); more; more = it->Next())
        names << QDir(root).relativeFilePath(it->Current()->FullName());
    EXPECT_FALSE(it->HasCurrent());
    EXPECT_EQ(it->Current(), nullptr);
    return names;
}

TEST_F(FilesTest, SearchesFollowFoldersThenPatternsThenNames)
{
    for (const char *f : {"s/b.txt", "s/a.csv", "s/c.TXT", "s/d.dat", "s/a/x.txt", "s/a/deep/y.csv", "s/b/z.txt",
                          "s/noext"})
        write(QStringLiteral("prog/") + QString::fromUtf8(f));
    auto s = NewDirectory(QStringLiteral("s"));
    const QString root = s->FullName();

    EXPECT_EQ(collect(s->FilesOfKinds(BSFileKinds({fkTxt, fkCsv})), root),
              (QStringList{"a.csv", "b.txt", "c.TXT"}));
    EXPECT_EQ(collect(s->FilesOfKinds(BSFileKinds({fkTxt, fkCsv}), true), root),
              (QStringList{"a.csv", "b.txt", "c.TXT", "a/x.txt", "a/deep/y.csv", "b/z.txt"}));
    EXPECT_EQ(collect(s->Files(), root), (QStringList{"a.csv", "b.txt", "c.TXT", "d.dat", "noext"}));
    EXPECT_EQ(collect(s->Files(QStringLiteral("*.txt;b*")), root), (QStringList{"b.txt", "c.TXT", "b.txt"}));
    EXPECT_EQ(collect(s->Files(QStringLiteral("noext.*")), root), QStringList{"noext"});
    EXPECT_TRUE(collect(s->Files(QStringLiteral("*.xyz")), root).isEmpty());
    EXPECT_TRUE(collect(NewDirectory(QStringLiteral("none"))->Files(), root).isEmpty());

    auto dirs = s->Subdirectories();
    QStringList names;
    for (bool more = dirs->First(); more; more = dirs->Next()) {
        EXPECT_EQ(dirs->Current(), dirs->Current()); // made once per entry
        names << dirs->Current()->Name();
    }
    EXPECT_EQ(names, (QStringList{"a", "b"}));
    EXPECT_TRUE(dirs->First()); // starts over
    EXPECT_EQ(dirs->Current()->Name(), QStringLiteral("a"));
}

TEST_F(FilesTest, SearchReportsNamesWithCharactersThatPathsLose)
{
    write(QStringLiteral("prog/s/a:b?.txt"));
    auto it = NewDirectory(QStringLiteral("s"))->Files();
    ASSERT_TRUE(it->First());
    EXPECT_TRUE(it->Current()->Exists());
    EXPECT_EQ(it->Current()->Name(), QStringLiteral("a:b?.txt"));
}

QString aclOf(const QString &path)
{
    QProcess getfacl;
    getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("--omit-header"), QStringLiteral("--absolute-names"),
                                               QStringLiteral("--no-effective"), path});
    getfacl.waitForFinished(-1);
    return QString::fromLocal8Bit(getfacl.readAllStandardOutput());
}

class AccessTest : public FilesTest
{
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        if (BSAccessTool().isEmpty())
            GTEST_SKIP() << "setfacl is not installed";
        write(QStringLiteral("prog/acl/f.txt"));
        write(QStringLiteral("prog/acl/sub/g.txt"));
        // A file system without ACLs cannot show anything here.
        if (QProcess::execute(BSAccessTool(), {QStringLiteral("-m"), QStringLiteral("u:nobody:r"),
                                               path(QStringLiteral("prog/acl/f.txt"))})
            != 0)
            GTEST_SKIP() << "no ACL support in the temporary folder";
        QProcess::execute(BSAccessTool(), {QStringLiteral("-b"), path(QStringLiteral("prog/acl/f.txt"))});
    }
    void TearDown() override
    {
        BSSetAccessTool(QString());
        FilesTest::TearDown();
    }
};

TEST_F(AccessTest, RightsTextAndMissingToolOrUser)
{
    EXPECT_EQ(BSAccessRightsText(arRead | arListFolder | arFull), QStringLiteral("read,list_folder,full"));
    EXPECT_EQ(BSAccessRightsText(0), QString());
    auto file = NewFile(QStringLiteral("acl/f.txt"));
    try {
        file->SetAccess(QString(), arRead, false);
        ADD_FAILURE() << "empty user accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Ungültiger User"));
    }
    BSSetAccessTool(path(QStringLiteral("no-such-tool")));
    try {
        file->GrantAccess(QStringLiteral("nobody"), arRead, false);
        ADD_FAILURE() << "missing tool accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("setfacl nicht vorhanden."));
    }
    BSSetAccessTool(QString());
    EXPECT_FALSE(file->SetAccess(QStringLiteral("nobody:rwx,u:root"), arRead, false));
    EXPECT_FALSE(NewFile(QStringLiteral("acl/none.txt"))->SetAccess(QStringLiteral("nobody"), arRead, false));
}

TEST_F(AccessTest, SetGrantAndRevokeAUsersEntry)
{
    auto file = NewFile(QStringLiteral("acl/f.txt"));
    ASSERT_TRUE(file->SetAccess(QStringLiteral("nobody"), arRead, false));
    EXPECT_TRUE(aclOf(file->FullName()).contains(QStringLiteral("user:nobody:r--"))) << aclOf(file->FullName()).toStdString();
    ASSERT_TRUE(file->GrantAccess(QStringLiteral("nobody"), arWrite, false));
    EXPECT_TRUE(aclOf(file->FullName()).contains(QStringLiteral("user:nobody:rw-")));
    ASSERT_TRUE(file->SetAccess(QStringLiteral("nobody"), arWrite, false));
    EXPECT_TRUE(aclOf(file->FullName()).contains(QStringLiteral("user:nobody:-w-")));
    ASSERT_TRUE(file->RevokeAccess(QStringLiteral("nobody"), arWrite, false));
    EXPECT_FALSE(aclOf(file->FullName()).contains(QStringLiteral("user:nobody")));

    ASSERT_TRUE(file->SetAccess(QStringLiteral("@@EVERYONE@@"), arReadEx, false));
    EXPECT_TRUE(aclOf(file->FullName()).contains(QStringLiteral("other::r-x")));
    ASSERT_TRUE(file->RevokeAccess(QStringLiteral("@@EVERYONE@@"), arFull, false));
    EXPECT_TRUE(aclOf(file->FullName()).contains(QStringLiteral("other::---")));
}

TEST_F(AccessTest, RecursiveChangesReachEveryEntryAndListFolderOpensOnlyFolders)
{
    auto dir = NewDirectory(QStringLiteral("acl"));
    ASSERT_TRUE(dir->SetAccess(QStringLiteral("nobody"), arListFolder, true));
    EXPECT_TRUE(aclOf(dir->FullName()).contains(QStringLiteral("user:nobody:r-x")));
    EXPECT_TRUE(aclOf(path(QStringLiteral("prog/acl/sub"))).contains(QStringLiteral("user:nobody:r-x")));
    EXPECT_TRUE(aclOf(path(QStringLiteral("prog/acl/sub/g.txt"))).contains(QStringLiteral("user:nobody:r--")));
    ASSERT_TRUE(dir->GrantAccess(QStringLiteral("nobody"), arChange, true));
    EXPECT_TRUE(aclOf(path(QStringLiteral("prog/acl/sub/g.txt"))).contains(QStringLiteral("user:nobody:rwx")));
    ASSERT_TRUE(dir->SetAccess(QStringLiteral("nobody"), arRead, false));
    EXPECT_TRUE(aclOf(dir->FullName()).contains(QStringLiteral("user:nobody:r--")));
    EXPECT_TRUE(aclOf(path(QStringLiteral("prog/acl/sub"))).contains(QStringLiteral("user:nobody:rwx")));
}

} // namespace
