#include "base/stringlist.h"
#include "frame/inivalues.h"
#include "frame/textfile.h"
#include "frame/trvinifile.h"

#include "settingsfixture.h"

#include <QDir>

#include <limits>

TEST(IniValues, IntegerForms)
{
    struct Case {
        const char *text;
        std::optional<qint32> value;
    };
    const Case cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+7", 7},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"$FFFFFFFF", -1},
        {"$80000000", std::numeric_limits<qint32>::min()},
        {"2147483647", std::numeric_limits<qint32>::max()},
        {"-2147483648", std::numeric_limits<qint32>::min()},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"$1G", std::nullopt},
        {"yes", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseIniInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(IniValues, DateTimeForms)
{
    EXPECT_EQ(FormatIniDateTime(QDateTime(QDate(2006, 3, 4), QTime(5, 6, 7))), QStringLiteral("20060304050607"));
    struct Case {
        const char *text;
        QDateTime value; // invalid: no value
    };
    const Case cases[] = {
        {"20060304050607", QDateTime(QDate(2006, 3, 4), QTime(5, 6, 7))},
        {"20060304", QDateTime(QDate(2006, 3, 4), QTime(0, 0))},       // a date alone: midnight
        {"20060304256000", QDateTime(QDate(2006, 3, 4), QTime(0, 0))}, // hour 25 is no time
        {"200603041230xx", QDateTime(QDate(2006, 3, 4), QTime(0, 0))},
        {"20060230120000", QDateTime()}, // 30 February
        {"abcdefgh", QDateTime()},
        {"2006", QDateTime()},
        {"", QDateTime()},
        {"18991230000000", QDateTime()}, // the date-time zero
        {"18991230000001", QDateTime(QDate(1899, 12, 30), QTime(0, 0, 1))},
    };
    for (const Case &c : cases) {
        const auto parsed = ParseIniDateTime(QString::fromLatin1(c.text));
        EXPECT_EQ(parsed.has_value(), c.value.isValid()) << c.text;
        if (parsed && c.value.isValid())
            EXPECT_EQ(*parsed, c.value) << c.text;
    }
}

class IniFileTest : public SettingsFixture
{
protected:
    QString iniPath() const { return path(QStringLiteral("test.ini")); }
};

TEST_F(IniFileTest, ValuesRoundTripThroughTheFile)
{
    {
        TTrvIniFile ini(iniPath());
        EXPECT_TRUE(ini.WriteString(QStringLiteral("Printer"), QStringLiteral("PdfFile"), QStringLiteral("/tmp/ä.pdf")));
        EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Printer"), QStringLiteral("PreviewProzent"), -75));
        EXPECT_TRUE(ini.WriteBool(QStringLiteral("Special"), QStringLiteral("BBeta"), true));
        EXPECT_TRUE(ini.WriteDateTime(QStringLiteral("Special"), QStringLiteral("When"),
                                      QDateTime(QDate(2006, 1, 2), QTime(3, 4, 5))));
    }
    // Every write is on disk at once.
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[Printer]\nPdfFile=/tmp/\xc3\xa4.pdf\nPreviewProzent=-75\n"
                                               "[Special]\nBBeta=1\nWhen=20060102030405\n"));

    TTrvIniFile ini(iniPath());
    EXPECT_EQ(ini.ReadString(QStringLiteral("PRINTER"), QStringLiteral("pdffile"), QString()), QStringLiteral("/tmp/ä.pdf"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("printer"), QStringLiteral("PreviewProzent"), 0), -75);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("special"), QStringLiteral("bbeta"), false));
    EXPECT_EQ(ini.ReadDateTime(QStringLiteral("Special"), QStringLiteral("When"), QDateTime()),
              QDateTime(QDate(2006, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Printer"), QStringLiteral("Missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Missing"), QStringLiteral("x"), 42), 42);
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Printer", "Special"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("printer")), (QStringList{"PdfFile", "PreviewProzent"}));
    EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("Special")), (QStringList{"BBeta=1", "When=20060102030405"}));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("special")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("special"), QStringLiteral("WHEN")));

    EXPECT_TRUE(ini.DeleteKey(QStringLiteral("special"), QStringLiteral("when")));
    EXPECT_TRUE(ini.EraseSection(QStringLiteral("PRINTER")));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[Special]\nBBeta=1\n"));
}

