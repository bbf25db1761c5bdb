#include "controls/editvalue.h"

#include <QDate>

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

TEST(EditValue, DecimalIntegers)
{
    struct Case {
        const char *text;
        bool ok;
        int32_t value;
    } cases[] = {
        {"0", true, 0},         {"42", true, 42},     {"-5", true, -5},   {"+7", true, 7},
        {"2147483647", true, 2147483647}, {"-2147483648", true, INT32_MIN}, {"2147483648", false, 0},
        {"99999999999999999999", false, 0}, {"", false, 0}, {"-", false, 0}, {"abc", false, 0},
        {"1 2", false, 0},      {"$10", false, 0},    {"1.5", false, 0},  {" 3", false, 0},
    };
    for (const Case &c : cases) {
        int32_t value = -99;
        EXPECT_EQ(ParseDecimalInt(QString::fromUtf8(c.text), value), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(DecimalIntOrZero(QString::fromUtf8(c.text)), c.ok ? c.value : 0) << c.text;
    }
}

TEST(EditValue, FloatsWithTheLocaleSeparator)
{
    long double v = 0;
    EXPECT_TRUE(ParseFloat(QStringLiteral("1.25"), u'.', v));
    EXPECT_EQ(v, 1.25L);
    EXPECT_TRUE(ParseFloat(QStringLiteral("1,25"), u',', v));
    EXPECT_EQ(v, 1.25L);
    EXPECT_FALSE(ParseFloat(QStringLiteral("1.25"), u',', v));
    EXPECT_TRUE(ParseFloat(QStringLiteral("-.5"), u'.', v));
    EXPECT_EQ(v, -0.5L);
    EXPECT_TRUE(ParseFloat(QStringLiteral("+2e3"), u'.', v));
    EXPECT_EQ(v, 2000.0L);
    for (const char *bad : {"", "abc", "1.2.3", "1e", "--1", "+-1", "1 000", "inf", "nan"})
        EXPECT_FALSE(ParseFloat(QString::fromUtf8(bad), u'.', v)) << bad;
}

TEST(EditValue, FloatPatterns)
{
    struct Case {
        long double value;
        int decimals;
        bool leadingZero;
        const char *expected;
    } cases[] = {
        {1.5L, 0, true, "2"},      {2.5L, 0, true, "3"},         {-2.5L, 0, true, "-3"},
        {1.25L, 2, true, "1.25"},  {1.2L, 2, true, "1.2"},       {1.0L, 2, true, "1"},
        {0.125L, 2, true, "0.13"}, {0.0L, 2, true, "0"},         {0.004L, 2, true, "0"},
        {0.5L, 13, false, ".5"},   {0.0L, 13, false, ""},        {12.75L, 13, false, "12.75"},
        {-0.25L, 13, false, "-.25"}, {1e-7L, 13, false, ".0000001"}, {1e20L, 2, true, "100000000000000000000"},
        {0.1L, 13, false, ".1"},   {99.995L, 2, true, "100"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatFloatDecimals(c.value, c.decimals, c.leadingZero), QString::fromUtf8(c.expected))
            << double(c.value) << " decimals " << c.decimals;
}

TEST(EditValue, Bounds)
{
    struct Case {
        int32_t value, min, max, expected;
        bool bounded;
    } cases[] = {
        {0, 1, 99, 1, true},    {150, 1, 99, 99, true},    {50, 1, 99, 50, true},  {2000, 0, 1100, 1100, true},
        {-5, 0, 1100, -5, true}, {-7, -1, 1000, -1, true}, {5, 0, 0, 5, false},
    };
    for (const Case &c : cases) {
        int32_t v = c.value;
        EXPECT_EQ(ClampToBounds(v, c.min, c.max), c.bounded);
        EXPECT_EQ(v, c.expected);
    }
}

TEST(EditValue, DateTimeNumbers)
{
    TDateTime v = -1;
    ASSERT_TRUE(EncodeDateTime(1899, 12, 30, 0, 0, 0, v));
    EXPECT_EQ(v, 0.0);
    ASSERT_TRUE(EncodeDateTime(2099, 12, 31, 0, 0, 0, v));
    EXPECT_EQ(v, MaxFieldDate);
    ASSERT_TRUE(EncodeDateTime(2005, 2, 3, 14, 5, 0, v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("yyyymmdd")), QStringLiteral("20050203"));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("hhnn")), QStringLiteral("1405"));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("hh:nn")), QStringLiteral("14:05"));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("dd.mm.yy")), QStringLiteral("03.02.05"));
    EXPECT_FALSE(EncodeDateTime(2005, 13, 40, 0, 0, 0, v));
    EXPECT_FALSE(EncodeDateTime(2005, 1, 1, 24, 0, 0, v));
}

TEST(EditValue, ClockTimes)
{
    TDateTime v = 0;
    ASSERT_TRUE(ParseClockTime(QStringLiteral("14:05"), v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("hh:nn")), QStringLiteral("14:05"));
    ASSERT_TRUE(ParseClockTime(QStringLiteral("1 :5"), v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("hh:nn")), QStringLiteral("01:05"));
    ASSERT_TRUE(ParseClockTime(QStringLiteral("7"), v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("hh:nn")), QStringLiteral("07:00"));
    for (const char *bad : {"", ":", "14:", "24:00", "12:60", "a:b", "1:2:3:4"})
        EXPECT_FALSE(ParseClockTime(QString::fromUtf8(bad), v)) << bad;
}

TEST(EditValue, DatesInLocaleOrder)
{
    TDateTime v = 0;
    ASSERT_TRUE(ParseDateText(QStringLiteral("02/03/2005"), QStringLiteral("mm/dd/yyyy"), u'/', v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("yyyymmdd")), QStringLiteral("20050203"));
    ASSERT_TRUE(ParseDateText(QStringLiteral("03.02.2005"), QStringLiteral("dd.mm.yyyy"), u'.', v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("yyyymmdd")), QStringLiteral("20050203"));
    ASSERT_TRUE(ParseDateText(QStringLiteral("2005-02-03"), QStringLiteral("yyyy-mm-dd"), u'-', v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("yyyymmdd")), QStringLiteral("20050203"));
    // Two-digit years fall into the window of 50 years around now.
    ASSERT_TRUE(ParseDateText(QStringLiteral("3.2.05"), QStringLiteral("dd.mm.yyyy"), u'.', v));
    EXPECT_EQ(FormatDateTimePattern(v, QStringLiteral("yyyymmdd")), QStringLiteral("20050203"));
    // Two numbers: this year.
    ASSERT_TRUE(ParseDateText(QStringLiteral("3.2"), QStringLiteral("dd.mm.yyyy"), u'.', v));
    int y, m, d, h, n, s;
    DecodeDateTime(v, y, m, d, h, n, s);
    EXPECT_EQ(y, QDate::currentDate().year());
    for (const char *bad : {"", "//", "13/40/2005", "2", "a/b/c", "1/2/3/4", "1//2005"})
        EXPECT_FALSE(ParseDateText(QString::fromUtf8(bad), QStringLiteral("mm/dd/yyyy"), u'/', v)) << bad;
}

} // namespace
