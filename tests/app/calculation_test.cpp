// The calculation the calculator and the command line share, and the typed time it reads.
#include "app/calculation.h"
#include "points/pointtables.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TypedTimeCase {
    const char *text;
    std::optional<TChron> chron;
};

TEST(TypedTime, AcceptsWhatTheTimeFieldHolds)
{
    const TypedTimeCase cases[] = {
        {"50.00", 500000},       {"1:02.37", 623070},   {" 1:02.37 ", 623070}, {"9:05,1", 5451100},
        {"59:59.99", ChronNoTime},  {"0.01", 10},          {"", 0},               {"  :  .  ", 0},
        {"NT", ChronNoTime},     {"nt", ChronNoTime},   {"50", std::nullopt},  {"1:02", std::nullopt},
        {"abc", std::nullopt},   {"1:75.00", std::nullopt}, {"60.00", std::nullopt}, {"100:00.00", std::nullopt},
        {"1:02.375", std::nullopt}, {"-1.00", std::nullopt}, {"1.2.3", std::nullopt}, {"1::02.00", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadTypedTime(QString::fromUtf8(c.text)), c.chron) << c.text;
}

TEST(Calculation, TimeModeAndPointsMode)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(3000);
    TCalcInput input;
    input.eventRow = 1; // 100m Freestyle
    input.poolRow = 1;  // 50m pool
    input.gender = bssgMen;
    input.chron = *ReadTypedTime(QStringLiteral("50.00"));
    TCalcOutput output = Calculate(*fina, input);
    EXPECT_EQ(fina->GetCourse(), bsscLC);
    EXPECT_EQ(output.points, 901);
    EXPECT_EQ(HistoryLine(fina->ShortName(), QStringLiteral("100m Freestyle"), QStringLiteral("Men"), 99,
                          output.chron, output.points),
              QStringLiteral("FINA 2004;100m Freestyle;Men;99;50.00;901 Pt."));

    input.pointsMode = true;
    input.points = 1000;
    output = Calculate(*fina, input);
    EXPECT_EQ(output.points, 1000);
    EXPECT_EQ(ChronToSwimTime(output.chron), 48300); // 48308 ms, shown to the hundredth
    EXPECT_EQ(ChronToStr(output.chron, false).trimmed(), QStringLiteral("48.30"));

    input.points = 2000; // read as 1100
    output = Calculate(*fina, input);
    EXPECT_EQ(output.points, CalcMaxPoints);

    // Negative points count as 0: no time, whatever the formula would make of them.
    for (const int32_t negative : {-1, -500, std::numeric_limits<int32_t>::min()}) {
        input.points = negative;
        output = Calculate(*fina, input);
        EXPECT_EQ(output.points, 0) << negative;
        EXPECT_EQ(output.chron, 0) << negative;
    }

    // Time mode is not capped.
    input.pointsMode = false;
    input.chron = *ReadTypedTime(QStringLiteral("45.00"));
    EXPECT_EQ(Calculate(*fina, input).points, 1237);
    // No time and an empty field both earn 0 and leave the time item empty.
    for (const char *text : {"NT", ""}) {
        input.chron = *ReadTypedTime(QString::fromUtf8(text));
        output = Calculate(*fina, input);
        EXPECT_EQ(output.points, 0);
        EXPECT_TRUE(ChronToStr(output.chron, false).trimmed().isEmpty());
    }
}

TEST(Calculation, TimeOfAnHourOrMoreHasNoText)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(3000);
    TCalcInput input;
    input.eventRow = 5; // 1500m Freestyle
    input.poolRow = 1;
    input.pointsMode = true;
    input.points = 1;
    const TCalcOutput output = Calculate(*fina, input);
    EXPECT_GE(ChronToSwimTime(output.chron), 3600000);
    EXPECT_TRUE(ChronToStr(output.chron, false).trimmed().isEmpty());
}

} // namespace
