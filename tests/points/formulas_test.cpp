#include "points/formulas.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr TBSSwTime kBase = 48300; // 48.30 s

struct PointsCase {
    TBSSwFormula formula;
    TBSSwTime time;
    int32_t points;
};

class PointsFor4830 : public testing::TestWithParam<PointsCase>
{
};

TEST_P(PointsFor4830, MatchesPublishedValues)
{
    const auto &c = GetParam();
    EXPECT_EQ(Points(c.formula, c.time, kBase), c.points)
        << BSSwFormulaKeyword(c.formula).toStdString() << " " << c.time;
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, PointsFor4830,
    testing::Values(PointsCase{bsfCubed, 48300, 1000}, PointsCase{bsfCubed, 50000, 901},
                    PointsCase{bsfCubed, 60000, 522}, PointsCase{bsfCubed, 45000, 1237},
                    PointsCase{bsfCubedDSV, 50000, 901}, PointsCase{bsfCubedDSV, 60000, 521},
                    PointsCase{bsfCubedDSV, 45000, 1236}, PointsCase{bsfBritish, 50000, 922},
                    PointsCase{bsfBritish, 60000, 572}, PointsCase{bsfBritish, 48300, 1000},
                    PointsCase{bsfBritish, 96600, 100}, PointsCase{bsfCanadian, 48300, 1000},
                    PointsCase{bsfCanadian, 50000, 930}, PointsCase{bsfCanadian, 60000, 566},
                    PointsCase{bsfCanadian, 45000, 1100}, PointsCase{bsfCanadian, 96600, 0},
                    PointsCase{bsfLifesaving, 48300, 1000}, PointsCase{bsfLifesaving, 50000, 953},
                    PointsCase{bsfLifesaving, 96600, 200}, PointsCase{bsfLifesaving, 108675, 140},
                    PointsCase{bsfLifesaving, 120750, 80}, PointsCase{bsfLifesaving, 144900, 0},
                    PointsCase{bsfLifesaving, 500000, 0}));

struct TimeCase {
    TBSSwFormula formula;
    int32_t points;
    TBSSwTime time;
};

class TimeFor4830 : public testing::TestWithParam<TimeCase>
{
};

TEST_P(TimeFor4830, MatchesPublishedValues)
{
    const auto &c = GetParam();
    EXPECT_EQ(FormulaTime(c.formula, c.points, kBase), c.time)
        << BSSwFormulaKeyword(c.formula).toStdString() << " " << c.points;
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, TimeFor4830,
    testing::Values(TimeCase{bsfCubed, 1000, 48308}, TimeCase{bsfCubed, 901, 50017}, TimeCase{bsfCubed, 1, 608541},
                    TimeCase{bsfCubedDSV, 1000, 48300}, TimeCase{bsfCubedDSV, 901, 50008},
                    TimeCase{bsfCubedDSV, 1, 483000}, TimeCase{bsfBritish, 500, 62839},
                    TimeCase{bsfCanadian, 1000, 48300}, TimeCase{bsfCanadian, 999, 48324},
                    TimeCase{bsfCanadian, 1001, 48276}, TimeCase{bsfCanadian, 1100, 45944},
                    TimeCase{bsfLifesaving, 500, 0}, TimeCase{bsfLifesaving, 1000, 0}));

TEST(Rudolph, PointsBetweenTheTwoBaseTimes)
{
    EXPECT_EQ(Points(bsfRudolph, 30000, 37400, 44100), 200);
    EXPECT_EQ(Points(bsfRudolph, 37400, 37400, 44100), 200);
    EXPECT_EQ(Points(bsfRudolph, 40000, 37400, 44100), 126);
    EXPECT_EQ(Points(bsfRudolph, 44100, 37400, 44100), 10);
    EXPECT_EQ(Points(bsfRudolph, 44101, 37400, 44100), 0);
    // Halves round to even.
    EXPECT_EQ(Points(bsfRudolph, 1001, 1000, 1380), 200);
    EXPECT_EQ(Points(bsfRudolph, 1002, 1000, 1380), 199);
    EXPECT_EQ(Points(bsfRudolph, 1003, 1000, 1380), 198);
    // Without a second column only the first base time and faster earn points.
    EXPECT_EQ(Points(bsfRudolph, 37400, 37400, 0), 200);
    EXPECT_EQ(Points(bsfRudolph, 37401, 37400, 0), 0);
    // A gap of many hours would overflow a 32-bit product.
    EXPECT_EQ(Points(bsfRudolph, 2000000000, 1000, 2100000000), 19);
}

// The time for P must be the slowest time whose own points are at least P.
TEST(Rudolph, TimeForPointsIsConsistentWithThePoints)
{
    const TBSSwTime b1 = 37400;
    const TBSSwTime b2 = 44100;
    for (int32_t p = 1; p <= 200; ++p) {
        const TBSSwTime t = FormulaTime(bsfRudolph, p, b1, b2);
        ASSERT_GT(t, 0) << p;
        EXPECT_GE(Points(bsfRudolph, t, b1, b2), p) << p;
        EXPECT_LT(Points(bsfRudolph, t + 1, b1, b2), p) << p;
    }
    // 200 points reach up to 17 ms past the first base time (the deduction rounds to 0 until then).
    EXPECT_EQ(FormulaTime(bsfRudolph, 200, b1, b2), 37417);
    EXPECT_EQ(FormulaTime(bsfRudolph, 10, b1, b2), b2);
    EXPECT_EQ(FormulaTime(bsfRudolph, 5, b1, b2), b2);
    EXPECT_EQ(FormulaTime(bsfRudolph, 201, b1, b2), 0);
    EXPECT_EQ(FormulaTime(bsfRudolph, 50, 0, b2), 0);
    EXPECT_EQ(FormulaTime(bsfRudolph, 50, b1, 0), b1);
}

