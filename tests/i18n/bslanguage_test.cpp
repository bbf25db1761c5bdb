#include "base/assertion.h"
#include "domain/agerange.h"
#include "i18n/bsformat.h"
#include "i18n/bslanguage.h"
#include "i18n/bslanguageen.h"
#include "i18n/bsswlanguage.h"
#include "i18n/languagecodes.h"
#include "i18n/localenames.h"

#include <gtest/gtest.h>

namespace {

// A catalogue whose text a test sets.
class TTestLanguage : public TBSLanguage
{
public:
    static QStringList &data()
    {
        static QStringList lines;
        return lines;
    }
    quint32 AvailableLanguages() const override { return 2; }
    QStringList ReadData() const override { return data(); }
};

// Every test starts without a catalogue, with English as the user's language, and leaves the English
// class registered as the program does.
class KeyedCatalogue : public ::testing::Test
{
protected:
    void SetUp() override { reset(); }
    void TearDown() override
    {
        reset();
        FreeBSLanguage(true);
        RegisterLanguageClass<TBSLanguageEN>();
    }
    static void reset()
    {
        FreeSwimLanguage();
        FreeBSLanguage();
        SetActiveLanguageReader({});
        SetUserLanguageLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        ResetLocaleNames();
    }
    static void useTestLanguage(const QStringList &lines)
    {
        FreeSwimLanguage();
        FreeBSLanguage(true);
        TTestLanguage::data() = lines;
        RegisterLanguageClass<TTestLanguage>();
    }
};

} // namespace

