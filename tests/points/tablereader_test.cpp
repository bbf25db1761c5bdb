// The table text reader: section names, header values, event lines and the merged section.
#include "points/basetimetable.h"
#include "points/tabletext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

// A test name made of the letters and digits of a text, other characters as "_".
std::string testName(const char *text, size_t index)
{
    std::string name;
    for (const char *c = text; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name + "_" + std::to_string(index);
}

BSRef<IBSSwSwimStyle> style(int32_t distance, TBSSwStroke stroke, int32_t relayCount = 1)
{
    return NewSwimStyle(distance, stroke, relayCount);
}

struct SectionCase {
    const char *name;
    TBSSwCourse course;
    TBSSwGender gender;
    int32_t youngest; // an age the section applies to, or 0 for none tested
    int32_t excluded; // an age it does not apply to, or 0 when it applies to every age
};

class SectionName : public testing::TestWithParam<SectionCase>
{
};

TEST_P(SectionName, GivesCourseGenderAndAges)
{
    const SectionCase &c = GetParam();
    const TBaseTimeTable section{QString::fromUtf8(c.name)};
    EXPECT_EQ(section.Course(), c.course);
    EXPECT_EQ(section.Gender(), c.gender);
    if (c.youngest)
        EXPECT_TRUE(section.Matches(c.course, c.gender, c.youngest));
    if (c.excluded)
        EXPECT_FALSE(section.Matches(c.course, c.gender, c.excluded));
    else
        EXPECT_TRUE(section.Matches(c.course, c.gender, 99));
}

INSTANTIATE_TEST_SUITE_P(
    Words, SectionName,
    testing::Values(SectionCase{"LC Men", bsscLC, bssgMen, 1, 0}, SectionCase{"sc women", bsscSC, bssgWomen, 1, 0},
                    SectionCase{"SCY Men", bsscSCY, bssgMen, 1, 0}, SectionCase{"SC33 Men", bsscSC33, bssgMen, 1, 0},
                    SectionCase{"SC16 Women", bsscSC16, bssgWomen, 1, 0},
                    SectionCase{"XX WOMEN 0-9", bsscAny, bssgWomen, 9, 10},
                    SectionCase{"XX MEN 10-10", bsscAny, bssgMen, 10, 11},
                    SectionCase{"XX MEN 19-99", bsscAny, bssgMen, 19, 18},
                    SectionCase{"XX $ Open", bsscAny, bssgAny, 1, 0},
                    // One word: mixed, every age. Two blanks make word 2 empty: mixed.
                    SectionCase{"LC", bsscLC, bssgMixed, 1, 0}, SectionCase{"LC  Men", bsscLC, bssgMixed, 1, 0},
                    SectionCase{"LC Mixed", bsscLC, bssgMixed, 1, 0}, SectionCase{"", bsscAny, bssgMixed, 1, 0}),
    [](const testing::TestParamInfo<SectionCase> &info) { return testName(info.param.name, info.index); });

TEST(SectionMatch, AnyCourseAndAnyGenderMatchEverything)
{
    const TBaseTimeTable any{QStringLiteral("XX $")};
    for (TBSSwCourse course = 0; course < BSSwCourseCount; ++course)
        for (TBSSwGender gender = 0; gender <= bssgMixed; ++gender)
            EXPECT_TRUE(any.Matches(course, gender, 30));
    const TBaseTimeTable lcMen{QStringLiteral("LC Men")};
    EXPECT_FALSE(lcMen.Matches(bsscSC, bssgMen, 30));
    EXPECT_FALSE(lcMen.Matches(bsscLC, bssgWomen, 30));
    EXPECT_FALSE(lcMen.Matches(bsscLC, bssgMixed, 30));
    // A section for mixed does not answer a request for men.
    EXPECT_FALSE(TBaseTimeTable{QStringLiteral("LC")}.Matches(bsscLC, bssgMen, 30));
}

TEST(TableHeader, ValuesAndDefaults)
{
    const auto full = ReadTableText(QStringLiteral("[header]\r\nName=N\r\nFormula=canadian\r\nShortNameVersion=SNC @POOL 04\r\n"
                                                   "UseMenForMixed=TRUE\r\n"));
    EXPECT_EQ(full.Formula, bsfCanadian);
    EXPECT_TRUE(full.UseMenForMixed);
    EXPECT_EQ(full.ShortNameVersion, QStringLiteral("SNC @POOL 04"));
    EXPECT_EQ(full.Sections.size(), 1u); // the merged section only

    const auto bare = ReadTableText(QStringLiteral("[Header]\n"));
    EXPECT_EQ(bare.Formula, bsfCubed);
    EXPECT_FALSE(bare.UseMenForMixed);
    EXPECT_TRUE(bare.ShortNameVersion.isEmpty());

    const auto names = ReadTableNames(QStringLiteral("[HEADER]\nName = FINA Point Scoring \nVersion=2004\n"));
    EXPECT_EQ(names.Name, QStringLiteral("FINA Point Scoring"));
    EXPECT_EQ(names.Version, QStringLiteral("2004"));
    EXPECT_TRUE(ReadTableNames(QStringLiteral("[LC Men]\n50_FR=21.88\n")).Name.isEmpty());
}

TEST(TableHeader, FormulaKeywords)
{
    const struct {
        const char *keyword;
        TBSSwFormula formula;
    } cases[] = {{"CUBED", bsfCubed},       {"cubed_dsv", bsfCubedDSV},    {"British", bsfBritish},
                 {"CANADIAN", bsfCanadian}, {"LIFESAVING", bsfLifesaving}, {"Rudolph", bsfRudolph},
                 {"CUBED_TRUNC", bsfCubedTrunc}, {"CUBED_DSV_NEW", bsfCubed}, {"", bsfCubed}, {"nonsense", bsfCubed}};
    for (const auto &c : cases) {
        const QString text = QStringLiteral("[Header]\nFormula=%1\n").arg(QString::fromUtf8(c.keyword));
        EXPECT_EQ(ReadTableText(text).Formula, c.formula) << c.keyword;
    }
}

TEST(TableHeader, BooleanValues)
{
    EXPECT_TRUE(ReadTableBoolean(QStringLiteral("true"), false));
    EXPECT_FALSE(ReadTableBoolean(QStringLiteral("FALSE"), true));
    EXPECT_TRUE(ReadTableBoolean(QStringLiteral("-3"), false));
    EXPECT_FALSE(ReadTableBoolean(QStringLiteral("0"), true));
    EXPECT_TRUE(ReadTableBoolean(QStringLiteral("yes"), true));
    EXPECT_FALSE(ReadTableBoolean(QStringLiteral("yes"), false));
    EXPECT_FALSE(ReadTableBoolean(QString(), false));
}

TEST(TableLines, TimesColumnsAndKeys)
{
    const auto contents = ReadTableText(QStringLiteral("[Header]\r\n"
                                                       "[LC Men]\r\n"
                                                       "50_fr=        21.88\r\n"
                                                       "100_FR=   1:17.5   1:40.3\r\n"
                                                       "200_FR=\r\n"
                                                       "400_FR=  0:00.00\r\n"
                                                       "800_FR=  37.4 44.1 50.0\r\n"
                                                       "1500_FR= garbage 14:48.88\r\n"
                                                       "50_BA=\t25.14\t26.00\r\n"
                                                       "4_100_FR=3:15.04\r\n"));
    ASSERT_EQ(contents.Sections.size(), 2u);
    const TBaseTimeTable &s = contents.Sections[1];
    EXPECT_EQ(s.BaseTime(*style(50, bssFR), TBaseTimeTable::FirstColumn), 21880); // key in any case
    EXPECT_EQ(s.BaseTime(*style(50, bssFR), TBaseTimeTable::SecondColumn), 0);
    EXPECT_EQ(s.BaseTime(*style(100, bssFR), TBaseTimeTable::FirstColumn), 77500);
    EXPECT_EQ(s.BaseTime(*style(100, bssFR), TBaseTimeTable::SecondColumn), 100300);
    EXPECT_EQ(s.BaseTime(*style(200, bssFR), TBaseTimeTable::FirstColumn), 0);  // empty value
    EXPECT_EQ(s.BaseTime(*style(400, bssFR), TBaseTimeTable::FirstColumn), 0);  // 0 is no time
    EXPECT_EQ(s.BaseTime(*style(800, bssFR), TBaseTimeTable::SecondColumn), 44100); // third time ignored
    EXPECT_EQ(s.BaseTime(*style(1500, bssFR), TBaseTimeTable::FirstColumn), 0);
    EXPECT_EQ(s.BaseTime(*style(1500, bssFR), TBaseTimeTable::SecondColumn), 888880);
    EXPECT_EQ(s.BaseTime(*style(50, bssBA), TBaseTimeTable::SecondColumn), 26000);
    EXPECT_EQ(s.BaseTime(*style(100, bssFR, 4), TBaseTimeTable::FirstColumn), 195040);
    EXPECT_EQ(s.BaseTime(*style(400, bssFR), TBaseTimeTable::FirstColumn), 0); // 400_FR is not 4_100_FR
    EXPECT_EQ(s.BaseTime(*style(50, bssBU), TBaseTimeTable::FirstColumn), 0);  // no line
}

TEST(TableLines, MergedSectionKeepsTheSlowestTime)
{
    const auto contents = ReadTableText(QStringLiteral("[Header]\n"
                                                       "[LC Men]\n50_FR=21.88\n100_FR=48.30\n"
                                                       "[SC Women]\n50_FR=24.19\n100_FR=\n"
                                                       "[XX MEN 0-9]\n50_FR=  40.00  45.00\n"
                                                       "[XX MEN 10-10]\n50_FR=  39.00  46.00\n"));
    ASSERT_EQ(contents.Sections.size(), 5u);
    const TBaseTimeTable &merged = contents.Sections[0];
    EXPECT_EQ(merged.Course(), bsscAny);
    EXPECT_EQ(merged.Gender(), bssgAny);
    EXPECT_EQ(merged.AgeRange(), nullptr);
    EXPECT_TRUE(merged.Matches(bsscSC16, bssgMixed, 5));
    EXPECT_EQ(merged.BaseTime(*style(50, bssFR), TBaseTimeTable::FirstColumn), 40000);
    EXPECT_EQ(merged.BaseTime(*style(50, bssFR), TBaseTimeTable::SecondColumn), 46000);
    EXPECT_EQ(merged.BaseTime(*style(100, bssFR), TBaseTimeTable::FirstColumn), 48300);
}

TEST(TableLines, DuplicateSectionsAndKeys)
{
    // The first section of a name supplies the entries for both; the last value of a key counts.
    const auto contents = ReadTableText(QStringLiteral("[Header]\n"
                                                       "[LC Men]\n50_FR=21.00\n50_FR=22.00\n"
                                                       "[SC Men]\n50_FR=23.00\n"
                                                       "[lc men]\n50_FR=30.00\n100_FR=50.00\n"));
    ASSERT_EQ(contents.Sections.size(), 4u);
    for (size_t i : {size_t(1), size_t(3)}) {
        EXPECT_EQ(contents.Sections[i].BaseTime(*style(50, bssFR), TBaseTimeTable::FirstColumn), 22000) << i;
        EXPECT_EQ(contents.Sections[i].BaseTime(*style(100, bssFR), TBaseTimeTable::FirstColumn), 0) << i;
    }
}

TEST(TableLines, FirstSectionIsTheHeaderPositionWhateverItsName)
{
    // No header first: the first section gives no base times; the header values come from "Header".
    const auto contents = ReadTableText(QStringLiteral("[LC Men]\n50_FR=21.88\n"
                                                       "[SC Men]\n50_FR=21.28\n"
                                                       "[Header]\nFormula=BRITISH\nUseMenForMixed=1\n"));
    EXPECT_EQ(contents.Formula, bsfBritish);
    EXPECT_TRUE(contents.UseMenForMixed);
    ASSERT_EQ(contents.Sections.size(), 3u);
    EXPECT_EQ(contents.Sections[1].Course(), bsscSC);
    // The merged section never saw the skipped first section.
    EXPECT_EQ(contents.Sections[0].BaseTime(*style(50, bssFR), TBaseTimeTable::FirstColumn), 21280);
}

TEST(TableLines, OddTextsReadWithoutFailing)
{
    const QString longLine = QStringLiteral("50_FR=") + QString(1 << 20, QLatin1Char('9'));
    const QString hugeName = QLatin1Char('[') + QString(1 << 20, QLatin1Char('x')) + QLatin1Char(']');
    const QString texts[] = {
        QString(),
        QStringLiteral("no sections at all\nName=x\n"),
        QStringLiteral("[Header\nName=broken header\n[LC Men\n50_FR=21.88\n"),
        QStringLiteral("[Header]\n[LC Men]\n50_FR=abc\n100_FR=::..\n200_FR=99:99:99:99.99\n=21.88\n50_BA\n"),
        QStringLiteral("[Header]\n[LC Men]\n") + longLine + QStringLiteral("\n100_FR=48.30\n"),
        QStringLiteral("[Header]\n") + hugeName + QStringLiteral("\n50_FR=21.88\n"),
        QStringLiteral("[]\n[ ]\n[  ]\n[$ $ $ $]\n50_FR=1\n"),
        QString::fromUtf8("\xEF\xBB\xBF[Header]\r\rName=\xC3\xA4\r[LC Men]\r50_FR=21.88"),
    };
    for (const QString &text : texts) {
        const auto contents = ReadTableText(text);
        for (const TBaseTimeTable &section : contents.Sections)
            for (auto column : {TBaseTimeTable::FirstColumn, TBaseTimeTable::SecondColumn}) {
                const TBSSwTime t = section.BaseTime(*style(50, bssFR), column);
                EXPECT_TRUE(t == 0 || BSSwIsValidTime(t));
            }
    }
    // The line after the 1 MB line is read as usual.
    EXPECT_EQ(ReadTableText(texts[4]).Sections.at(1).BaseTime(*style(100, bssFR), TBaseTimeTable::FirstColumn), 48300);
    // Without a closing bracket a line is no section.
    EXPECT_TRUE(ReadTableText(texts[2]).Sections.empty());
}

TEST(TableTextDecoding, Utf8ByteOrderMarkAndWindowsBytes)
{
    EXPECT_EQ(DecodeTableText(QByteArray("\xEF\xBB\xBF[Header]")), QStringLiteral("[Header]"));
    EXPECT_EQ(DecodeTableText(QByteArray("Name=K\xC3\xB6ln")), QString::fromUtf8("Name=K\xC3\xB6ln"));
    // Not UTF-8: read as Windows-1252.
    EXPECT_EQ(DecodeTableText(QByteArray("Name=K\xF6ln")), QString::fromUtf8("Name=K\xC3\xB6ln"));
}

} // namespace