TEST(Formula, KeywordsWithoutRegardToCaseAndUnknownIsCubed)
{
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("cubed_dsv")), bsfCubedDSV);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("British")), bsfBritish);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("CANADIAN")), bsfCanadian);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("LifeSaving")), bsfLifesaving);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("RUDOLPH")), bsfRudolph);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("CUBED_TRUNC")), bsfCubedTrunc);
    EXPECT_EQ(BSSwFormulaFromKeyword(QStringLiteral("CUBED_DSV_NEW")), bsfCubed);
    EXPECT_EQ(BSSwFormulaFromKeyword(QString()), bsfCubed);
    EXPECT_EQ(Points(BSSwFormulaFromKeyword(QStringLiteral("CUBED_DSV_NEW")), 45000, kBase), 1237);
}

TEST(CubedTrunc, ExactIntegerArithmetic)
{
    // 1000 * (20.07 / 22.30)^3 is exactly 729; floating point lands just below.
    EXPECT_EQ(Points(bsfCubedTrunc, 22300, 20070), 729);
    EXPECT_EQ(Points(bsfCubedTrunc, 48300, kBase), 1000);
    EXPECT_EQ(Points(bsfCubedTrunc, 48301, kBase), 999);
    EXPECT_EQ(Points(bsfCubedTrunc, 1, 2147483646), 9999);
    // Time for points: the largest T with P * T^3 <= 1000 * B^3.
    EXPECT_EQ(FormulaTime(bsfCubedTrunc, 729, 20070), 22300);
    EXPECT_EQ(FormulaTime(bsfCubedTrunc, 1000, kBase), 48300);
    for (int32_t p : {1, 2, 500, 999, 1000, 1001, 1100}) {
        const TBSSwTime t = FormulaTime(bsfCubedTrunc, p, kBase);
        EXPECT_GE(Points(bsfCubedTrunc, t, kBase), p) << p;
        EXPECT_LT(Points(bsfCubedTrunc, t + 1, kBase), p) << p;
    }
}

// The fast CUBED inverse must give exactly what the one-millisecond search gives.
TEST(CubedTime, EqualsTheLiteralSearchForEveryPointValue)
{
    for (TBSSwTime base : {1, 7, 999, 10000, 21880, 48300, 60160, 888880, 1234567, 5000000}) {
        for (int32_t p = 1; p <= 1100; ++p) {
            const int64_t literal = CubedTimeBySteps(p, base);
            const TBSSwTime expected = (literal >= 1 && literal <= 2147483646) ? TBSSwTime(literal) : 0;
            ASSERT_EQ(FormulaTime(bsfCubed, p, base), expected) << "base " << base << " points " << p;
        }
    }
}

TEST(CubedTime, LargePointValuesAlsoMatchTheLiteralSearch)
{
    for (int32_t p : {9999, 100000, 2147483646})
        for (TBSSwTime base : {48300, 2147483646}) {
            const int64_t literal = CubedTimeBySteps(p, base);
            const TBSSwTime expected = (literal >= 1 && literal <= 2147483646) ? TBSSwTime(literal) : 0;
            EXPECT_EQ(FormulaTime(bsfCubed, p, base), expected) << p << " " << base;
        }
}

TEST(CubedPoints, TooManyPointsGive9999)
{
    EXPECT_EQ(Points(bsfCubed, 1, 2147483646), 9999);
    EXPECT_EQ(Points(bsfCubed, 1000, 130000), 9999); // 2197000000 points
    EXPECT_EQ(Points(bsfCubed, 1000, 120000), 1728000000);
}

// No formula may crash, trap or return nonsense on any integer input.
TEST(Formula, ExtremeInputsGiveDefinedResults)
{
    const int32_t values[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1, 2, 1000, 2147483646, 2147483647};
    for (int f = bsfCubed; f <= bsfCubedTrunc; ++f) {
        const auto formula = TBSSwFormula(f);
        for (int32_t a : values)
            for (int32_t b : values)
                for (int32_t c : {0, 1, 2147483646}) {
                    const int32_t points = Points(formula, a, b, c);
                    if (a <= 0 || b <= 0 || a == BSSwNoTime || b == BSSwNoTime)
                        EXPECT_EQ(points, 0) << f << " " << a << " " << b;
                    else
                        EXPECT_GE(points, 0) << f << " " << a << " " << b;
                    const TBSSwTime time = FormulaTime(formula, a, b, c);
                    EXPECT_TRUE(time == 0 || BSSwIsValidTime(time)) << f << " " << a << " " << b << " -> " << time;
                    if (a <= 0 || b <= 0)
                        EXPECT_EQ(time, 0) << f << " " << a << " " << b;
                }
    }
}

} // namespace