TEST_F(KeyedCatalogue, LooksUpKeysOfTheEnglishData)
{
    ASSERT_TRUE(BSLanguageENRegistered());
    TBSLanguage &bs = BSLanguageInstance();
    EXPECT_EQ(&bs, &BSLanguageInstance());
    EXPECT_EQ(bs.AvailableLanguages(), 16u);
    EXPECT_EQ(BSText(QStringLiteral("#BS.Cancel")), QStringLiteral("Cancel"));
    EXPECT_EQ(BSText(QStringLiteral("#bs.cancel")), QStringLiteral("Cancel"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.NoSuchKey")), QStringLiteral("#BS.NoSuchKey"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.NoSuchKey"), 2), QStringLiteral("#BS.NoSuchKey"));
    EXPECT_EQ(BSText(QStringLiteral("#Nowhere.Cancel")), QStringLiteral("#Nowhere.Cancel"));
    EXPECT_EQ(BSText(QStringLiteral("#BS")), QStringLiteral("#BS"));
    EXPECT_EQ(BSText(QStringLiteral("first\\nsecond")), QStringLiteral("first\nsecond"));
    EXPECT_EQ(BSText(QStringLiteral("first\\Nsecond")), QStringLiteral("first\nsecond"));
    EXPECT_EQ(BSText(QStringLiteral("first_second")), QStringLiteral("first second"));
    EXPECT_EQ(BSText(QStringLiteral("#BSSwLanguage.GenderCodes"), 0), QString());
    EXPECT_EQ(BSText(QStringLiteral("#BSSwLanguage.GenderCodes"), 1), QStringLiteral("M"));
    EXPECT_EQ(BSText(QStringLiteral("#BSSwLanguage.GenderCodes"), 4), QString());
    EXPECT_EQ(BSText(QStringLiteral("#BSSwLanguage.CourseNames"), -1),
              QStringLiteral("All;Long Course (50m);Short Course (25m)"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.FromDate")), QStringLiteral("from"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.ReTime")), QStringLiteral("Remainder time:"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.ReTimeNot")), QStringLiteral("Remainder time: -"));
    EXPECT_EQ(BSText(QStringLiteral("#BS.AskCancelAction")), QStringLiteral("Cancel action?"));
    EXPECT_EQ(bs.FormatText(QStringLiteral("#BS.FileNotFound"), {QStringLiteral("a.txt")}),
              QStringLiteral("a.txt\nFile not found!"));
    EXPECT_EQ(bs.FormatText(QStringLiteral("#BS.FileExistsOverwrite"), {QStringLiteral("b")}),
              QStringLiteral("b\nFile exists! Overwrite?"));
}

TEST_F(KeyedCatalogue, EnglishVocabularySectionInFull)
{
    const BSRef<IBSStringMap> section = BSLanguageInstance().DataSection(QStringLiteral("bsswlanguage"));
    EXPECT_EQ(section->GetText(),
              QStringLiteral("Agegroups=Open;%d years;%d years and younger;%d years and older\n"
                             "AllPools=All pools\n"
                             "AllRounds=All rounds\n"
                             "GenderCodes=;M;F;X\n"
                             "GenderNames=All;Men;Women;Mixed\n"
                             "CourseNames=All;Long Course (50m);Short Course (25m)\n"
                             "Pool=%s Pool\n"
                             "RoundNames=;Timed Final;Prelim;Swim Off Prelim;Quad Final;Swim Off Quad Final;"
                             "Semifinal;Swim Off Semifinal;Fastest Heat;Final\n"
                             "StrokeCodes=;Fr;Bk;Br;Bu;Me\n"
                             "StrokeNames=;Freestyle;Backstroke;Breaststroke;Fly;Medley\n"
                             "TimingModes=;Automatic;Manual 3 clocks;Manual 1 clock\n"));
}

TEST_F(KeyedCatalogue, SectionsOfTheEnglishData)
{
    TBSLanguage &bs = BSLanguageInstance();
    EXPECT_EQ(bs.SectionNames(),
              (QStringList{"DATA.BS", "DATA.BSDBKATALOGDLGIMP", "DATA.BSMAP", "DATA.BSQUERY", "DATA.BSADRESSEDLG",
                           "DATA.BSSWLANGUAGE", "FORM.TBSFGISPROPERTYEDITOR", "FORM.TBSLOGFORM",
                           "FORM.TFBSLAYERTOPICEDITOR", "FORM.TFRBSGISLVPROPERTYEDITOR", "FORM.TBSFLOGINDLG"}));
    const QStringList keys = {"AskCancelAction", "BackupTable", "Cancel", "CharSelect", "ClearTable", "Close",
                              "CloseProgram", "Compress", "CountRestoreDaten", "CountWriteData", "DatabaseChoice",
                              "Decompress", "Default", "FileAll", "FileCannotCreate", "FileDOC", "FileEXE",
                              "FileExistsOverwrite", "FileFDB", "FileFilterNames", "FileGeneric", "FileMDB",
                              "FileNotFound", "Files", "FileXLS", "FileZIP", "FromDate", "HelpNotFound",
                              "ImportPLZ", "Layer", "LongDayNames", "LongMonthNames", "MapNewTopic",
                              "MapTopicInfoConfig", "NewRenderer", "NotifyCancelAction", "NoSelectedElement",
                              "ReadedShapes", "RenumTable", "Restore", "RestoreTable", "ReTime", "ReTimeNot",
                              "SaveAction", "SaveAs", "SaveImageList", "SaveScreenShot", "SaveToolBar",
                              "SelectAll", "SelectedElement", "SendData", "ShortDayNames", "ShortMonthNames",
                              "TestPrimaryKey", "ToDate", "Today", "TreeNoMatchFound", "UnknownImageFormat",
                              "UnselectAll", "ZipCompress", "ZipExtract"};
    const BSRef<IBSStringMap> section = bs.DataSection(QStringLiteral("BS"));
    EXPECT_EQ(section->Count(), keys.size());
    for (const QString &key : keys)
        EXPECT_FALSE(section->ValueOf(key).isEmpty()) << key.toStdString();
    EXPECT_EQ(bs.DataSection(QStringLiteral("Missing"))->Count(), 0);
    EXPECT_EQ(bs.FormSection(QStringLiteral("TBSLogForm"))->Items(), (QStringList{"Log", ".@BClose", "Close"}));
    EXPECT_EQ(bs.FormSection(QStringLiteral("TFrBSGisLVPropertyEditor"))->Item(0), QString());
    EXPECT_EQ(bs.FormSection(QStringLiteral("BS"))->Count(), 0); // a data section is no form section
}

TEST_F(KeyedCatalogue, LoadingSetsMonthDayAndFileTypeNames)
{
    SetLocaleNames(TLocaleNames{});
    TBSLanguage &bs = BSLanguageInstance();
    EXPECT_EQ(LocaleNames().LongMonthNames[0], QStringLiteral("January"));
    EXPECT_EQ(LocaleNames().ShortMonthNames[11], QStringLiteral("Dec"));
    EXPECT_EQ(LocaleNames().LongDayNames[0], QStringLiteral("Sunday"));
    EXPECT_EQ(LocaleNames().ShortDayNames[6], QStringLiteral("Sat"));
    EXPECT_EQ(bs.FileAllDescription(), QStringLiteral("All files"));
    EXPECT_EQ(bs.FileTypeDescription(QStringLiteral(".doc")), QStringLiteral("Word documents"));
    EXPECT_EQ(bs.FileTypeDescription(QStringLiteral(".ZIP")), QStringLiteral("Archive files"));
    EXPECT_EQ(bs.FileTypeDescription(QStringLiteral(".bmp")), QStringLiteral("BMP files"));
    EXPECT_EQ(bs.FileTypeDescription(QStringLiteral(".x*")), QStringLiteral("X* files"));
    EXPECT_EQ(bs.FileFilterName(0), QStringLiteral("Vector layer files;Pixel layer files;Language files;Lenex files"));
    EXPECT_EQ(bs.FileFilterName(3), QStringLiteral("Language files"));
    EXPECT_EQ(bs.FileFilterName(4), QStringLiteral("Lenex files"));
}

TEST_F(KeyedCatalogue, LanguageNumberFromTheUsersLanguageAndConfiguration)
{
    struct Case {
        QLocale locale;
        int stored; // what the user configuration answers; -2: nothing installed
        int expected;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), -2, 4},
        {QLocale(QLocale::German, QLocale::Austria), -2, 16},
        {QLocale(QLocale::German, QLocale::Switzerland), -2, 1},
        {QLocale(QLocale::Japanese, QLocale::Japan), -2, 4}, // not in the table: English
        {QLocale(QLocale::Ukrainian, QLocale::Ukraine), -2, 4},
        {QLocale(QLocale::English, QLocale::UnitedStates), 7, 7},
        {QLocale(QLocale::English, QLocale::UnitedStates), 300, 4}, // no language number
    };
    for (const Case &c : cases) {
        FreeBSLanguage();
        SetUserLanguageLocale(c.locale);
        int askedWith = -1;
        if (c.stored == -2)
            SetActiveLanguageReader({});
        else
            SetActiveLanguageReader([&](int dflt) {
                askedWith = dflt;
                return c.stored;
            });
        EXPECT_EQ(BSLanguageInstance().ActiveLanguage(), c.expected) << c.locale.name().toStdString();
        if (c.stored != -2)
            EXPECT_EQ(askedWith, 4);
    }
}

TEST_F(KeyedCatalogue, OneImplementationClassOnly)
{
    try {
        RegisterLanguageClass<TBSLanguageEN>();
        FAIL() << "a second registration must fail";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Pro Projekt darf nur eine Language Implementation eingebunden werden!"));
    }
    FreeBSLanguage(true);
    try {
        (void)BSLanguageInstance();
        FAIL() << "no class registered";
    } catch (const EBSLanguageError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Keine BSLanguage - Klasse definiert !"));
    }
}

TEST_F(KeyedCatalogue, ParsingRules)
{
    useTestLanguage({
        QStringLiteral("Key=before any section"),
        QStringLiteral("[Data.One]"),
        QStringLiteral("  A$=x$y  \t"),
        QStringLiteral("; comment=1"),
        QStringLiteral("."),
        QStringLiteral(""),
        QStringLiteral("a=replaced"),
        QStringLiteral("[Other]=ordinary line"),
        QStringLiteral("NoEquals"),
        QStringLiteral("=no key"),
        QStringLiteral("Long=") + QString(1200, QLatin1Char('z')),
        QStringLiteral("[FORM.TSomeForm]"),
        QStringLiteral("Caption"),
        QStringLiteral("."),
        QStringLiteral("; skipped"),
        QStringLiteral(".@Edit1"),
        QStringLiteral("[data.two]"),
        QStringLiteral("Key=two"),
    });
    TBSLanguage &bs = BSLanguageInstance();
    EXPECT_EQ(bs.SectionNames(), (QStringList{"DATA.ONE", "FORM.TSOMEFORM", "DATA.TWO"}));
    const BSRef<IBSStringMap> one = bs.DataSection(QStringLiteral("one"));
    EXPECT_EQ(one->GetText(),
              QStringLiteral("a=replaced\n[Other]=ordinary line\nLong=") + QString(999, QLatin1Char('z')) + QLatin1Char('\n'));
    EXPECT_EQ(bs.GetText(QStringLiteral("#One.A")), QStringLiteral("replaced"));
    EXPECT_EQ(bs.GetText(QStringLiteral("#Two.Key")), QStringLiteral("two"));
    EXPECT_EQ(bs.GetText(QStringLiteral("#One.Key")), QStringLiteral("#One.Key"));
    EXPECT_EQ(bs.FormSection(QStringLiteral("TSomeForm"))->Items(), (QStringList{"Caption", "", ".@Edit1"}));
    // The section object is shared, not copied.
    EXPECT_EQ(bs.DataSection(QStringLiteral("One")), one);
}

TEST_F(KeyedCatalogue, HandlersRunWhenTheTextsChange)
{
    useTestLanguage({QStringLiteral("[Data.BS]"), QStringLiteral("Cancel=Abbrechen")});
    TBSLanguage &bs = BSLanguageInstance();
    int vocabulary = 0;
    int forms = 0;
    QString seen;
    const int owner1 = 0;
    const int owner2 = 0;
    bs.AddLanguageHandler(TBSLanguage::VocabularyHandlers, true, &owner1, [&](TBSLanguage &sender) {
        ++vocabulary;
        seen = sender.GetText(QStringLiteral("#BS.Cancel"));
    });
    bs.AddLanguageHandler(TBSLanguage::FormHandlers, false, &owner2, [&](TBSLanguage &) { ++forms; });
    bs.AddLanguageHandler(7, true, &owner2, [&](TBSLanguage &) { ++forms; });
    EXPECT_EQ(vocabulary, 1);
    EXPECT_EQ(forms, 0);
    EXPECT_EQ(seen, QStringLiteral("Abbrechen"));

    TTestLanguage::data() = {QStringLiteral("[Data.BS]"), QStringLiteral("Cancel=Annuler")};
    bs.LoadCatalogue();
    EXPECT_EQ(vocabulary, 2);
    EXPECT_EQ(forms, 1);
    EXPECT_EQ(seen, QStringLiteral("Annuler"));

    bs.RemoveLanguageHandler(&owner1);
    bs.LoadCatalogue();
    EXPECT_EQ(vocabulary, 2);
    EXPECT_EQ(forms, 2);
}

TEST_F(KeyedCatalogue, SwimmingVocabulary)
{
    const TBSSwLanguage &vocabulary = SwimLanguage();
    EXPECT_EQ(&vocabulary, &SwimLanguage());
    EXPECT_EQ(vocabulary.GenderNames[0], QStringLiteral("All"));
    EXPECT_EQ(vocabulary.GenderNames[1], QStringLiteral("Men"));
    EXPECT_EQ(vocabulary.StrokeCodes[2], QStringLiteral("Bk"));
    const char *const codes[6] = {"", "Fr", "Bk", "Br", "Bu", "Me"};
    for (int stroke = 0; stroke < 6; ++stroke)
        EXPECT_EQ(SwimStrokeCode(TBSSwStroke(stroke)), QString::fromLatin1(codes[stroke])) << stroke;
    EXPECT_EQ(SwimStrokeCode(6), QString());
    EXPECT_EQ(SwimGenderName(bssgWomen), QStringLiteral("Women"));
    EXPECT_EQ(SwimGenderName(bssgMixed), QStringLiteral("Mixed"));
    EXPECT_EQ(SwimGenderName(4), QString());
    // The English data has no youth class names: a range ending at 1 to 16 gets the catalogue's answer for
    // a missing key, which is the key itself.
    EXPECT_EQ(SwimGenderName(bssgMen, NewAgeRange(10, 12)), QStringLiteral("#BSSwLanguage.GenderNames2"));
    EXPECT_EQ(SwimGenderName(bssgMen, NewAgeRange(10, 16)), QStringLiteral("#BSSwLanguage.GenderNames2"));
    EXPECT_EQ(SwimGenderName(bssgMen, NewAgeRange(15, 17)), QStringLiteral("Men"));
    EXPECT_EQ(SwimGenderName(bssgMen, NewAgeRange(19, 99)), QStringLiteral("Men")); // open upwards
}

TEST_F(KeyedCatalogue, SwimmingVocabularyFollowsTheCatalogue)
{
    useTestLanguage({QStringLiteral("[Data.BSSwLanguage]"), QStringLiteral("GenderNames=Alle;Herren;Damen;Mixed"),
                     QStringLiteral("GenderNames2=Alle;Knaben;Mädchen;Mixed"), QStringLiteral("StrokeCodes=;F;R")});
    EXPECT_EQ(SwimGenderName(bssgMen), QStringLiteral("Herren"));
    EXPECT_EQ(SwimGenderName(bssgWomen, NewAgeRange(-1, 10)), QStringLiteral("Mädchen"));
    EXPECT_EQ(SwimStrokeCode(bssBA), QStringLiteral("R"));
    EXPECT_EQ(SwimStrokeCode(bssBR), QString()); // fewer items than strokes

    TTestLanguage::data() = {QStringLiteral("[Data.BSSwLanguage]"), QStringLiteral("GenderNames=All;Boys;Girls")};
    BSLanguageInstance().LoadCatalogue();
    EXPECT_EQ(SwimGenderName(bssgMen), QStringLiteral("Boys"));
    EXPECT_EQ(SwimGenderName(bssgMixed), QString());
    EXPECT_EQ(SwimStrokeCode(bssBA), QStringLiteral("#BSSwLanguage.StrokeCodes"));
}

TEST(BSFormatTest, Placeholders)
{
    EXPECT_EQ(BSFormat(QStringLiteral("%s files"), {QStringLiteral("BMP")}), QStringLiteral("BMP files"));
    EXPECT_EQ(BSFormat(QStringLiteral("%d years and %s"), {12, QStringLiteral("older")}), QStringLiteral("12 years and older"));
    EXPECT_EQ(BSFormat(QStringLiteral("100%% %d"), {5}), QStringLiteral("100% 5"));
    EXPECT_EQ(BSFormat(QStringLiteral("%1:s-%0:s"), {QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("b-a"));
    EXPECT_EQ(BSFormat(QStringLiteral("[%5d|%-4s|%.3d|%x]"), {42, QStringLiteral("ab"), 7, 255}),
              QStringLiteral("[   42|ab  |007|FF]"));
    EXPECT_EQ(BSFormat(QStringLiteral("%.2f %n"), {3.14159, 1234.5}), QStringLiteral("3.14 1,234.50"));
    // Missing or unsuitable arguments leave the placeholder.
    EXPECT_EQ(BSFormat(QStringLiteral("%s and %s"), {QStringLiteral("one")}), QStringLiteral("one and %s"));
    EXPECT_EQ(BSFormat(QStringLiteral("%d"), {QStringLiteral("x")}), QStringLiteral("%d"));
    EXPECT_EQ(BSFormat(QStringLiteral("end %"), {}), QStringLiteral("end %"));
}
