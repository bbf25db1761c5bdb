#include "domain/agerange.h"

#include <gtest/gtest.h>

namespace {

struct ContainsCase {
    const char *range;
    int age;
    bool contains;
};

class AgeRangeContains : public testing::TestWithParam<ContainsCase>
{
};

TEST_P(AgeRangeContains, FromText)
{
    const auto &c = GetParam();
    EXPECT_EQ(NewAgeRangeFromText(QString::fromLatin1(c.range))->Contains(c.age), c.contains)
        << c.range << " " << c.age;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AgeRangeContains,
    testing::Values(ContainsCase{"0-9", 1, true}, ContainsCase{"0-9", 9, true}, ContainsCase{"0-9", 10, false},
                    ContainsCase{"19-99", 19, true}, ContainsCase{"19-99", 99, true}, ContainsCase{"19-99", 18, false},
                    ContainsCase{"72-99", 99, true}, ContainsCase{"72-99", 100, false},
                    ContainsCase{"95-99", 120, true}, ContainsCase{"90-94", 95, false},
                    ContainsCase{"Open", 5, true}, ContainsCase{"OPEN", 150, true}, ContainsCase{"", 1, true},
                    ContainsCase{"10-10", 10, true}, ContainsCase{"10-10", 9, false},
                    ContainsCase{"10-10", 11, false}, ContainsCase{"12", 12, true}, ContainsCase{"12", 13, false},
                    ContainsCase{"-9", 9, true}, ContainsCase{"-9", 8, false}, ContainsCase{"---", 40, true},
                    ContainsCase{" 20 - 24 ", 24, true}, ContainsCase{"20-24-30", 25, false},
                    ContainsCase{"x-y", 77, true}));

TEST(AgeRange, NewAgeRangeOpensTheTopAt99Except72To99)
{
    EXPECT_EQ(NewAgeRange(0, 9)->MinAge(), BSSwAgeOpen);
    EXPECT_EQ(NewAgeRange(19, 99)->MaxAge(), BSSwAgeOpen);
    EXPECT_EQ(NewAgeRange(72, 99)->MaxAge(), 99);
    EXPECT_EQ(NewAgeRange(20, 999)->MaxAge(), BSSwAgeOpen);
    EXPECT_EQ(NewAgeRange(20, 0)->MaxAge(), BSSwAgeOpen);
    EXPECT_TRUE(NewAgeRange(-3, -3)->IsAll());
}

TEST(AgeRange, TextSpanAndEquality)
{
    EXPECT_EQ(NewAgeRange(10, 10)->Text(), QStringLiteral("00010_00010"));
    EXPECT_EQ(NewEmptyAgeRange()->Text(), QStringLiteral("X"));
    EXPECT_FALSE(NewEmptyAgeRange()->Contains(30));
    EXPECT_EQ(NewEmptyAgeRange()->Span(), 0);
    EXPECT_EQ(NewAgeRange(10, 14)->Span(), 4);
    EXPECT_EQ(NewAgeRange(0, 9)->Span(), 9);
    EXPECT_EQ(NewAgeRange(19, 99)->Span(), 2147483647 - 19);
    EXPECT_TRUE(NewAgeRange(10, 14)->Equals(NewAgeRangeFromText(QStringLiteral("10-14"))));
    EXPECT_FALSE(NewAgeRange(10, 14)->Equals(NewAgeRange(10, 15)));
    EXPECT_FALSE(NewAgeRange(10, 14)->Equals(BSRef<IBSUnknown>()));
}

TEST(AgeRange, ContainsRange)
{
    const auto teens = NewAgeRange(13, 19);
    EXPECT_TRUE(teens->ContainsRange(*NewAgeRange(14, 15)));
    EXPECT_FALSE(teens->ContainsRange(*NewAgeRange(12, 15)));
    EXPECT_FALSE(teens->ContainsRange(*NewAgeRange(14, 20)));
    EXPECT_FALSE(teens->ContainsRange(*NewAgeRange(14, 0))); // open top is above any end
    EXPECT_TRUE(NewAgeRange(0, 0)->ContainsRange(*teens));
}

TEST(AgeRange, UnionWidensAndOpens)
{
    const auto joined = NewAgeRange(10, 12)->Union(*NewAgeRange(15, 18));
    EXPECT_EQ(joined->MinAge(), 10);
    EXPECT_EQ(joined->MaxAge(), 18);
    const auto open = NewAgeRange(10, 12)->Union(*NewAgeRange(15, 0));
    EXPECT_EQ(open->MinAge(), 10);
    EXPECT_EQ(open->MaxAge(), BSSwAgeOpen);
    const auto fromEmpty = NewEmptyAgeRange()->Union(*NewAgeRange(5, 6));
    EXPECT_EQ(fromEmpty->Text(), QStringLiteral("00005_00006"));
    EXPECT_EQ(NewAgeRange(5, 6)->Union(*NewEmptyAgeRange())->Text(), QStringLiteral("00005_00006"));
}

} // namespace
