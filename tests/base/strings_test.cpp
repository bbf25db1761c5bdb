#include "base/bsstring.h"
#include "base/converterror.h"
#include "base/stringlist.h"
#include "base/textforms.h"
#include "base/tokenizer.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Every test here runs with a known default locale.
class Strings : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(Strings, AppendAndPrependOnlyAddSeparatorsBetweenTexts)
{
    EXPECT_EQ(NewString(QStringLiteral("a"))->Append(QStringLiteral("b"), QStringLiteral(", "))->Text(),
              QStringLiteral("a, b"));
    EXPECT_EQ(NewString()->Append(QStringLiteral("b"), QStringLiteral(", "))->Text(), QStringLiteral("b"));
    EXPECT_EQ(NewString(QStringLiteral("a"))->Append(QString(), QStringLiteral(", "))->Text(), QStringLiteral("a"));
    EXPECT_EQ(NewString(QStringLiteral("b"))->Prepend(QStringLiteral("a"), QStringLiteral("/"))->Text(),
              QStringLiteral("a/b"));
    EXPECT_EQ(NewString()->Prepend(QStringLiteral("a"), QStringLiteral("/"))->Text(), QStringLiteral("a"));
    auto s = NewString(QStringLiteral("x"));
    EXPECT_EQ(s->AppendString(NewString(QStringLiteral("y")), QStringLiteral("+"))
                  ->PrependString(NewString(QStringLiteral("w")), QStringLiteral("-"))
                  ->AppendFormat(QStringLiteral("%d Pt."), {901}, QStringLiteral(" "))
                  ->Text(),
              QStringLiteral("w-x+y 901 Pt."));
    EXPECT_EQ(s->Append(QStringLiteral("z")), s); // the same object, for chaining
    EXPECT_EQ(s->AppendString(nullptr, QStringLiteral(";"))->Text(), s->Text());
    auto clone = s->Clone();
    s->Copy(1, 1);
    EXPECT_EQ(s->Text(), QStringLiteral("w"));
    EXPECT_EQ(clone->Text(), QStringLiteral("w-x+y 901 Pt.z"));
}

TEST_F(Strings, IdentifiersAccentsAndAscii)
{
    EXPECT_EQ(NewString(QStringLiteral("3 Äpfel-Öl"))->MakeIdentifier()->Text(), QStringLiteral("X3ApfelOl"));
    EXPECT_EQ(NewString(QStringLiteral("_ok é"))->MakeIdentifier()->Text(), QStringLiteral("_oke"));
    EXPECT_EQ(NewString(QStringLiteral("Grüße"))->ToAscii()->Text(), QStringLiteral("Gruesse"));
    EXPECT_EQ(NewString(QStringLiteral("Ærø Çà ñ æ"))->RemoveAccents()->Text(), QStringLiteral("Arø Ca n æ"));
    EXPECT_EQ(NewString(QStringLiteral("ÁÀÂÃÄÆÇÉÈÊËÍÌÎÏÑÓÒÔÕÖÚÙÛÜáàâãäçéèêëíìîïñóòôõöúùûü"))->RemoveAccents()->Text(),
              QStringLiteral("AAAAAACEEEEIIIINOOOOOUUUUaaaaaceeeeiiiinooooouuuu"));
    EXPECT_EQ(NewString()->MakeIdentifier()->Text(), QString());
}

TEST_F(Strings, CaseOperations)
{
    EXPECT_EQ(NewString(QStringLiteral("hans-peter MÜLLER"))->TitleCase()->Text(), QStringLiteral("Hans-Peter Müller"));
    EXPECT_EQ(NewString(QStringLiteral("a.b/c,d e"))->TitleCase()->Text(), QStringLiteral("A.B/C,D E"));
    EXPECT_EQ(NewString(QStringLiteral("müller"))->UpperCase()->Text(), QStringLiteral("MÜLLER"));
}

TEST_F(Strings, SwapCodePageTwiceRestoresTheText)
{
    const QString original = QStringLiteral("€ Š š Ž ž Œ œ Ÿ ¤ ¦ ¨ ´ ¸ ¼ ½ ¾ plain");
    auto s = NewString(original);
    s->SwapCodePage();
    EXPECT_EQ(s->Text(), QStringLiteral("¤ ¦ ¨ ´ ¸ ¼ ½ ¾ € Š š Ž ž Œ œ Ÿ plain"));
    s->SwapCodePage();
    EXPECT_EQ(s->Text(), original);
}

