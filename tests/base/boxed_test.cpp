#include "base/boxed.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct WordsCase {
    int64_t value;
    const char *words;
};

class NumberWords : public testing::TestWithParam<WordsCase>
{
};

TEST_P(NumberWords, SpellsInGerman)
{
    EXPECT_EQ(BSNumberWords(GetParam().value), QString::fromUtf8(GetParam().words));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberWords,
                         testing::Values(WordsCase{0, "null"}, WordsCase{1, "ein"}, WordsCase{15, "fünfzehn"},
                                         WordsCase{20, "zwanzig"}, WordsCase{21, "einundzwanzig"},
                                         WordsCase{99, "neunundneunzig"}, WordsCase{100, "einhundert"},
                                         WordsCase{110, "einhundertzehn"}, WordsCase{1000, "eintausend"},
                                         WordsCase{1001, "eintausendein"},
                                         WordsCase{31415, "einunddreissigtausendvierhundertfünfzehn"},
                                         WordsCase{1000000, "einemillion"}, WordsCase{2000000, "zweimillionen"},
                                         WordsCase{1000000001, "einemilliardeein"},
                                         WordsCase{2147483647, "zweimilliardeneinhundertsiebenundvierzigmillionen"
                                                               "vierhundertdreiundachtzigtausendsechshundert"
                                                               "siebenundvierzig"},
                                         WordsCase{-5, "minusfünf"}));

TEST(BoxedInteger, ReadsEveryTypeCodeInBothByteOrders)
{
    const QByteArray bytes = QByteArray::fromHex("0102");
    EXPECT_EQ(NewInteger(bytes, bsitWord, false)->Value(), 513);
    EXPECT_EQ(NewInteger(bytes, bsitWord, true)->Value(), 258);

    const QByteArray ff = QByteArray::fromHex("ff");
    EXPECT_EQ(NewInteger(ff, bsitByte, false)->Value(), 255);
    EXPECT_EQ(NewInteger(ff, bsitShortInt, false)->Value(), -1);

    EXPECT_EQ(NewInteger(QByteArray::fromHex("feff"), bsitSmallInt, false)->Value(), -2);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("feff"), bsitWord, false)->Value(), 65534);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("ffffff7f"), bsitLongInt, false)->Value(), 2147483647);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("00000080"), bsitInteger, false)->Value(), -2147483647 - 1);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("00000080"), bsitInteger, true)->Value(), 128);
    // Only the low 32 bits of a 64-bit value count.
    EXPECT_EQ(NewInteger(QByteArray::fromHex("0500000001000000"), bsitInt64Low, false)->Value(), 5);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("0100000000000005"), bsitInt64Low, true)->Value(), 5);
}

TEST(BoxedInteger, ShortInputAndUnknownCodesGiveZeroNotGarbage)
{
    EXPECT_EQ(NewInteger(QByteArray(), bsitInteger, false)->Value(), 0);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("01"), bsitInteger, false)->Value(), 1);
    EXPECT_EQ(NewInteger(QByteArray::fromHex("01020304"), 99, false)->Value(), 0);
    auto boxed = NewInteger(QByteArray::fromHex("01"), bsitByte, false);
    boxed->SetValue(21);
    EXPECT_EQ(boxed->Words(), QStringLiteral("einundzwanzig"));
}

TEST(BoxedFloat, ReadsBigEndianSingleAndDouble)
{
    EXPECT_EQ(NewFloat(QByteArray::fromHex("3ff0000000000000"), 1)->Value(), 1.0);
    EXPECT_EQ(NewFloat(QByteArray::fromHex("c0490fdb"), 0)->Value(), double(-3.14159274101257324f));
    EXPECT_EQ(NewFloat(QByteArray::fromHex("3ff0000000000000"), 2)->Value(), 0.0);
    EXPECT_EQ(NewFloat(QByteArray::fromHex("3f"), 1)->Value(), NewFloat(QByteArray::fromHex("3f00000000000000"), 1)->Value());
}

} // namespace