TEST_F(IniFileTest, BooleansAndIntegersReadByTheirRules)
{
    writeBytes(iniPath(), "[S]\nTwo=2\nZero=0\nHex=$10\nWord=yes\nEmpty=\n");
    TTrvIniFile ini(iniPath());
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("Two"), false));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("Zero"), true));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("Word"), true));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("Word"), false));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("Hex"), 0), 16);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("Empty"), 9), 9);
    // A key that is there with an empty value is not missing.
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Empty"), QStringLiteral("d")), QString());
}

TEST_F(IniFileTest, MultiLineValuesLeaveNoStaleLines)
{
    TTrvIniFile ini(iniPath());
    const QString section = QStringLiteral("Notes");
    ASSERT_TRUE(ini.WriteMultiLine(section, QStringLiteral("Memo"), QStringLiteral("one\r\ntwo\nthree")));
    EXPECT_EQ(ini.ReadSectionValues(section),
              (QStringList{"MemoXX=3", "Memo000=one", "Memo001=two", "Memo002=three"}));
    EXPECT_EQ(ini.ReadMultiLine(section, QStringLiteral("memo"), QString()), QStringLiteral("one\r\ntwo\r\nthree"));

    ASSERT_TRUE(ini.WriteMultiLine(section, QStringLiteral("Memo"), QStringLiteral("only\r\n\r\n\n")));
    EXPECT_EQ(ini.ReadSectionValues(section), (QStringList{"MemoXX=1", "Memo000=only"}));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[Notes]\nMemoXX=1\nMemo000=only\n"));

    // Empty lines inside the text stay; an empty text stores only the count.
    ASSERT_TRUE(ini.WriteMultiLine(section, QStringLiteral("Memo"), QStringLiteral("a\n\nb\n")));
    EXPECT_EQ(ini.ReadMultiLine(section, QStringLiteral("Memo"), QString()), QStringLiteral("a\r\n\r\nb"));
    ASSERT_TRUE(ini.WriteMultiLine(section, QStringLiteral("Memo"), QString()));
    EXPECT_EQ(ini.ReadSectionValues(section), (QStringList{"MemoXX=0"}));
    EXPECT_EQ(ini.ReadMultiLine(section, QStringLiteral("Memo"), QStringLiteral("dflt")), QString());
    EXPECT_EQ(ini.ReadMultiLine(section, QStringLiteral("Other"), QStringLiteral("dflt")), QStringLiteral("dflt"));
}

TEST_F(IniFileTest, MultiLineReadOfDamagedEntries)
{
    writeBytes(iniPath(), "[N]\nMXX=4\nM000=a\nM002=c\nM003=d\nBigXX=2000000000\nBig000=x\nBig002=z\n");
    TTrvIniFile ini(iniPath());
    // A missing line reads as empty.
    EXPECT_EQ(ini.ReadMultiLine(QStringLiteral("N"), QStringLiteral("M"), QString()), QStringLiteral("a\r\n\r\nc\r\nd"));
    // A count far beyond the stored lines ends at the last line that is there.
    EXPECT_EQ(ini.ReadMultiLine(QStringLiteral("N"), QStringLiteral("Big"), QString()), QStringLiteral("x\r\n\r\nz"));
}

