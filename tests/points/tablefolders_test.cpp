// Table files in folders: IDs, order, warnings, and files that cannot be used.
#include "points/controller.h"
#include "points/tablefolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class TableFolders : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_first.isValid());
        ASSERT_TRUE(m_second.isValid());
    }

    static void write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray table(const char *id, const char *name)
    {
        return QByteArray("[Header]\r\nName=") + name + "\r\nVersion=2026\r\nID=" + id
               + "\r\nFormula=CUBED_TRUNC\r\n[LC Men]\r\n50_FR=20.07\r\n";
    }

    int registerAll(TBSSwPointTableController &controller)
    {
        return RegisterTableFolders(controller, {m_first.path(), m_missing, m_second.path()},
                                    [this](const QString &line) { m_warnings << line; });
    }

    QTemporaryDir m_first;
    QTemporaryDir m_second;
    QString m_missing = QStringLiteral("/nonexistent/mirevo/tables");
    QStringList m_warnings;
};

TEST_F(TableFolders, RegistersInFolderThenFileNameOrder)
{
    write(m_first, QStringLiteral("b.txt"), table("7002", "Bravo"));
    write(m_first, QStringLiteral("a.txt"), table("7001", "Alpha"));
    write(m_first, QStringLiteral("notes.md"), "not a table");
    write(m_second, QStringLiteral("a.txt"), table("7003", "Charlie"));
    TBSSwPointTableController controller;
    EXPECT_EQ(registerAll(controller), 3);
    EXPECT_TRUE(m_warnings.isEmpty()) << m_warnings.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(controller.Classes().size(), 3u);
    EXPECT_EQ(controller.Classes()[0]->ID(), 7001);
    EXPECT_EQ(controller.Classes()[1]->ID(), 7002);
    EXPECT_EQ(controller.Classes()[2]->ID(), 7003);

    // A file table behaves like a built-in one.
    const auto table = controller.GetPointTable(7001);
    EXPECT_EQ(table->Name(), QStringLiteral("Alpha"));
    table->SetCourse(bsscLC);
    EXPECT_EQ(table->PointsForTime(*NewSwimStyle(50, bssFR, 1), bssgMen, 99, 22300), 729);
    EXPECT_EQ(controller.GetPointTableList()->TextOf(7003), QStringLiteral("Charlie 2026"));
}

TEST_F(TableFolders, SkipsUnusableFilesWithOneWarningEach)
{
    write(m_first, QStringLiteral("1-good.txt"), table("7101", "Good"));
    write(m_first, QStringLiteral("2-noid.txt"), "[Header]\nName=No ID\n[LC Men]\n50_FR=20.00\n");
    write(m_first, QStringLiteral("3-badid.txt"), table("12abc", "Bad"));
    write(m_first, QStringLiteral("4-zero.txt"), table("0", "Zero"));
    write(m_first, QStringLiteral("5-toolarge-id.txt"), table("2147483648", "Huge"));
    write(m_first, QStringLiteral("6-taken.txt"), table("7101", "Taken"));
    write(m_second, QStringLiteral("builtin.txt"), table("3000", "Clash"));
    {
        QFile big(m_second.filePath(QStringLiteral("big.txt")));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(MaxTableFileSize + 1)); // sparse: nothing is written
    }
    write(m_second, QStringLiteral("good-too.txt"), table("7102", "Also good"));
    TBSSwPointTableController controller;
    controller.Register(Controller().FindClass(3000));
    EXPECT_EQ(registerAll(controller), 2);
    ASSERT_EQ(m_warnings.size(), 7) << m_warnings.join(QLatin1Char('\n')).toStdString();
    const char *expected[] = {"2-noid.txt skipped: its header has no ID= line",
                              "3-badid.txt skipped: ID=12abc is not a whole number above 0",
                              "4-zero.txt skipped: ID=0 is not a whole number above 0",
                              "5-toolarge-id.txt skipped: ID=2147483648 is not a whole number above 0",
                              "6-taken.txt skipped: ID 7101 is already taken by Good 2026",
                              "big.txt skipped: it is larger than 16 MB",
                              "builtin.txt skipped: ID 3000 is already taken by FINA Point Scoring 2004"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(m_warnings[i].startsWith(QStringLiteral("table file /"))) << m_warnings[i].toStdString();
        EXPECT_TRUE(m_warnings[i].endsWith(QString::fromUtf8(expected[i]))) << m_warnings[i].toStdString();
        EXPECT_FALSE(m_warnings[i].contains(QLatin1Char('\n')));
    }
    EXPECT_TRUE(controller.FindClass(7102));
}

TEST_F(TableFolders, UnreadableFileIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop the superuser from reading";
    write(m_first, QStringLiteral("locked.txt"), table("7201", "Locked"));
    ASSERT_TRUE(QFile::setPermissions(m_first.filePath(QStringLiteral("locked.txt")), QFileDevice::Permissions()));
    TBSSwPointTableController controller;
    EXPECT_EQ(registerAll(controller), 0);
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_warnings[0].contains(QLatin1String("locked.txt skipped: it cannot be read")));
}

TEST_F(TableFolders, OddFilesStillLoad)
{
    QByteArray longLine = "[Header]\nID=7301\nName=Long\n[LC Men]\n50_FR=" + QByteArray(1 << 20, '7') + "\n100_FR=48.30\n";
    write(m_first, QStringLiteral("a-long.txt"), longLine);
    write(m_first, QStringLiteral("b-binary.txt"), QByteArray("[Header]\nID=7302\n\xff\xfe\x00\x01[LC Men]\n50_FR=\x80\x81", 34));
    write(m_first, QStringLiteral("c-windows.txt"), "[Header]\r\nID=7303\r\nName=K\xf6ln\r\n");
    TBSSwPointTableController controller;
    EXPECT_EQ(registerAll(controller), 3);
    const auto table = controller.GetPointTable(7301);
    table->SetCourse(bsscLC);
    EXPECT_EQ(table->PointsForTime(*NewSwimStyle(100, bssFR, 1), bssgMen, 99, 48300), 1000);
    EXPECT_EQ(controller.FindClass(7303)->Name(), QString::fromUtf8("K\xc3\xb6ln"));
}

TEST(TableFile, LoadTableFileReadsAnyFormula)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("british.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Header]\nName=Life\nShortNameVersion=LS @POOL\nFormula=LIFESAVING\n[SC $]\n100_FR=48.30\n");
    file.close();
    QString error;
    const auto cls = LoadTableFile(path, &error);
    ASSERT_TRUE(cls) << error.toStdString();
    EXPECT_EQ(cls->ID(), 0);
    const auto table = cls->Create();
    table->SetCourse(bsscSC);
    EXPECT_EQ(table->PointsForTime(*NewSwimStyle(100, bssFR, 1), bssgWomen, 30, 50000), 953);
    EXPECT_EQ(table->ShortName(), QStringLiteral("LS SC"));
    EXPECT_FALSE(LoadTableFile(dir.filePath(QStringLiteral("missing.txt")), &error));
    EXPECT_TRUE(error.startsWith(QLatin1String("cannot be read"))) << error.toStdString();
}

TEST(TableFile, DefaultFoldersAreNextToTheProgramThenTheDataFolder)
{
    const QStringList folders = DefaultTableFolders(QStringLiteral("/opt/mirevo"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders.first(), QStringLiteral("/opt/mirevo/tables"));
    EXPECT_TRUE(folders.last().endsWith(QLatin1String("/Mirevo/tables")));
}

} // namespace
