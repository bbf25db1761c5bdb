#include "frame/programpaths.h"
#include "base/stringlist.h"
#include "frame/textfile.h"

#include "settingsfixture.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1252)
{
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"Gr\xc3\xb6\xc3\x9f" "e", QStringLiteral("Größe")},
        {"\xef\xbb\xbfGr\xc3\xb6\xc3\x9f" "e", QStringLiteral("Größe")},  // UTF-8 with byte order mark
        {"Gr\xf6\xdf" "e \x80 \x93x\x94", QStringLiteral("Größe € “x”")}, // Windows-1252
        {"ab\xc3", QStringLiteral("abÃ")},                                  // UTF-8 cut in the middle
        {"\x81\x8d", QString(QChar(0x81)) + QChar(0x8d)},                   // bytes 1252 leaves undefined
        {QByteArray("a\0b", 3), QString(QLatin1Char('a')) + QChar(0) + QLatin1Char('b')},
        {QByteArray("\xff\xfe" "A\0\xe4\0", 6), QStringLiteral("Aä")},    // UTF-16 LE
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeText(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(TextFile, SplitsLinesLikeAStringList)
{
    EXPECT_EQ(BSSplitLines(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(BSSplitLines(QStringLiteral("a\r\n")), (QStringList{"a"}));
    EXPECT_EQ(BSSplitLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(BSSplitLines(QString()), QStringList());
    EXPECT_EQ(BSSplitLines(QStringLiteral("\n")), (QStringList{""}));
}

TEST(TextFile, ReplaceExtension)
{
    EXPECT_EQ(ReplaceExtension(QStringLiteral("/opt/mirevo/mirevo"), QStringLiteral(".INI")),
              QStringLiteral("/opt/mirevo/mirevo.INI"));
    EXPECT_EQ(ReplaceExtension(QStringLiteral("c:/prog/mirevo.exe"), QStringLiteral(".xus")),
              QStringLiteral("c:/prog/mirevo.xus"));
    EXPECT_EQ(ReplaceExtension(QStringLiteral("/opt/v1.2/mirevo"), QStringLiteral(".INI")),
              QStringLiteral("/opt/v1.2/mirevo.INI"));
    EXPECT_EQ(ReplaceExtension(QStringLiteral("a.b.c"), QString()), QStringLiteral("a.b"));
}

class TextFileOnDisk : public SettingsFixture
{
};

TEST_F(TextFileOnDisk, WritesUtf8AndReplacesTheFileWhole)
{
    const QString file = path(QStringLiteral("sub/dir/out.txt"));
    QString error;
    ASSERT_TRUE(WriteTextFileSafely(file, QStringLiteral("Größe\n"), &error)) << error.toStdString();
    EXPECT_EQ(readBytes(file), QByteArray("Gr\xc3\xb6\xc3\x9f" "e\n"));
    ASSERT_TRUE(WriteTextFileSafely(file, QStringLiteral("x"), &error));
    EXPECT_EQ(readBytes(file), QByteArray("x"));
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(path(QStringLiteral("sub/dir"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("out.txt")});
    EXPECT_EQ(ReadTextFile(file), QStringLiteral("x"));
}

TEST_F(TextFileOnDisk, ReportsWhatCannotBeReadOrWritten)
{
    EXPECT_THROW(ReadTextFile(path(QStringLiteral("missing.txt"))), ETextFileError);
    QString error;
    // /proc takes no new files, not even from root.
    EXPECT_FALSE(WriteTextFileSafely(QStringLiteral("/proc/mirevo-test.txt"), QStringLiteral("x"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/proc/mirevo-test.txt"))) << error.toStdString();
}

TEST_F(TextFileOnDisk, SettingsFileLiesBesideTheProgramWhenItsFolderIsWritable)
{
    EXPECT_EQ(ProgramPaths().programName(), QStringLiteral("mirevo"));
    EXPECT_EQ(ProgramPaths().settingsFileName(), path(QStringLiteral("mirevo.INI")));
    EXPECT_TRUE(ProgramPaths().settingsSeedFileName().isEmpty());
}

TEST_F(TextFileOnDisk, SettingsFileMovesToTheUsersConfigFolderWhenTheProgramFolderIsReadOnly)
{
    ProgramPaths().setProgramFile(QStringLiteral("/proc/mirevo"));
    EXPECT_FALSE(IsFolderWritable(QStringLiteral("/proc")));
    EXPECT_EQ(ProgramPaths().settingsFileName(), path(QStringLiteral("config/mirevo/mirevo.INI")));
    EXPECT_EQ(ProgramPaths().registryFolder(), path(QStringLiteral("config/mirevo/registry")));

    ProgramPaths().setProgramFile(path(QStringLiteral("no such folder/mirevo")));
    EXPECT_EQ(ProgramPaths().settingsFileName(), path(QStringLiteral("config/mirevo/mirevo.INI")));

    ProgramPaths().setSettingsFileName(path(QStringLiteral("fixed.ini")));
    EXPECT_EQ(ProgramPaths().settingsFileName(), path(QStringLiteral("fixed.ini")));
    EXPECT_TRUE(ProgramPaths().settingsSeedFileName().isEmpty());
}
