#include "frame/placement.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

const QRect Screen1024(0, 0, 1024, 768);

TEST(WindowPlacement, ParsesFiveIntegers)
{
    const auto p = TWindowPlacement::Parse(QStringLiteral("10,-20,300,200,2"));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(*p, (TWindowPlacement{10, -20, 300, 200, 2}));
    EXPECT_EQ(p->ToText(), QStringLiteral("10,-20,300,200,2"));
}

TEST(WindowPlacement, AnythingButFiveIntegersIsNoPlacement)
{
    for (const char *text : {"", "1,2,3,4", "1,2,3,4,5,6", "a,2,3,4,5", "1,2,,4,5", "1.5,2,3,4,5"})
        EXPECT_FALSE(TWindowPlacement::Parse(QString::fromLatin1(text)).has_value()) << text;
}

struct RestoreCase
{
    const char *name;
    TWindowPlacement saved;
    bool sizeable;
    QRect expected;
    bool centred;
};

class RestorePlacement : public ::testing::TestWithParam<RestoreCase>
{
};

TEST_P(RestorePlacement, CorrectsForTheScreen)
{
    const RestoreCase c = GetParam();
    const TRestoredPlacement r = CorrectPlacement(c.saved, QSize(400, 300), c.sizeable, Screen1024);
    EXPECT_EQ(r.bounds, c.expected);
    EXPECT_EQ(r.centred, c.centred);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorePlacement,
    ::testing::Values(
        RestoreCase{"Unchanged", {100, 50, 500, 400, 0}, true, QRect(100, 50, 500, 400), false},
        // 10 pixels of the form stay visible at the right.
        RestoreCase{"FarRight", {3000, 50, 500, 400, 0}, true, QRect(1014, 50, 500, 400), false},
        RestoreCase{"NegativeTop", {100, -300, 500, 400, 0}, true, QRect(100, 0, 500, 400), false},
        RestoreCase{"NegativeLeft", {-5000, 100, 500, 400, 0}, true, QRect(0, 100, 500, 400), false},
        RestoreCase{"FarDown", {100, 5000, 500, 400, 0}, true, QRect(262, 184, 500, 400), true},
        // A top within the lowest 30 pixels of the screen leaves the title bar unreachable: centred.
        RestoreCase{"TopInLowest30", {100, 740, 500, 400, 0}, true, QRect(262, 184, 500, 400), true},
        RestoreCase{"TopJustAbove", {100, 738, 500, 400, 0}, true, QRect(100, 738, 500, 400), false},
        RestoreCase{"FixedSizeKeepsDesign", {100, 50, 900, 700, 0}, false, QRect(100, 50, 400, 300), false},
        RestoreCase{"TooLargeIsLimited", {0, 0, 5000, 5000, 0}, true, QRect(0, 0, 1014, 758), false},
        RestoreCase{"NoSizeKeepsDesign", {10, 10, 0, -4, 0}, true, QRect(10, 10, 400, 300), false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RestorePlacementState, MaximisedStaysMaximisedWithItsNormalBounds)
{
    const TRestoredPlacement r = CorrectPlacement({20, 30, 640, 480, 2}, QSize(400, 300), true, Screen1024);
    EXPECT_EQ(r.state, TWindowPlacement::Maximised);
    EXPECT_EQ(r.bounds, QRect(20, 30, 640, 480));
}

TEST(RestorePlacementState, UnknownStateIsNormal)
{
    EXPECT_EQ(CorrectPlacement({20, 30, 640, 480, 7}, QSize(400, 300), true, Screen1024).state, 0);
    EXPECT_EQ(CorrectPlacement({20, 30, 640, 480, -1}, QSize(400, 300), true, Screen1024).state, 0);
}

TEST(RestorePlacementScreen, SecondScreenKeepsItsOrigin)
{
    const QRect second(1024, 0, 1280, 1024);
    const TRestoredPlacement r = CorrectPlacement({1100, 100, 500, 400, 0}, QSize(400, 300), true, second);
    EXPECT_EQ(r.bounds, QRect(1100, 100, 500, 400));
    EXPECT_EQ(CentredPosition(QSize(280, 24), second), QPoint(1024 + 500, 500));
}

TEST(CentredPosition, HalvesRoundTowardZero)
{
    EXPECT_EQ(CentredPosition(QSize(401, 301), Screen1024), QPoint(311, 233));
    EXPECT_EQ(CentredPosition(QSize(1100, 800), Screen1024), QPoint(-38, -16));
}

struct SnapCase
{
    const char *name;
    QRect bounds;
    TKeepInScreenOptions options;
    QPoint expected;
};

class Snapping : public ::testing::TestWithParam<SnapCase>
{
};

// A work area of 1024 x 738 below which a 30 pixel panel lies.
const QRect WorkArea(0, 0, 1024, 738);

TEST_P(Snapping, MovesOntoTheEdgesWithin20Pixels)
{
    const SnapCase c = GetParam();
    EXPECT_EQ(KeepInScreen(c.bounds, WorkArea, c.options), c.expected);
}

const TKeepInScreenOptions Snap{false, true, false};
const TKeepInScreenOptions NoSnap{false, false, false};
const TKeepInScreenOptions Keep{true, false, false};
const TKeepInScreenOptions KeepMax{true, false, true};
const TKeepInScreenOptions SnapMax{false, true, true};

INSTANTIATE_TEST_SUITE_P(
    Cases, Snapping,
    ::testing::Values(SnapCase{"Left15Snaps", QRect(15, 300, 200, 100), Snap, QPoint(0, 300)},
                      SnapCase{"Left25Stays", QRect(25, 300, 200, 100), Snap, QPoint(25, 300)},
                      SnapCase{"Left19Snaps", QRect(19, 300, 200, 100), Snap, QPoint(0, 300)},
                      SnapCase{"Left20Stays", QRect(20, 300, 200, 100), Snap, QPoint(20, 300)},
                      SnapCase{"LeftMinus15Snaps", QRect(-15, 300, 200, 100), Snap, QPoint(0, 300)},
                      SnapCase{"TopSnaps", QRect(300, 12, 200, 100), Snap, QPoint(300, 0)},
                      // right edge 1010: 14 pixels from the right border
                      SnapCase{"RightSnaps", QRect(810, 300, 200, 100), Snap, QPoint(824, 300)},
                      // bottom edge 719: 19 pixels above the panel
                      SnapCase{"BottomSnapsToPanel", QRect(300, 619, 200, 100), Snap, QPoint(300, 638)},
                      SnapCase{"BottomFarAboveStays", QRect(300, 600, 200, 100), Snap, QPoint(300, 600)},
                      SnapCase{"NoSnapWhenOff", QRect(15, 10, 200, 100), NoSnap, QPoint(15, 10)},
                      SnapCase{"MaximisedNeverSnaps", QRect(15, 10, 200, 100), SnapMax, QPoint(15, 10)},
                      SnapCase{"KeepPullsBackFromRight", QRect(900, 300, 200, 100), Keep, QPoint(824, 300)},
                      SnapCase{"KeepPullsUpAbovePanel", QRect(300, 700, 200, 100), Keep, QPoint(300, 638)},
                      SnapCase{"KeepNegativeBecomesZero", QRect(-40, -30, 200, 100), Keep, QPoint(0, 0)},
                      SnapCase{"KeepMaximisedMayBeNegative", QRect(-4, -4, 1032, 746), KeepMax, QPoint(-4, -4)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SnappingOffsetWorkArea, UsesTheWorkAreaEdges)
{
    // A panel of 40 pixels at the left of the screen.
    const QRect area(40, 0, 984, 768);
    EXPECT_EQ(KeepInScreen(QRect(50, 300, 200, 100), area, Snap), QPoint(40, 300));
    EXPECT_EQ(KeepInScreen(QRect(70, 300, 200, 100), area, Snap), QPoint(70, 300));
}

} // namespace