TEST_F(IniFileTest, ForeignContentSurvivesWrites)
{
    const QByteArray original = "; written by hand\r\n"
                                "[Quelvar]\r\n"
                                "ProjectName=Club\r\n"
                                "; keep me\r\n"
                                "\r\n"
                                "[UserAliases]\r\n"
                                "jdoe = John\r\n"
                                "garbage line without equals\r\n"
                                "[Windows]\r\n"
                                "TFMain=1,2,3,4,0\r\n";
    writeBytes(iniPath(), original);
    TTrvIniFile ini(iniPath());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("windows"), QStringLiteral("tfmain"), QStringLiteral("5,6,7,8,0")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Quelvar"), QStringLiteral("New"), QStringLiteral("v")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Printer"), QStringLiteral("Current"), QStringLiteral("PDF")));
    // Line ends, comments, blank lines and unknown lines stay where they were.
    EXPECT_EQ(readBytes(iniPath()), QByteArray("; written by hand\r\n"
                                               "[Quelvar]\r\n"
                                               "ProjectName=Club\r\n"
                                               "; keep me\r\n"
                                               "New=v\r\n"
                                               "\r\n"
                                               "[UserAliases]\r\n"
                                               "jdoe = John\r\n"
                                               "garbage line without equals\r\n"
                                               "[Windows]\r\n"
                                               "TFMain=5,6,7,8,0\r\n"
                                               "[Printer]\r\n"
                                               "Current=PDF\r\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("UserAliases"), QStringLiteral("JDOE"), QString()), QStringLiteral("John"));
}

TEST_F(IniFileTest, WrongKeysAreKeptSpelledAsTheyWere)
{
    writeBytes(iniPath(), "[Windows]\nTFMain=1\n");
    TTrvIniFile ini(iniPath());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("WINDOWS"), QStringLiteral("tfmain"), QStringLiteral("2")));
    // The key keeps the spelling of the file; only the value changes.
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[Windows]\nTFMain=2\n"));
}

TEST_F(IniFileTest, OlderWindowsFilesReadAndAreWrittenBackAsUtf8)
{
    writeBytes(iniPath(), "[Printer]\r\nCurrent=Dr\xfc" "cker B\xfc" "ro\r\n");
    TTrvIniFile ini(iniPath());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Printer"), QStringLiteral("Current"), QString()), QStringLiteral("Drücker Büro"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Printer"), QStringLiteral("PdfFile"), QStringLiteral("x")));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[Printer]\r\nCurrent=Dr\xc3\xbc" "cker B\xc3\xbc" "ro\r\nPdfFile=x\r\n"));
}

TEST_F(IniFileTest, ChangesMadeOnDiskAreSeen)
{
    TTrvIniFile ini(iniPath());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1")));
    writeBytes(iniPath(), "[A]\nk=edited by hand\nother=2\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("k"), QString()), QStringLiteral("edited by hand"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("A"), QStringLiteral("third"), QStringLiteral("3")));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[A]\nk=edited by hand\nother=2\nthird=3\n"));
    QFile::remove(iniPath());
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("gone")), QStringLiteral("gone"));
}

TEST_F(IniFileTest, TwoObjectsOnOneFileSeeEachOthersWrites)
{
    // The settings file may also be opened as the project configuration; both views stay the same.
    TTrvIniFile first(iniPath());
    TTrvIniFile second(iniPath());
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(first.WriteInteger(QStringLiteral("A"), QStringLiteral("k"), i % 10));
        EXPECT_EQ(second.ReadInteger(QStringLiteral("A"), QStringLiteral("k"), -1), i % 10);
        ASSERT_TRUE(second.WriteInteger(QStringLiteral("B"), QStringLiteral("k"), i % 10));
        EXPECT_EQ(first.ReadInteger(QStringLiteral("B"), QStringLiteral("k"), -1), i % 10);
    }
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[A]\nk=9\n[B]\nk=9\n"));
}

