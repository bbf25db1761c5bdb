#include "controls/editmask.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

const QString chronMask = QStringLiteral("@#:##.#@");

// Plays keys on a shown text: digits and other characters are typed, '<' is Backspace, '>' Delete.
struct Keys {
    QString text;
    int caret;
    int beeps = 0;

    void play(const QString &mask, const QString &keys)
    {
        for (const QChar k : keys) {
            TMaskEditResult r;
            if (k == u'<' || k == u'>')
                r = MaskErase(text, mask, caret, 0, k == u'<');
            else
                r = MaskTypeChar(text, mask, caret, 0, k);
            text = r.text;
            caret = r.caret;
            beeps += r.beep ? 1 : 0;
        }
    }
};

TEST(EditMask, MasksPerTypeAndOptions)
{
    const QString date = QStringLiteral("dd/mm/yyyy");
    struct Case {
        TEditType type;
        TEditOptions options;
        const char *expected;
    } cases[] = {
        {etChron, DefaultEditOptions, "@#:##.#@"},
        {etChron, TEditOptions(eoSaveMaskChars), " #:##.#@"},
        {etChron, DefaultEditOptions | eoHasChronPool, "@#:##.#@ $"},
        {etChron, TEditOptions(eoHasChronPool), " #:##.#@ $"},
        {etTime, DefaultEditOptions, "##:##"},
        {etDate, DefaultEditOptions, "##/##/####"},
        {etInteger, DefaultEditOptions, ""},
        {etFloat, DefaultEditOptions, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BuildEditMask(c.type, c.options, QStringLiteral("ignored"), date), QString::fromUtf8(c.expected))
            << c.type;
    EXPECT_EQ(BuildEditMask(etString, DefaultEditOptions, QStringLiteral("$$-###"), date), QStringLiteral("$$-###"));
}

TEST(EditMask, DateTextFormatFromLocaleFormats)
{
    struct Case {
        const char *format;
        char16_t separator;
        const char *expected;
    } cases[] = {
        {"d/M/yy", u'/', "dd/mm/yyyy"},
        {"M/d/yy", u'/', "mm/dd/yyyy"},
        {"dd.MM.yyyy", u'.', "dd.mm.yyyy"},
        {"yyyy-MM-dd", u'-', "yyyy-mm-dd"},
        {"d.M.yy", u'.', "dd.mm.yyyy"},
        {"dd//mm yy", u'/', "dd/mm/yyyy"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DateTextFormat(QString::fromUtf8(c.format), QChar(c.separator)), QString::fromUtf8(c.expected))
            << c.format;
}

TEST(EditMask, DateTextFormatFromQtFormats)
{
    struct Case {
        const char *qtFormat;
        const char *expected;
        char16_t separator;
    } cases[] = {
        {"M/d/yy", "mm/dd/yyyy", u'/'},      {"dd.MM.yy", "dd.mm.yyyy", u'.'},
        {"yyyy-MM-dd", "yyyy-mm-dd", u'-'},  {"yyyy/M/d", "yyyy/mm/dd", u'/'},
        {"yyyy. MM. dd.", "yyyy.mm.dd", u'.'}, {"d MMM yyyy", "dd/mm/yyyy", u'/'},
        {"ddd, d.M.yyyy", "dd.mm.yyyy", u'.'}, {"dd'r.'MM.yy", "dd.mm.yyyy", u'.'},
    };
    for (const Case &c : cases) {
        QChar separator;
        const QString format = QtDateTextFormat(QString::fromUtf8(c.qtFormat), &separator);
        EXPECT_EQ(separator, QChar(c.separator)) << c.qtFormat;
        if (separator == QChar(c.separator))
            EXPECT_EQ(format, QString::fromUtf8(c.expected)) << c.qtFormat;
    }
}

TEST(EditMask, ApplyMaskNormalisesPositionByPosition)
{
    EXPECT_EQ(ApplyMask(QStringLiteral("  :  .  "), chronMask), QStringLiteral("__:__.__"));
    EXPECT_EQ(ApplyMask(QString(), chronMask), QStringLiteral("__:__.__"));
    EXPECT_EQ(ApplyMask(QStringLiteral(" 1:23.4*"), chronMask), QStringLiteral("_1:23.4*"));
    EXPECT_EQ(ApplyMask(QStringLiteral("  :NT.  "), chronMask), QStringLiteral("__:NT.__"));
    // N and T pass a digit position only where a chrono field shows "NT"; "@" takes any non-blank.
    EXPECT_EQ(ApplyMask(QStringLiteral("N :  .T "), chronMask), QStringLiteral("N_:__.__"));
    EXPECT_EQ(ApplyMask(QStringLiteral(" N:T .  "), chronMask), QStringLiteral("__:T_.__"));
    EXPECT_EQ(ApplyMask(QStringLiteral("12:34..6"), chronMask), QStringLiteral("12:34._6"));
    EXPECT_EQ(ApplyMask(QStringLiteral("12:34.5678"), chronMask), QStringLiteral("12:34.56"));
    EXPECT_EQ(ApplyMask(QStringLiteral("a1-b"), QStringLiteral("$#-$")), QStringLiteral("a1-b"));
    EXPECT_EQ(ApplyMask(QStringLiteral("11x2"), QStringLiteral("$#-$")), QStringLiteral("_1-_"));
    EXPECT_EQ(ApplyMask(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
}

TEST(EditMask, AcceptanceRules)
{
    EXPECT_TRUE(MaskAccepts(u'5', u'#'));
    EXPECT_TRUE(MaskAccepts(u'.', u'#'));
    EXPECT_FALSE(MaskAccepts(u'a', u'#'));
    EXPECT_TRUE(MaskAccepts(u'a', u'$'));
    EXPECT_FALSE(MaskAccepts(u'5', u'$'));
    EXPECT_TRUE(MaskAccepts(u'*', u'@'));
    EXPECT_FALSE(MaskAccepts(u'*', u'#'));
    EXPECT_TRUE(MaskAccepts(u' ', u':'));
    EXPECT_TRUE(MaskAccepts(u':', u':'));
    EXPECT_FALSE(MaskAccepts(u'5', u':'));
}

TEST(EditMask, TypingSequencesInChronField)
{
    struct Case {
        const char *start;
        int caret;
        const char *keys;
        const char *text;
        int caretAfter;
        int beeps;
    } cases[] = {
        // Digits fill 1, 2, 4, 5, 7, 8 and jump literals; a seventh digit beeps.
        {"__:__.__", 0, "123456", "12:34.56", 8, 0},
        {"__:__.__", 0, "1234567", "12:34.56", 8, 1},
        // ":" after one minute digit jumps in front of the seconds.
        {"__:__.__", 0, "1:", "1_:__.__", 3, 0},
        {"__:__.__", 0, "1:23", "1_:23.__", 6, 0},
        // "." behind the "." goes into the tenths position.
        {"12:34.__", 6, ".", "12:34.._", 7, 0},
        // Backspace shifts the run left; across a literal it only moves the caret.
        {"12:34.56", 4, "<", "12:4_.56", 3, 0},
        {"12:34.56", 3, "<", "12:34.56", 2, 0},
        {"12:34.56", 0, "<", "12:34.56", 0, 0},
        {"12:34.56", 3, "<<", "1_:34.56", 1, 0},
        // Delete at the caret.
        {"12:34.56", 0, ">", "2_:34.56", 0, 0},
        {"12:34.56", 2, ">", "12:34.56", 2, 0},
        // A letter fits no digit position; the scan stops at the first editable position.
        {"__:__.__", 1, "x", "__:__.__", 1, 1},
        {"1_:__.__", 3, "x", "1_:__.__", 3, 1},
        // "*" marks missing hundredths.
        {"12:34.5_", 7, "*", "12:34.5*", 8, 0},
    };
    for (const Case &c : cases) {
        Keys k{QString::fromUtf8(c.start), c.caret};
        k.play(chronMask, QString::fromUtf8(c.keys));
        EXPECT_EQ(k.text, QString::fromUtf8(c.text))
            << c.start << " keys " << c.keys;
        EXPECT_EQ(k.caret, c.caretAfter) << c.start << " keys " << c.keys;
        EXPECT_EQ(k.beeps, c.beeps) << c.start << " keys " << c.keys;
    }
}

// A time typed as it is written reads as that time.
TEST(EditMask, ChronFieldTakesTimesAsTheyAreWritten)
{
    struct Case {
        const char *keys;
        const char *text;
        int caretAfter;
    } cases[] = {
        {"50.00", "__:50.00", 8},
        {"5.1", "__:_5.1_", 7},
        {"3:20.00", "3_:20.00", 8},
        {"1:02.37", "1_:02.37", 8},
        {"12:34.56", "12:34.56", 8},
        {"005000", "00:50.00", 8},
        {":50.00", "__:50.00", 8},
        // A second separator typed behind its twin changes nothing.
        {"1::", "1_:__.__", 3},
    };
    for (const Case &c : cases) {
        QString text = QStringLiteral("__:__.__");
        int caret = 0;
        int beeps = 0;
        for (const QChar key : QString::fromUtf8(c.keys)) {
            const TMaskEditResult r = ChronTypeChar(text, chronMask, caret, 0, key);
            text = r.text;
            caret = r.caret;
            beeps += r.beep ? 1 : 0;
        }
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.keys;
        EXPECT_EQ(caret, c.caretAfter) << c.keys;
        EXPECT_EQ(beeps, 0) << c.keys;
    }
    // With a selection, and for other characters, the plain overtype rules hold.
    EXPECT_EQ(ChronTypeChar(QStringLiteral("12:34.56"), chronMask, 3, 2, u'9').text, QStringLiteral("12:9_.56"));
    EXPECT_EQ(ChronTypeChar(QStringLiteral("__:__.__"), chronMask, 0, 0, u'7').text, QStringLiteral("7_:__.__"));
}

TEST(EditMask, SelectionIsBlankedBeforeTyping)
{
    const TMaskEditResult r = MaskTypeChar(QStringLiteral("12:34.56"), chronMask, 3, 2, u'9');
    EXPECT_EQ(r.text, QStringLiteral("12:9_.56"));
    EXPECT_EQ(r.caret, 4);
    EXPECT_FALSE(r.beep);

    const TMaskEditResult erased = MaskErase(QStringLiteral("12:34.56"), chronMask, 1, 5, true);
    EXPECT_EQ(erased.text, QStringLiteral("1_:__.56"));
    EXPECT_EQ(erased.caret, 1);
}

TEST(EditMask, RefusedCharacterLeavesTextAndBeeps)
{
    const TMaskEditResult r = MaskTypeChar(QStringLiteral("__:__"), QStringLiteral("##:##"), 0, 0, u'a');
    EXPECT_TRUE(r.beep);
    EXPECT_EQ(r.text, QStringLiteral("__:__"));
    EXPECT_EQ(r.caret, 0);
    // Past the end of the mask the caret goes to the end.
    const TMaskEditResult end = MaskTypeChar(QStringLiteral("12:34"), QStringLiteral("##:##"), 5, 0, u'1');
    EXPECT_TRUE(end.beep);
    EXPECT_EQ(end.caret, 5);
}

TEST(EditMask, TypingPastLiteralsAndOnShortText)
{
    // A digit typed in front of ":" skips the literal.
    const TMaskEditResult r = MaskTypeChar(QStringLiteral("12:__"), QStringLiteral("##:##"), 2, 0, u'3');
    EXPECT_EQ(r.text, QStringLiteral("12:3_"));
    EXPECT_EQ(r.caret, 4);
    // A text shorter than the mask grows.
    const TMaskEditResult grown = MaskTypeChar(QStringLiteral("1"), QStringLiteral("##:##"), 1, 0, u'2');
    EXPECT_EQ(grown.text, QStringLiteral("12"));
    EXPECT_EQ(grown.caret, 1);
    // Last position of a mask that ends in a literal: caret stays in front of the last character.
    const TMaskEditResult tail = MaskTypeChar(QStringLiteral("_)"), QStringLiteral("#)"), 0, 0, u'4');
    EXPECT_EQ(tail.text, QStringLiteral("4)"));
    EXPECT_EQ(tail.caret, 1);
}

TEST(EditMask, PourAndReadText)
{
    EXPECT_EQ(PourIntoMask(QStringLiteral("123"), QStringLiteral("##:##")), QStringLiteral("12:3_"));
    EXPECT_EQ(PourIntoMask(QStringLiteral("abc"), QString()), QStringLiteral("abc"));

    const TEditOptions plain;
    EXPECT_EQ(ReadMaskedText(QStringLiteral("__:__"), QStringLiteral("##:##"), etTime, plain), QString());
    EXPECT_EQ(ReadMaskedText(QStringLiteral("14:05"), QStringLiteral("##:##"), etTime, plain), QStringLiteral("14:05"));
    EXPECT_EQ(ReadMaskedText(QStringLiteral("__/__/____"), QStringLiteral("##/##/####"), etDate, plain), QString());
    EXPECT_EQ(ReadMaskedText(QStringLiteral("1_:__.__"), chronMask, etChron, plain), QStringLiteral("1 :  .  "));
    EXPECT_EQ(ReadMaskedText(QStringLiteral(" 12 "), QString(), etInteger, plain), QStringLiteral("12"));
    EXPECT_EQ(ReadMaskedText(QStringLiteral("ab-1_"), QStringLiteral("$$-##"), etString, plain),
              QStringLiteral("ab1 "));
    EXPECT_EQ(ReadMaskedText(QStringLiteral("ab-1_"), QStringLiteral("$$-##"), etString, TEditOptions(eoTrimStrings)),
              QStringLiteral("ab1"));
    EXPECT_EQ(ReadMaskedText(QStringLiteral("ab-1_"), QStringLiteral("$$-##"), etString, DefaultEditOptions),
              QStringLiteral("ab-1 "));
}

} // namespace
