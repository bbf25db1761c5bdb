#include "domain/calculatorevents.h"
#include "domain/swimstyle.h"

#include <gtest/gtest.h>

namespace {

TEST(EventKey, IndividualRelayAndStrokelessStyles)
{
    EXPECT_EQ(EventKey(*NewSwimStyle(100, bssFR, 1)), QStringLiteral("100_FR"));
    EXPECT_EQ(EventKey(*NewSwimStyle(100, bssFR, 4)), QStringLiteral("4_100_FR"));
    EXPECT_EQ(EventKey(*NewSwimStyle(200, bssNone, 1)), QStringLiteral("ID_0"));
    // 255 swimmers is not a relay: no count in front.
    EXPECT_EQ(EventKey(*NewSwimStyle(50, bssBU, 255)), QStringLiteral("50_BU"));
}

TEST(SwimStyle, IsRelayOnlyForTwoTo254Swimmers)
{
    EXPECT_FALSE(NewSwimStyle(100, bssFR, 1)->IsRelay());
    EXPECT_TRUE(NewSwimStyle(100, bssFR, 2)->IsRelay());
    EXPECT_TRUE(NewSwimStyle(100, bssFR, 254)->IsRelay());
    EXPECT_FALSE(NewSwimStyle(100, bssFR, 255)->IsRelay());
}

TEST(SwimStyle, EqualsComparesAllFieldsAndRefusesOtherObjects)
{
    const auto style = NewSwimStyle(100, bssBA, 1);
    EXPECT_TRUE(style->Equals(NewSwimStyle(100, bssBA, 1)));
    EXPECT_FALSE(style->Equals(NewSwimStyle(100, bssBR, 1)));
    EXPECT_FALSE(style->Equals(NewSwimStyle(200, bssBA, 1)));
    EXPECT_FALSE(style->Equals(NewSwimStyle(100, bssBA, 4)));
    EXPECT_FALSE(style->Equals(BSRef<IBSUnknown>()));
    EXPECT_TRUE(NewSwimStyle(100, bssNone, 1)->Equals(NewSwimStyle(100, bssNone, 1)));
}

// Every calculator row with the key a table is asked for.
TEST(CalculatorEvents, EveryRowLooksUpItsIndividualKey)
{
    const char *const keys[CalcEventCount] = {
        "50_FR",  "100_FR", "200_FR", "400_FR", "800_FR", "1500_FR", "50_BU",  "100_BU", "200_BU",
        "50_BA",  "100_BA", "200_BA", "50_BR",  "100_BR", "200_BR",  "100_IM", "200_IM", "400_IM",
        "200_FR", "400_FR", "800_FR", "500_FR", "1000_FR", "200_BU", "400_BU", "800_BU", "200_BA",
        "400_BA", "800_BA", "200_BR", "400_BR", "800_BR", "200_IM", "400_IM"};
    for (int row = 0; row < CalcEventCount; ++row) {
        const auto style = EventStyle(row);
        ASSERT_TRUE(style) << row;
        EXPECT_EQ(EventKey(*style), QString::fromLatin1(keys[row])) << row;
        EXPECT_EQ(style->RelayCount(), 1) << row;
    }
    EXPECT_FALSE(EventStyle(-1));
    EXPECT_FALSE(EventStyle(CalcEventCount));
}

TEST(CalculatorEvents, PoolCourses)
{
    EXPECT_EQ(PoolCourse(0), bsscSC);
    EXPECT_EQ(PoolCourse(1), bsscLC);
    EXPECT_EQ(PoolCourse(2), bsscSCY);
    EXPECT_EQ(PoolCourse(3), bsscSC33);
    EXPECT_EQ(PoolCourse(4), bsscSC16);
    EXPECT_EQ(PoolCourse(5), bsscAny);
    EXPECT_EQ(PoolCourse(-1), bsscAny);
}

TEST(CourseText, RoundTripsWithoutRegardToCase)
{
    for (TBSSwCourse c = bsscLC; c < BSSwCourseCount; ++c)
        EXPECT_EQ(BSSwCourseFromText(BSSwCourseText(c).toLower()), c);
    EXPECT_EQ(BSSwCourseFromText(QStringLiteral("Men")), bsscAny);
    EXPECT_EQ(BSSwStrokeText(bssIM), QStringLiteral("IM"));
    EXPECT_EQ(BSSwStrokeText(bssNone), QString());
}

} // namespace
