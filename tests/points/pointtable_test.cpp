// The point table model: choosing the base time, points, times, course changes and short names.
#include "domain/calculatorevents.h"
#include "points/finatables.h"
#include "points/pointtableclass.h"
#include "points/pointtables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

BSRef<IBSSwSwimStyle> style(int32_t distance, TBSSwStroke stroke, int32_t relayCount = 1)
{
    return NewSwimStyle(distance, stroke, relayCount);
}

BSRef<IBSSwPoints> tableFromText(const QString &text)
{
    return std::make_shared<TBSSwTextPointTableClass>(0, text, QStringLiteral("test"))->Create();
}

int32_t cubed(double base, double time)
{
    return int32_t(std::nearbyint(1000.0 * std::pow(base / time, 3)));
}

TEST(FinaTable, HundredFreestyleInBothPools)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(TFinaPointTable::ID());
    const auto free100 = EventStyle(1);
    fina->SetCourse(PoolCourse(1)); // 50m pool
    EXPECT_EQ(fina->GetCourse(), bsscLC);
    EXPECT_EQ(fina->PointsForTime(*free100, bssgMen, 99, 50000), 901);
    EXPECT_EQ(fina->TimeForPoints(*free100, bssgMen, 99, 1000), 48308);
    fina->SetCourse(PoolCourse(0)); // 25m pool: the short-course base time 46.79
    EXPECT_EQ(fina->GetCourse(), bsscSC);
    EXPECT_EQ(fina->PointsForTime(*free100, bssgMen, 99, 50000), cubed(46.79, 50.00));
    EXPECT_EQ(fina->PointsForTime(*free100, bssgMen, 99, 50000), 820);
    EXPECT_EQ(fina->PointsForTime(*free100, bssgWomen, 99, 52800), 1000);
    EXPECT_EQ(fina->ShortName(), QStringLiteral("FINA 2004"));
    EXPECT_EQ(fina->Name(), QStringLiteral("FINA Point Scoring"));
    EXPECT_EQ(fina->Version(), QStringLiteral("2004"));
}

TEST(FinaTable, RelayRowIsLookedUpAsTheIndividualDistance)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(3000);
    fina->SetCourse(bsscLC);
    const auto relay = EventStyle(19); // 4 x 100m Freestyle Relay
    ASSERT_EQ(EventKey(*relay), QStringLiteral("400_FR"));
    // Against 3:44.30, the individual 400 m, not the relay line 4_100_FR (3:15.04).
    EXPECT_EQ(fina->PointsForTime(*relay, bssgMen, 99, 200000), 1411);
    EXPECT_EQ(fina->PointsForTime(*style(100, bssFR, 4), bssgMen, 99, 195040), 1000);
}

TEST(FinaTable, SectionChoice)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(3000);
    const auto free50 = style(50, bssFR);
    fina->SetCourse(bsscLC);
    EXPECT_EQ(fina->PointsForTime(*free50, bssgWomen, 99, 24610), 1000); // LC Women
    // Mixed is read as men in this table.
    EXPECT_EQ(fina->PointsForTime(*free50, bssgMixed, 99, 21880), 1000);
    // The LC sections have no 25 m lines; the SC ones do.
    EXPECT_EQ(fina->PointsForTime(*style(25, bssFR), bssgMen, 99, 9640), 0);
    fina->SetCourse(bsscSC);
    EXPECT_EQ(fina->PointsForTime(*style(25, bssFR), bssgMen, 99, 9640), 1000);
    // No section for the 33 m pool.
    fina->SetCourse(bsscSC33);
    EXPECT_EQ(fina->PointsForTime(*free50, bssgWomen, 99, 24610), 0);
    EXPECT_EQ(fina->TimeForPoints(*free50, bssgWomen, 99, 1000), 0);
    // Over all sections the slowest 50_FR is the LC women's.
    EXPECT_EQ(fina->PointsForTimeAnyGroup(*free50, 24610), 1000);
}

