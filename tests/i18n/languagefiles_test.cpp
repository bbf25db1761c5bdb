#include "i18nfixture.h"

#include <QDir>

TEST(LanguageCodes, TableAndFileNames)
{
    EXPECT_EQ(LanguageCodeOf(0), QStringLiteral("ch"));
    EXPECT_EQ(LanguageCodeOf(3), QStringLiteral("us"));
    EXPECT_EQ(LanguageCodeOf(23), QStringLiteral("uk"));
    EXPECT_EQ(LanguageCodeOf(24), QStringLiteral("ua"));
    EXPECT_EQ(LanguageCodeOf(25), QStringLiteral("xx"));
    EXPECT_EQ(LanguageCodeOf(26), QString());
    EXPECT_EQ(LanguageNameOf(15), QStringLiteral("Austrian German"));

    ProgramPaths().setProgramFile(QStringLiteral("/opt/mirevo/mirevo"));
    EXPECT_EQ(LanguageFileName(3), QStringLiteral("/opt/mirevo/mirevo.xus"));
    EXPECT_EQ(HelpFileNameOf(3), QStringLiteral("/opt/mirevo/mirevo-xus.hlp"));
    ProgramPaths().setProgramFile(QStringLiteral("/opt/mirevo/mirevo.exe"));
    EXPECT_EQ(LanguageFileName(1), QStringLiteral("/opt/mirevo/mirevo.xde"));
    EXPECT_EQ(HelpFileNameOf(0), QStringLiteral("/opt/mirevo/mirevo-xch.hlp"));
    ProgramPaths().reset();
}

TEST(LanguageCodes, UsersLanguageChoosesTheIndex)
{
    struct Case {
        QLocale::Language language;
        QLocale::Territory territory;
        int index; // -1: not in the table
    };
    const Case cases[] = {
        {QLocale::German, QLocale::Switzerland, 0},
        {QLocale::German, QLocale::Germany, 1},
        {QLocale::German, QLocale::Austria, 15},
        {QLocale::German, QLocale::Liechtenstein, 1},
        {QLocale::French, QLocale::France, 2},
        {QLocale::French, QLocale::Switzerland, 2},
        {QLocale::French, QLocale::Canada, 16},
        {QLocale::English, QLocale::UnitedStates, 3},
        {QLocale::English, QLocale::Canada, 3},
        {QLocale::English, QLocale::UnitedKingdom, 23},
        {QLocale::Italian, QLocale::Italy, 4},
        {QLocale::Dutch, QLocale::Belgium, 5},
        {QLocale::Spanish, QLocale::Spain, 6},
        {QLocale::Spanish, QLocale::Mexico, 22},
        {QLocale::Russian, QLocale::Russia, 7},
        {QLocale::Danish, QLocale::Denmark, 8},
        {QLocale::Polish, QLocale::Poland, 9},
        {QLocale::Portuguese, QLocale::Brazil, 10},
        {QLocale::Finnish, QLocale::Finland, 11},
        {QLocale::Icelandic, QLocale::Iceland, 12},
        {QLocale::Swedish, QLocale::Sweden, 13},
        {QLocale::NorwegianBokmal, QLocale::Norway, 14},
        {QLocale::NorwegianNynorsk, QLocale::Norway, 14},
        {QLocale::Hungarian, QLocale::Hungary, 17},
        {QLocale::Czech, QLocale::CzechRepublic, 18},
        {QLocale::Slovenian, QLocale::Slovenia, 19},
        {QLocale::Croatian, QLocale::Croatia, 20},
        {QLocale::Serbian, QLocale::Serbia, 20},
        {QLocale::Turkish, QLocale::Turkey, 21},
        {QLocale::Ukrainian, QLocale::Ukraine, -1},
        {QLocale::Japanese, QLocale::Japan, -1},
        {QLocale::C, QLocale::AnyTerritory, -1},
    };
    for (const Case &c : cases) {
        const auto index = LanguageIndexForLocale(QLocale(c.language, c.territory));
        EXPECT_EQ(index ? int(*index) : -1, c.index) << QLocale(c.language, c.territory).name().toStdString();
    }
}

