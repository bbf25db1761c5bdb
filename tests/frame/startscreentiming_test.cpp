#include "frame/startscreentiming.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

TEST(StartScreenTiming, FirstTickComesAfterTheMinimumTime)
{
    TStartScreenTiming t;
    t.Started(1);
    EXPECT_TRUE(t.Running());
    EXPECT_EQ(t.Interval(), 1000);
}

TEST(StartScreenTiming, StartupDoneBeforeTheMinimumTimeClosesAtTheFirstTick)
{
    TStartScreenTiming t;
    t.Started(1);
    t.StartupDone();
    EXPECT_TRUE(t.Running()); // nothing closes before the first tick
    EXPECT_TRUE(t.Tick());
    EXPECT_FALSE(t.Running());
}

TEST(StartScreenTiming, WithoutStartupDoneTheTimerLooksAgainEvery50Ms)
{
    TStartScreenTiming t;
    t.Started(2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(t.Tick());
        EXPECT_TRUE(t.Running());
        EXPECT_EQ(t.Interval(), 50);
    }
}

TEST(StartScreenTiming, StartupDoneLaterClosesAtTheNextTick)
{
    TStartScreenTiming t;
    t.Started(1);
    EXPECT_FALSE(t.Tick());
    EXPECT_FALSE(t.Tick());
    t.StartupDone();
    EXPECT_TRUE(t.Tick());
    EXPECT_FALSE(t.Tick()); // a stopped timer does not close twice
}

} // namespace