TEST(PointTable, MixedUsesMenOnlyWhenTheTableSaysSo)
{
    const QString sections = QStringLiteral("[LC Men]\n50_FR=20.00\n[LC]\n50_FR=30.00\n");
    const auto withMen = tableFromText(QStringLiteral("[Header]\nUseMenForMixed=True\n") + sections);
    const auto without = tableFromText(QStringLiteral("[Header]\n") + sections);
    withMen->SetCourse(bsscLC);
    without->SetCourse(bsscLC);
    const auto free50 = style(50, bssFR);
    EXPECT_EQ(withMen->PointsForTime(*free50, bssgMixed, 99, 20000), 1000);
    EXPECT_EQ(without->PointsForTime(*free50, bssgMixed, 99, 30000), 1000);
    EXPECT_EQ(without->PointsForTime(*free50, bssgWomen, 99, 30000), 0);
}

TEST(PointTable, FirstMatchingSectionCountsEvenWithoutTheLine)
{
    const auto table = tableFromText(QStringLiteral("[Header]\n[XX $]\n100_FR=1:00.00\n[LC Men]\n50_FR=20.00\n"));
    table->SetCourse(bsscLC);
    EXPECT_EQ(table->PointsForTime(*style(50, bssFR), bssgMen, 99, 20000), 0);
    EXPECT_EQ(table->PointsForTime(*style(100, bssFR), bssgMen, 99, 60000), 1000);
}

TEST(PointTable, AgeGroups)
{
    const auto table = tableFromText(QStringLiteral("[Header]\nFormula=RUDOLPH\n"
                                                    "[XX WOMEN 0-9]\n50_FR=37.4 44.1\n"
                                                    "[XX WOMEN 10-10]\n50_FR=33.0 40.0\n"
                                                    "[XX WOMEN 19-99]\n50_FR=26.0 33.0\n"));
    const auto free50 = style(50, bssFR);
    table->SetCourse(bsscSC);
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 9, 37400), 200);
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 9, 44100), 10);
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 10, 33000), 200);
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 15, 26000), 0); // no section for 15
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 99, 26000), 200);
    // The time for RUDOLPH points is the slowest time that still earns them.
    const TBSSwTime t = table->TimeForPoints(*free50, bssgWomen, 9, 126);
    EXPECT_EQ(table->PointsForTime(*free50, bssgWomen, 9, t), 126);
    EXPECT_LT(table->PointsForTime(*free50, bssgWomen, 9, t + 1), 126);
}

TEST(PointTable, ShortNameCarriesTheCourse)
{
    const auto snc = GetPointTable(1004);
    EXPECT_EQ(snc->ShortName(), QStringLiteral("SNC  2003/2004")); // course 0: empty text
    const struct {
        TBSSwCourse course;
        const char *name;
    } cases[] = {{bsscSC, "SNC SC 2003/2004"},     {bsscLC, "SNC LC 2003/2004"},    {bsscSCY, "SNC SCY 2003/2004"},
                 {bsscSC33, "SNC SC33 2003/2004"}, {bsscSC16, "SNC SC16 2003/2004"}};
    for (const auto &c : cases) {
        snc->SetCourse(c.course);
        EXPECT_EQ(snc->ShortName(), QString::fromUtf8(c.name));
    }
    EXPECT_EQ(GetPointTable(1006)->ShortName(), QStringLiteral("SNC  2004/2005"));
    // Only the first "@POOL" is replaced, and only in that spelling.
    const auto table = tableFromText(QStringLiteral("[Header]\nShortNameVersion=@pool @POOL @POOL\n"));
    table->SetCourse(bsscLC);
    EXPECT_EQ(table->ShortName(), QStringLiteral("@pool LC @POOL"));
}

class CountingTable : public TBSSwPointTable
{
public:
    int changes = 0;

protected:
    void CourseChanged() override { ++changes; }
};

TEST(PointTable, SetCourseReportsOnlyChanges)
{
    CountingTable table;
    table.SetCourse(bsscAny);
    EXPECT_EQ(table.changes, 0);
    table.SetCourse(bsscLC);
    table.SetCourse(bsscLC);
    EXPECT_EQ(table.changes, 1);
    table.SetCourse(bsscSC);
    EXPECT_EQ(table.changes, 2);
    EXPECT_EQ(table.GetCourse(), bsscSC);
}