TEST_F(Strings, CopyPadAndReplace)
{
    const struct {
        const char *text;
        int length;
        int alignment;
        const char *expected;
    } pads[] = {
        {"ab", 6, 2, "**ab**"}, {"ab", 5, 2, "*ab**"}, {"abcd", 2, 0, "ab"}, {"ab", 4, 0, "ab**"},
        {"ab", 4, 1, "**ab"},   {"ab", 4, 7, "ab**"},  {"ab", 0, 0, ""},     {"ab", -3, 1, ""},
    };
    for (const auto &p : pads)
        EXPECT_EQ(NewString(QString::fromUtf8(p.text))->Pad(p.length, QLatin1Char('*'), p.alignment)->Text(),
                  QString::fromUtf8(p.expected))
            << p.text << " " << p.length << " " << p.alignment;

    const struct {
        int from, count;
        const char *expected;
    } copies[] = {{2, 3, "bcd"}, {0, 2, "ab"}, {5, 10, "ef"}, {7, 1, ""}, {2, 0, ""}, {2, -1, ""}};
    for (const auto &c : copies)
        EXPECT_EQ(NewString(QStringLiteral("abcdef"))->Copy(c.from, c.count)->Text(), QString::fromUtf8(c.expected))
            << c.from << " " << c.count;

    EXPECT_EQ(NewString(QStringLiteral("aXbxX"))->ReplaceAll(QStringLiteral("X"), QStringLiteral("yy"))->Text(),
              QStringLiteral("ayybxyy"));
    EXPECT_EQ(NewString(QStringLiteral("ab"))->ReplaceAll(QString(), QStringLiteral("z"))->Text(), QStringLiteral("ab"));
}

TEST_F(Strings, PatternsOfMatchesWords)
{
    const struct {
        const char *pattern, *word;
        bool matches;
    } cases[] = {
        {"*ab", "abab", false}, // the first occurrence does not end the word
        {"ab*", "abab", true},   {"a", "ab", false},    {"ab", "ab", true},   {"*", "", true},
        {"", "ab", false},       {"*b*", "abc", true},  {"*c", "abc", true},  {"b*", "abc", false},
        {"a*c", "abc", false},   {"a*c", "acx", false}, {"a*c", "ac", true},  {"**", "ab", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BSMatchesPattern(QString::fromUtf8(c.pattern), QString::fromUtf8(c.word)), c.matches)
            << c.pattern << " / " << c.word;

    auto s = NewString(QStringLiteral("Müller, Hans-Peter"));
    EXPECT_TRUE(s->MatchesWords(QStringLiteral("hans* muller"), QStringLiteral(" ,")));
    EXPECT_TRUE(s->MatchesWords(QStringLiteral("*peter"), QStringLiteral(" ,")));
    EXPECT_FALSE(s->MatchesWords(QStringLiteral("hans"), QStringLiteral(" ,")));
    EXPECT_FALSE(s->MatchesWords(QString(), QStringLiteral(" ")));
    EXPECT_TRUE(s->MatchesWords(QStringLiteral("  "), QStringLiteral(" "))); // no words: true
}

TEST_F(Strings, EMailAddresses)
{
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"a@b.ch", true},     {"first.last@swim-club.example.org", true},
        {"@b.ch", false},     {"a@bch", false},
        {"a.@b.ch", false},   {".a@b.ch", false},
        {"a@b.ch.", false},   {"a@.b.ch", false},
        {"a@", false},        {"a@b_c.ch", false},
        {"a b@c.ch", true},   {"\xC3\xA4@b.ch", false},
        {"", false},          {"a@b@c.ch", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewString(QString::fromUtf8(c.text))->IsEMail(), c.valid) << c.text;
}