class LanguageFiles : public I18nFixture
{
};

TEST_F(LanguageFiles, LoadingALanguageFileReplacesTheTexts)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings({QStringLiteral("[G]"), QStringLiteral("1=English")});
    writeLanguageFile(QStringLiteral("de"), QStringLiteral("Deutsch"));
    EXPECT_FALSE(catalogue.LoadLanguage(2, true)); // no French file: nothing changes
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1), QStringLiteral("English"));
    EXPECT_EQ(catalogue.CurrentLanguage(), 0);

    ASSERT_TRUE(catalogue.LoadLanguage(1, false));
    EXPECT_EQ(catalogue.CurrentLanguage(), 1);
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 2), QStringLiteral("Page de"));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("S"), 1, 2), QStringLiteral("Deutsch women"));
}

TEST_F(LanguageFiles, OlderWindowsLanguageFilesRead)
{
    writeFile(QStringLiteral("mirevo.xde"), "[G]\r\n1=Gr\xf6\xdf" "e\r\n");
    TLanguage catalogue;
    ASSERT_TRUE(catalogue.LoadLanguage(1, false));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1), QStringLiteral("Größe"));
}

TEST_F(LanguageFiles, AutomaticLanguageTakesTheFirstLanguageFileOfTheFolder)
{
    TLanguage catalogue;
    EXPECT_FALSE(catalogue.LoadLanguage(LanguageAutomatic, false));
    writeLanguageFile(QStringLiteral("it"), QStringLiteral("Italiano"));
    writeLanguageFile(QStringLiteral("FR"), QStringLiteral("Français"));
    ASSERT_TRUE(catalogue.LoadLanguage(LanguageAutomatic, false));
    EXPECT_EQ(catalogue.CurrentLanguage(), 2); // mirevo.xFR comes first, extension compared without case
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1), QStringLiteral("Français"));

    // When the first entry names no language, nothing is loaded.
    writeFile(QStringLiteral("a.xml"), "<x/>");
    TLanguage other;
    EXPECT_FALSE(other.LoadLanguage(LanguageAutomatic, false));
    EXPECT_TRUE(other.Lines().isEmpty());
}

TEST_F(LanguageFiles, BadLanguageFilesLoadWithoutCrash)
{
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("no sections\n1=x\n"),
        QByteArray("[G"),
        QByteArray("[G]\n1=a\0b\n\0\0[", 12),
        QByteArray("[\n[]\n[G]\n") + QByteArray(100000, '_'),
        QByteArray("\xff\xfe\xff"),
    };
    for (const QByteArray &bytes : cases) {
        writeFile(QStringLiteral("mirevo.xde"), bytes);
        TLanguage catalogue;
        ASSERT_TRUE(catalogue.LoadLanguage(1, true));
        for (int n = -1; n < 5; ++n)
            for (int item = -1; item < 3; ++item)
                (void)catalogue.GetText(QStringLiteral("G"), n, item);
        int start = 0;
        int count = 0;
        (void)catalogue.FindSection(QString(), &start, &count);
        EXPECT_LE(start + count, catalogue.Lines().size());
    }
}

TEST_F(LanguageFiles, AFolderInPlaceOfTheFileLoadsNothing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("mirevo.xde")));
    TLanguage catalogue;
    EXPECT_FALSE(catalogue.LoadLanguage(1, false));
}

TEST_F(LanguageFiles, LanguageComesFromTheSettingsFile)
{
    writeLanguageFile(QStringLiteral("de"), QStringLiteral("Deutsch"));
    writeLanguageFile(QStringLiteral("fr"), QStringLiteral("Français"));
    writeFile(QStringLiteral("mirevo-xfr.hlp"), "help");
    writeFile(QStringLiteral("mirevo.INI"), "[Config]\nlbxLanguage=1\nlbxPrnLanguage=2\nlbxHlpLanguage=2\n");
    TLanguage &language = Language();
    EXPECT_EQ(&language, &Language());
    EXPECT_EQ(language.CurrentLanguage(), 1);
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    EXPECT_EQ(language.PrintLanguage(), 2);
    EXPECT_EQ(language.HelpLanguage(), 2);
    EXPECT_EQ(ApplicationHelpFile(), path(QStringLiteral("mirevo-xfr.hlp")));
    EXPECT_EQ(language.SavedLanguage(), LanguageAutomatic);
}

