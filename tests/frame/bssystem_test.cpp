#include "frame/bssystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qstringprint.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(BSSystem, UserNameIsTheLoginOfTheProcess)
{
    const QString name = TBSSystem::UserName();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_LE(name.size(), 100);
    if (::getuid() == 0)
        EXPECT_EQ(name, QStringLiteral("root"));
}

TEST(BSSystem, RootIsAnAdministrator)
{
    if (::geteuid() == 0)
        EXPECT_TRUE(TBSSystem::IsAdmin());
    else
        GTEST_SKIP() << "not running as root";
}

TEST(BSSystem, TempFolderEndsWithADelimiter)
{
    EXPECT_TRUE(TBSSystem::TempFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(TBSSystem::TempFolder()).isDir());
}

TEST(BSSystem, RunAndCaptureDeliversLines)
{
    QStringList lines;
    const bool started = TBSSystem::RunAndCapture(
        QStringLiteral("sh -c \"printf 'one\\r\\ntwo\\n\\nthree'\""), [&](const QString &line) { lines << line; });
    EXPECT_TRUE(started);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QString(), QStringLiteral("three")}));
}

TEST(BSSystem, RunAndCaptureBreaksLongLines)
{
    QStringList lines;
    TBSSystem::RunAndCapture(QStringLiteral("sh -c \"head -c 600 /dev/zero | tr '\\\\0' a\""),
                             [&](const QString &line) { lines << line; });
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0).size(), 256);
    EXPECT_EQ(lines.at(1).size(), 256);
    EXPECT_EQ(lines.at(2).size(), 88);
}

TEST(BSSystem, RunOfAMissingProgramFails)
{
    EXPECT_FALSE(TBSSystem::RunProgram(QStringLiteral("/nonexistent/program --x"), false, true));
    EXPECT_FALSE(TBSSystem::RunAndCapture(QStringLiteral("/nonexistent/program"), [](const QString &) {}));
    EXPECT_FALSE(TBSSystem::RunProgram(QString(), false, false));
}

TEST(BSSystem, RunProgramWaitsForTheEnd)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("done"));
    EXPECT_TRUE(TBSSystem::RunProgram(QStringLiteral("sh -c \"sleep 0.2; touch '%1'\"").arg(marker), false, true));
    EXPECT_TRUE(QFileInfo::exists(marker));
}

TEST(BSSystem, DeleteFilesByNameAndPattern)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("a.txt")));
    touch(dir.filePath(QStringLiteral("b.txt")));
    touch(dir.filePath(QStringLiteral("noext")));
    QDir(dir.path()).mkdir(QStringLiteral("sub.txt"));

    EXPECT_TRUE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("a.txt")), false));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a.txt"))));
    EXPECT_FALSE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("a.txt")), false)) << "already gone";
    // Folders are never deleted.
    EXPECT_FALSE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("sub.txt")), false));

    EXPECT_TRUE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("*.txt")), false));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("b.txt"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("noext"))));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub.txt"))).isDir());

    // "*.*" means every file, also one without a dot.
    EXPECT_TRUE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("*.*")), false));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("noext"))));
}

TEST(BSSystem, DeleteFilesToTheTrash)
{
    QTemporaryDir dir;
    // Home and data folder inside the test folder: the trash is then the test's own.
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(dir.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    touch(dir.filePath(QStringLiteral("old.pdf")));
    const bool deleted = TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("old.pdf")), true);
    qputenv("HOME", oldHome);
    qputenv("XDG_DATA_HOME", oldData);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("old.pdf"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("data/Trash/files/old.pdf"))));
}

// xdg-open replaced by a script that records its arguments and working folder.
class ShellOpenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_log = m_dir.filePath(QStringLiteral("log"));
        QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$PWD|$*\" > '%1'\n").arg(m_log).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_oldPath);
    }
    void TearDown() override { qputenv("PATH", m_oldPath); }

    QString logged()
    {
        for (int i = 0; i < 200 && !QFileInfo::exists(m_log); ++i)
            ::usleep(10000);
        ::usleep(20000);
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }

    QTemporaryDir m_dir;
    QString m_log;
    QByteArray m_oldPath;
};

TEST_F(ShellOpenTest, OpenDocumentRunsXdgOpenInTheFilesFolder)
{
    const QString sub = m_dir.filePath(QStringLiteral("docs"));
    QDir().mkpath(sub);
    EXPECT_TRUE(TBSSystem::OpenDocument(sub + QStringLiteral("/table.pdf"), QString(), QString()));
    EXPECT_EQ(logged(), sub + QStringLiteral("|") + sub + QStringLiteral("/table.pdf"));
}

TEST_F(ShellOpenTest, ExploreOpensTheFolder)
{
    EXPECT_TRUE(TBSSystem::Explore(m_dir.path()));
    EXPECT_TRUE(logged().endsWith(QStringLiteral("|") + m_dir.path()));
}

} // namespace