TEST(PointTable, ConvertTime)
{
    const BSRef<IBSSwPoints> fina = GetPointTable(3000);
    fina->SetCourse(bsscSCY);
    const auto free100 = style(100, bssFR);
    // LC 48.30 earns 1000 points; the SC time for 1000 points against 46.79.
    const TBSSwTime sc = fina->ConvertTime(*free100, bssgMen, 48300, bsscLC, bsscSC);
    fina->SetCourse(bsscSC);
    EXPECT_EQ(fina->PointsForTime(*free100, bssgMen, 99, sc), 1000);
    EXPECT_LT(fina->PointsForTime(*free100, bssgMen, 99, sc + 1), 1000);
    fina->SetCourse(bsscSCY);
    fina->ConvertTime(*free100, bssgMen, 48300, bsscLC, bsscSC);
    EXPECT_EQ(fina->GetCourse(), bsscSCY); // the course is restored
    EXPECT_EQ(fina->ConvertTime(*free100, bssgMen, 12345, bsscLC, bsscLC), 12345);
    // A time that earns no points (no 33 m section) comes back unchanged.
    EXPECT_EQ(fina->ConvertTime(*free100, bssgMen, 48300, bsscSC33, bsscLC), 48300);
}

TEST(PointTable, EmptyTableAnswersNothing)
{
    for (int32_t id : {0, 9999, -1}) {
        const BSRef<IBSSwPoints> table = GetPointTable(id);
        table->SetCourse(bsscLC);
        const auto free100 = style(100, bssFR);
        EXPECT_EQ(table->PointsForTime(*free100, bssgMen, 99, 50000), 0);
        EXPECT_EQ(table->TimeForPoints(*free100, bssgMen, 99, 1000), 0);
        EXPECT_EQ(table->PointsForTimeAnyGroup(*free100, 50000), 0);
        EXPECT_TRUE(table->ShortName().isEmpty());
        EXPECT_TRUE(table->Name().isEmpty());
        EXPECT_TRUE(table->Version().isEmpty());
    }
    // A table text without sections answers 0 as well.
    const auto noSections = tableFromText(QStringLiteral("just text"));
    EXPECT_EQ(noSections->PointsForTimeAnyGroup(*style(50, bssFR), 20000), 0);
}

TEST(BuiltInTables, WithoutBaseTimesEveryAnswerIsZero)
{
    // Tables shipped without their published base times: 0 points and no time, never a guess.
    for (int32_t id : {1004, 1006, 1001, 1007, 1005, 1008}) {
        const BSRef<IBSSwPoints> table = GetPointTable(id);
        for (int course = 0; course < BSSwCourseCount; ++course) {
            table->SetCourse(TBSSwCourse(course));
            for (int row = 0; row < CalcEventCount; ++row)
                for (TBSSwGender gender : {bssgMen, bssgWomen}) {
                    ASSERT_EQ(table->PointsForTime(*EventStyle(row), gender, 40, 60000), 0) << id;
                    ASSERT_EQ(table->TimeForPoints(*EventStyle(row), gender, 40, 500), 0) << id;
                }
        }
    }
}

TEST(BuiltInTables, RudolphWomenTwelve)
{
    const BSRef<IBSSwPoints> rudolph = GetPointTable(1105);
    for (int pool = 0; pool < CalcPoolCount; ++pool) {
        rudolph->SetCourse(PoolCourse(pool));
        EXPECT_EQ(rudolph->PointsForTime(*EventStyle(0), bssgWomen, 12, 30000), 146);
    }
    EXPECT_EQ(rudolph->PointsForTime(*EventStyle(0), bssgWomen, 9, 37400), 200);
    EXPECT_EQ(rudolph->PointsForTime(*EventStyle(1), bssgWomen, 9, 100300), 10);
    EXPECT_EQ(rudolph->PointsForTime(*EventStyle(0), bssgMen, 12, 30000), 0);
}

TEST(BuiltInTables, DsvMasters2004HasNoSectionBelowTwenty)
{
    const BSRef<IBSSwPoints> masters = GetPointTable(1008);
    const auto *table = dynamic_cast<const TBSSwBaseTimesPointTable *>(masters.get());
    ASSERT_NE(table, nullptr);
    for (size_t i = 1; i < table->Sections().size(); ++i)
        EXPECT_FALSE(table->Sections()[i].Matches(bsscSC, bssgWomen, 18)) << i;
    EXPECT_TRUE(table->Sections()[1].Matches(bsscSC, bssgWomen, 20));
}

} // namespace