TEST_F(Strings, NumbersAndDegrees)
{
    EXPECT_EQ(NewString(QStringLiteral("42"))->AsInteger(-1), 42);
    EXPECT_EQ(NewString(QStringLiteral("4x"))->AsInteger(-1), -1);
    EXPECT_DOUBLE_EQ(NewString(QStringLiteral("1.5"))->AsFloat(-1), 1.5);
    EXPECT_DOUBLE_EQ(NewString(QStringLiteral("abc"))->AsFloat(-1), -1);
    EXPECT_TRUE(NewString()->IsEmpty());

    const struct {
        const char *text;
        double degrees;
    } cases[] = {
        {"S10°30'", -10.5},      {"N47°22'30''", 47.375}, {"E8°33'36\"", 8.56}, {"W2", -2},
        {"12.25", 12.25},        {"", 0},                 {"x°y'z", 0},        {"N°", 0},
        {"10°", 10},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(NewString(QString::fromUtf8(c.text))->AsDegrees(), c.degrees, 1e-12) << c.text;

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(NewString(QStringLiteral("1,5"))->AsFloat(-1), 1.5);
    EXPECT_DOUBLE_EQ(NewString(QStringLiteral("N1°30,5'"))->AsDegrees(), 1 + 30.5 / 60);
}

TEST(Tokenizer, CutsAtSeparators)
{
    const struct {
        const char *text;
        bool skipEmpty;
        QStringList tokens;
    } cases[] = {
        {"a;;b", false, {"a", "", "b"}}, {"a;;b", true, {"a", "b"}}, {"a;", false, {"a", ""}},
        {"", false, {}},                 {";", false, {"", ""}},     {";", true, {}},
        {"a,b;c", false, {"a", "b", "c"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewTokenizer(QString::fromUtf8(c.text), QStringLiteral(";,"), c.skipEmpty)->Tokens()->Items(),
                  c.tokens)
            << c.text << " " << c.skipEmpty;

    auto list = NewListTokenizer(QStringLiteral(";M;F;X"));
    EXPECT_EQ(list->Count(), 4);
    EXPECT_EQ(list->Token(0), QString());
    EXPECT_EQ(list->Token(1), QStringLiteral("M"));
    EXPECT_EQ(list->Token(4), QString());
    EXPECT_EQ(list->Token(-1), QString());

    auto quoted = NewTokenizer(QStringLiteral(" \"a b\" ; 'c' ;d;\""), QStringLiteral(";"));
    EXPECT_EQ(quoted->TrimTokens()->Unquote()->Tokens()->Items(), (QStringList{"a b", "c", "d", ""}));
}

TEST_F(Strings, FloatTextForms)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {0, "0"},           {1.5, "1.5"},       {-0.25, "-0.25"},     {100, "100"},
        {0.1, "0.1"},       {1e20, "1E20"},     {1e-6, "1E-6"},       {0.00001, "0.00001"},
        {123456789012345.0, "123456789012345"}, {1234567890123456.0, "1.234567890123456E15"},
        {2.5e-7, "2.5E-7"}, {0.1 + 0.2, "0.30000000000000004"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FloatToText(c.value), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(TextToFloat(FloatToText(c.value)), c.value) << c.text; // nothing lost
    }
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
    EXPECT_EQ(FloatToText(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));

    EXPECT_DOUBLE_EQ(TextToFloat(QStringLiteral("1,5")), 1.5);
    EXPECT_THROW(TextToFloat(QStringLiteral("x")), EBSConvertError);
    EXPECT_DOUBLE_EQ(TextToFloatDef(QStringLiteral("x"), 7), 7);
    EXPECT_DOUBLE_EQ(TextToFloatDef(QString(), 7), 7);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FloatToText(1.5), QStringLiteral("1.5"));
    EXPECT_DOUBLE_EQ(TextToFloat(QStringLiteral("1.5")), 1.5);
    EXPECT_DOUBLE_EQ(TextToFloat(QStringLiteral("1,5")), 1.5);
}

TEST(TextForms, DateTimes)
{
    const QDateTime t(QDate(2005, 2, 3), QTime(14, 25, 1, 123));
    EXPECT_EQ(DateTimeToText(t), QStringLiteral("20050203142501123"));
    EXPECT_EQ(TextToDateTime(QStringLiteral("20050203142501123")), t);
    EXPECT_EQ(DateTimeToText(QDateTime(QDate(812, 1, 1), QTime(0, 0))), QStringLiteral("08120101000000000"));
    try {
        TextToDateTime(QStringLiteral("2005020314250112"));
        ADD_FAILURE() << "16 characters accepted";
    } catch (const EBSConvertError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid BSDateTimeString"));
    }
    for (const char *bad : {"20050230142501123", "2005020314250112x", "20051303142501123", "20050203246001123",
                            "-0050203142501123"})
        EXPECT_THROW(TextToDateTime(QString::fromUtf8(bad)), EBSConvertError) << bad;
    const QDateTime fallback(QDate(2000, 1, 1), QTime(0, 0));
    EXPECT_EQ(TextToDateTimeDef(QStringLiteral("nonsense"), fallback), fallback);
    EXPECT_EQ(TextToDateTimeDef(QStringLiteral("20050203142501123"), fallback), t);
}

TEST(TextForms, BooleanWords)
{
    for (const char *yes : {"T", "j", "Y", "1", "-1", "true", "JA", "2", " 1 "})
        EXPECT_TRUE(BSStrToBoolDef(QString::fromUtf8(yes), false)) << yes;
    for (const char *no : {"F", "n", "0", "FALSE", "nein"})
        EXPECT_FALSE(BSStrToBoolDef(QString::fromUtf8(no), true)) << no;
    for (const char *other : {"yes", "", "wahr", "1.0"}) {
        bool ok = true;
        BSStrToBool(QString::fromUtf8(other), &ok);
        EXPECT_FALSE(ok) << other;
        EXPECT_TRUE(BSStrToBoolDef(QString::fromUtf8(other), true)) << other;
    }
    EXPECT_EQ(BSBoolToStr(true), QStringLiteral("True"));
    EXPECT_EQ(BSBoolToStr(false), QStringLiteral("False"));
}

} // namespace
