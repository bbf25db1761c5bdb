#include "frame/bssystem.h"

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

TEST(BSSystem, RunProgramPassesQuotedArgumentsAndWaits)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("with blank"));
    EXPECT_TRUE(TBSSystem::RunProgram(QStringLiteral("sh -c \"sleep 0.2; touch '%1'\"").arg(marker), false, true));
    EXPECT_TRUE(QFileInfo::exists(marker));
}

TEST(BSSystem, DeleteFilesByPattern)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("a.txt")));
    touch(dir.filePath(QStringLiteral("b.pdf")));
    EXPECT_TRUE(TBSSystem::DeleteFiles(dir.filePath(QStringLiteral("*.txt")), false));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a.txt"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("b.pdf"))));
}

} // namespace