TEST_F(LanguageFiles, WithoutSettingsTheUsersLanguageChooses)
{
    writeLanguageFile(QStringLiteral("at"), QStringLiteral("Österreichisch"));
    SetUserLanguageLocale(QLocale(QLocale::German, QLocale::Austria));
    TLanguage &language = Language();
    EXPECT_EQ(language.CurrentLanguage(), 15);
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Österreichisch"));
    EXPECT_EQ(language.PrintLanguage(), 15);
    // No help file of that language: the help language falls back to the default, whose file is missing too.
    EXPECT_EQ(language.HelpLanguage(), DefaultLanguage);
    EXPECT_EQ(ApplicationHelpFile(), QString());
}

TEST_F(LanguageFiles, StartingWithoutAnyLanguageFile)
{
    writeFile(QStringLiteral("mirevo.INI"), "[Config]\nlbxLanguage=-1\nlbxPrnLanguage=77\n");
    SetUserLanguageLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    writeFile(QStringLiteral("mirevo-xch.hlp"), "help");
    TLanguage &language = Language();
    EXPECT_EQ(language.CurrentLanguage(), 0);
    EXPECT_TRUE(language.Lines().isEmpty());
    EXPECT_EQ(language.PrintLanguage(), 0); // 77 is no language: the interface language
    EXPECT_EQ(ApplicationHelpFile(), path(QStringLiteral("mirevo-xch.hlp")));
    language.LoadFromStrings({QStringLiteral("[G]"), QStringLiteral("1=built in")});
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("built in"));
}

TEST_F(LanguageFiles, PrintLanguageRoundTripWithLanguageFiles)
{
    writeLanguageFile(QStringLiteral("de"), QStringLiteral("Deutsch"));
    writeLanguageFile(QStringLiteral("fr"), QStringLiteral("Français"));
    writeFile(QStringLiteral("mirevo.INI"), "[Config]\nlbxLanguage=1\nlbxPrnLanguage=2\n");
    TLanguage &language = Language();
    ASSERT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    language.UsePrintLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Français"));
    EXPECT_EQ(language.CurrentLanguage(), 2);
    EXPECT_EQ(language.SavedLanguage(), 1);
    language.UseInterfaceLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    EXPECT_EQ(language.CurrentLanguage(), 1);
    EXPECT_EQ(language.SavedLanguage(), LanguageAutomatic);
    // A second restore changes nothing.
    language.UseInterfaceLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
}

TEST_F(LanguageFiles, PrintLanguageRoundTripFromTheBuiltInTexts)
{
    // The interface runs on the built-in texts (no file for its language); the print language has a file.
    writeLanguageFile(QStringLiteral("fr"), QStringLiteral("Français"));
    writeFile(QStringLiteral("mirevo.INI"), "[Config]\nlbxLanguage=3\nlbxPrnLanguage=2\n");
    TLanguage &language = Language();
    language.LoadFromStrings({QStringLiteral("[G]"), QStringLiteral("1=English"),
                              QStringLiteral("2=Page_")});
    language.UsePrintLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Français"));
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 2), QStringLiteral("Page fr"));
    language.UseInterfaceLanguage();
    // The interface gets its own texts back rather than staying in the print language. No file has been
    // loaded for the interface, so its language number is still 0.
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("English"));
    EXPECT_EQ(language.CurrentLanguage(), 0);
}

TEST_F(LanguageFiles, PrintLanguageWithoutFileChangesNothing)
{
    writeLanguageFile(QStringLiteral("de"), QStringLiteral("Deutsch"));
    writeFile(QStringLiteral("mirevo.INI"), "[Config]\nlbxLanguage=1\nlbxPrnLanguage=9\n");
    TLanguage &language = Language();
    language.UsePrintLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    language.UseInterfaceLanguage();
    EXPECT_EQ(language.GetText(QStringLiteral("G"), 1), QStringLiteral("Deutsch"));
    EXPECT_EQ(language.CurrentLanguage(), 1);
}