TEST_F(IniFileTest, BadFilesLoadWithoutLosingWhatIsOnDisk)
{
    const QByteArray longLine(200000, 'x');
    const QByteArray cases[] = {
        QByteArray("no sections at all\nkey=value\n"),
        QByteArray("[Trunc"),
        QByteArray("[A]\nk=v\n[B]\nhalf=\xc3"),
        QByteArray("[A]\nk=v\0w\n\0\0\0[B]\n", 17),
        QByteArray("[A]\nk=") + longLine + "\n",
        QByteArray("\xff\xfe\x00"),
        QByteArray(),
    };
    for (const QByteArray &bytes : cases) {
        writeBytes(iniPath(), bytes);
        const QString before = DecodeText(bytes);
        TTrvIniFile ini(iniPath());
        (void)ini.ReadSections();
        (void)ini.ReadMultiLine(QStringLiteral("A"), QStringLiteral("k"), QString());
        ASSERT_TRUE(ini.WriteString(QStringLiteral("Mirevo"), QStringLiteral("Added"), QStringLiteral("1")));
        const QString after = DecodeText(readBytes(iniPath()));
        // Everything that was there is still there, line for line, followed by the new section.
        EXPECT_TRUE(after.endsWith(QStringLiteral("[Mirevo]\nAdded=1\n"))) << bytes.left(40).toHex().constData();
        const QStringList oldLines = BSSplitLines(before);
        const QStringList newLines = BSSplitLines(after);
        ASSERT_GE(newLines.size(), oldLines.size());
        for (qsizetype i = 0; i < oldLines.size(); ++i)
            EXPECT_EQ(newLines.at(i), oldLines.at(i)) << "line " << i;
    }
}

TEST_F(IniFileTest, AFailedWriteKeepsTheValueAndSaysWhy)
{
    TTrvIniFile ini(QStringLiteral("/proc/mirevo-test/mirevo.INI"));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.LastError().isEmpty());
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("k"), QString()), QStringLiteral("v"));
}

TEST_F(IniFileTest, SeedFileSuppliesTheFirstContents)
{
    const QString seed = path(QStringLiteral("shipped.INI"));
    writeBytes(seed, "[Config]\nlbxLanguage=3\n");
    const QString own = path(QStringLiteral("config/mirevo/mirevo.INI"));
    TTrvIniFile ini(own, seed);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Config"), QStringLiteral("lbxLanguage"), -1), 3);
    EXPECT_FALSE(QFile::exists(own));
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("Config"), QStringLiteral("lbxPrnLanguage"), 1));
    EXPECT_EQ(readBytes(own), QByteArray("[Config]\nlbxLanguage=3\nlbxPrnLanguage=1\n"));
    EXPECT_EQ(readBytes(seed), QByteArray("[Config]\nlbxLanguage=3\n"));
}

TEST_F(IniFileTest, MemoryVariantNeverTouchesTheFile)
{
    writeBytes(iniPath(), "[A]\nk=1\n");
    TTrvMemIniFile mem(iniPath());
    EXPECT_EQ(mem.ReadInteger(QStringLiteral("A"), QStringLiteral("k"), 0), 1);
    ASSERT_TRUE(mem.WriteMultiLine(QStringLiteral("A"), QStringLiteral("m"), QStringLiteral("x\ny")));
    EXPECT_EQ(mem.ReadMultiLine(QStringLiteral("A"), QStringLiteral("m"), QString()), QStringLiteral("x\r\ny"));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[A]\nk=1\n"));
    ASSERT_TRUE(mem.UpdateFile());
    EXPECT_EQ(readBytes(iniPath()), QByteArray("[A]\nk=1\nmXX=2\nm000=x\nm001=y\n"));

    TTrvMemIniFile empty;
    empty.SetStrings({QStringLiteral("[S]"), QStringLiteral("a=b")});
    EXPECT_EQ(empty.ReadString(QStringLiteral("s"), QStringLiteral("A"), QString()), QStringLiteral("b"));
}

TEST_F(IniFileTest, SettingsFileIsTheProgramsIniFile)
{
    TTrvIniFile &settings = SettingsFile();
    EXPECT_EQ(settings.FileName(), path(QStringLiteral("mirevo.INI")));
    EXPECT_EQ(&settings, &SettingsFile());
    ASSERT_TRUE(settings.WriteInteger(QStringLiteral("Config"), QStringLiteral("lbxLanguage"), 3));
    EXPECT_EQ(readBytes(path(QStringLiteral("mirevo.INI"))), QByteArray("[Config]\nlbxLanguage=3\n"));
}
