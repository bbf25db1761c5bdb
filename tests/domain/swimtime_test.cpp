#include "domain/swimtime.h"

#include <gtest/gtest.h>

namespace {

struct TimeTextCase {
    int32_t time;
    const char *text;
};

class TimeToStr : public testing::TestWithParam<TimeTextCase>
{
};

TEST_P(TimeToStr, WritesTableTimes)
{
    EXPECT_EQ(BSSwTimeToStr(GetParam().time, true), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, TimeToStr,
                         testing::Values(TimeTextCase{1, "0.00"}, TimeTextCase{999, "0.99"},
                                         TimeTextCase{5070, "5.07"}, TimeTextCase{60000, "1:00.00"},
                                         TimeTextCase{83459, "1:23.45"}, TimeTextCase{3599999, "59:59.99"},
                                         TimeTextCase{3600000, "1h00:00.00"}, TimeTextCase{3723040, "1h02:03.04"},
                                         TimeTextCase{2147483646, "596h31:23.64"}, TimeTextCase{0, "NT"},
                                         TimeTextCase{-5, "NT"}, TimeTextCase{BSSwNoTime, "NT"}));

TEST(TimeToStr, NoTimeIsEmptyWithoutShowNT)
{
    for (int32_t t : {0, -1, -2147483647 - 1, BSSwNoTime})
        EXPECT_EQ(BSSwTimeToStr(t, false), QString()) << t;
}

struct StrToTimeCase {
    const char *text;
    int32_t time;
};

class StrToTime : public testing::TestWithParam<StrToTimeCase>
{
};

TEST_P(StrToTime, ReadsTableTimes)
{
    EXPECT_EQ(BSSwStrToTime(QString::fromLatin1(GetParam().text)), GetParam().time) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Values, StrToTime,
    testing::Values(StrToTimeCase{"21.88", 21880}, StrToTimeCase{"1:00.16", 60160}, StrToTimeCase{"14:48.88", 888880},
                    StrToTimeCase{"0:59.30", 59300}, StrToTimeCase{"37.4", 37400}, StrToTimeCase{"1:17.5", 77500},
                    StrToTimeCase{"45", 45000}, StrToTimeCase{"145", 1450}, StrToTimeCase{"12345", 83450},
                    StrToTimeCase{"1 : 23 . 45", 83450}, StrToTimeCase{"23,45", 23450},
                    StrToTimeCase{"1h02:03.04", 3723040}, StrToTimeCase{"", BSSwNoTime},
                    StrToTimeCase{"NT", BSSwNoTime}, StrToTimeCase{"0", BSSwNoTime},
                    StrToTimeCase{"0.00", BSSwNoTime}, StrToTimeCase{"5a.00", BSSwNoTime},
                    StrToTimeCase{"1:5a.00", 60000}, StrToTimeCase{"9999h99:99.99", 362439990},
                    StrToTimeCase{"1.2.3.4.5.6", 11045600}));

struct ChronTextCase {
    int32_t chron;
    const char *text;
};

class ChronText : public testing::TestWithParam<ChronTextCase>
{
};

TEST_P(ChronText, WritesFixedWidth)
{
    EXPECT_EQ(ChronToStr(GetParam().chron, true), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, ChronText,
                         testing::Values(ChronTextCase{834050, " 1:23.45"}, ChronTextCase{235000, "   23.50"},
                                         ChronTextCase{235100, "   23.5*"}, ChronTextCase{7545060, "12:34.56"},
                                         ChronTextCase{11, "   00.01"}, ChronTextCase{10, "NT"},
                                         ChronTextCase{35999089, "59:59.98"}, ChronTextCase{ChronNoTime, "NT"},
                                         ChronTextCase{0, "NT"}, ChronTextCase{-834050, "NT"}));

TEST(ChronText, NoTextWithoutShowNT)
{
    EXPECT_EQ(ChronToStr(ChronNoTime, false), QString());
    EXPECT_EQ(ChronToStr(0, false), QString());
    EXPECT_EQ(ChronToStr(10, false), QString());
}

struct StrToChronCase {
    const char *text;
    int32_t chron;
};

class StrToChronRead : public testing::TestWithParam<StrToChronCase>
{
};

TEST_P(StrToChronRead, ReadsFieldText)
{
    EXPECT_EQ(StrToChron(QString::fromLatin1(GetParam().text)), GetParam().chron) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, StrToChronRead,
                         testing::Values(StrToChronCase{"  :  .  ", 0}, StrToChronCase{" 1:23.45", 834050},
                                         StrToChronCase{"23.45", 234050}, StrToChronCase{"1:23.4", 834100},
                                         StrToChronCase{"1:23.", 830100}, StrToChronCase{"1:23.4x", 834100},
                                         StrToChronCase{"99:99.99", ChronNoTime}, StrToChronCase{"99:99,99", ChronNoTime},
                                         StrToChronCase{"1:2:3.4", 634100}, StrToChronCase{"", 0},
                                         StrToChronCase{"123", 0}, StrToChronCase{"   23.5*", 235100},
                                         StrToChronCase{"99999999999:00.00", 0}, StrToChronCase{"3579:00.00", 2147400000},
                                         StrToChronCase{"3580:00.00", 0}));

TEST(ChronConversion, BetweenChronAndSwimTime)
{
    EXPECT_EQ(ChronToSwimTime(834100), 83400);
    EXPECT_EQ(ChronToSwimTime(834050), 83450);
    EXPECT_EQ(ChronToSwimTime(ChronNoTime), BSSwNoTime);
    EXPECT_EQ(SwimTimeToChron(83459), 834050);
    EXPECT_EQ(SwimTimeToChron(BSSwNoTime), ChronNoTime);
    // An hour or more has a chrono value without text.
    EXPECT_GT(SwimTimeToChron(3600000), 35999089);
    EXPECT_EQ(ChronToStr(SwimTimeToChron(3600000), false), QString());
    // Far beyond: saturates, never wraps to a negative or a small value with a text.
    EXPECT_EQ(SwimTimeToChron(2147483646), 2147483647);
    for (int32_t t : {10, 990, 59990, 83450, 3599980})
        EXPECT_EQ(ChronToSwimTime(SwimTimeToChron(t)), t) << t;
    // 59:59.99 is the code of no time in a chrono field.
    EXPECT_EQ(SwimTimeToChron(3599990), ChronNoTime);
}

} // namespace
