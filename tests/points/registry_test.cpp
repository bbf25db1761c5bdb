// The registry of point table classes and the built-in table texts.
#include "base/assertion.h"
#include "base/initext.h"
#include "points/cantables.h"
#include "points/controller.h"
#include "points/finatables.h"
#include "points/gertables.h"
#include "points/pointtables.h"
#include "points/tabletext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

TEST(Registry, BuiltInTablesInRegistrationOrder)
{
    std::vector<int32_t> ids;
    for (const auto &cls : Controller().Classes())
        ids.push_back(cls->ID());
    ASSERT_GE(ids.size(), 8u);
    ids.resize(8);
    EXPECT_EQ(ids, (std::vector<int32_t>{3000, 1004, 1006, 1105, 1001, 1007, 1005, 1008}));
}

TEST(Registry, TableListSortedByText)
{
    const BSRef<IBSLookupItems> list = GetPointTableList();
    const std::vector<std::pair<int32_t, const char *>> expected = {
        {1005, "DSV Master Performance Table 1998"}, {1008, "DSV Master Performance Table 2004"},
        {1001, "DSV Performance Table 2001"},        {1007, "DSV Performance Table 2005"},
        {3000, "FINA Point Scoring 2004"},           {1105, "German Rudolph Table 2005"},
        {1004, "SNC Performance Ratings 2003/2004"}, {1006, "SNC Performance Ratings 2004/2005"}};
    ASSERT_EQ(list->Count(), int(expected.size()));
    for (int i = 0; i < list->Count(); ++i) {
        EXPECT_EQ(list->Key(i), expected[size_t(i)].first);
        EXPECT_EQ(list->Text(i), QString::fromUtf8(expected[size_t(i)].second));
    }
}

TEST(Registry, ClassLevelNamesWithoutAnObject)
{
    EXPECT_EQ(PointTableClass<TGerMasterPointTable1998>()->Name(), QStringLiteral("DSV Master Performance Table"));
    EXPECT_EQ(PointTableClass<TGerMasterPointTable1998>()->Version(), QStringLiteral("1998"));
    EXPECT_EQ(PointTableClass<TCanPointTable2005>()->Version(), QStringLiteral("2004/2005"));
    EXPECT_EQ(TGerRudolfPointTable::ResourceName(), QStringLiteral("BSSW_POINTS_GER_RUDOLPH_2005"));
    EXPECT_EQ(TFinaPointTable::ID(), 3000);
    EXPECT_EQ(TBSSwPointTable::ID(), 0);
}

TEST(Registry, EveryRequestMakesANewObject)
{
    const BSRef<IBSSwPoints> a = GetPointTable(3000);
    const BSRef<IBSSwPoints> b = GetPointTable(3000);
    EXPECT_NE(a.get(), b.get());
    EXPECT_NE(dynamic_cast<TFinaPointTable *>(a.get()), nullptr);
    a->SetCourse(bsscSC);
    EXPECT_EQ(b->GetCourse(), bsscAny);
    EXPECT_EQ(Controller().FindClass(1007)->ID(), 1007);
    EXPECT_EQ(Controller().FindClass(4711), nullptr);
    EXPECT_NE(dynamic_cast<TGerPointTable2005 *>(GetPointTable(1007).get()), nullptr);
}

// A table class whose text comes from memory and which counts how often it is read.
class CountingClass : public TBSSwBaseTimesPointTableClass
{
public:
    CountingClass(int32_t id, QString text) : m_id(id), m_text(std::move(text)) {}
    int32_t ID() const override { return m_id; }
    QString ResourceName() const override { return QStringLiteral("COUNTING"); }
    QString TableText() const override
    {
        ++reads;
        return m_text;
    }
    mutable int reads = 0;

private:
    int32_t m_id;
    QString m_text;
};

TEST(Registry, DuplicateIdIsAProgrammingError)
{
    TBSSwPointTableController controller;
    controller.Register(std::make_shared<CountingClass>(1005, QString()));
    try {
        controller.Register(std::make_shared<CountingClass>(1005, QString()));
        FAIL() << "a second class with ID 1005 was accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Doppelt belegte ID für Punktewertungen!"));
    }
    EXPECT_EQ(controller.Classes().size(), 1u);
    // The process-wide registry refuses a ninth class with a built-in ID the same way.
    EXPECT_THROW(Controller().Register(std::make_shared<CountingClass>(1005, QString())), EBSAssertion);
}

TEST(Registry, HeaderIsReadOncePerTableForTheNames)
{
    TBSSwPointTableController controller;
    auto cls = std::make_shared<CountingClass>(
        910001, QStringLiteral("[Header]\nName=Counting\nVersion=1\n[LC Men]\n50_FR=20.00\n"));
    auto other = std::make_shared<CountingClass>(910002, QStringLiteral("[Header]\nName=Another\n"));
    controller.Register(cls);
    controller.Register(other);
    const auto first = controller.GetPointTableList();
    const auto second = controller.GetPointTableList();
    EXPECT_EQ(cls->reads, 1);
    EXPECT_EQ(other->reads, 1);
    ASSERT_EQ(second->Count(), 2);
    EXPECT_EQ(second->Text(0), QStringLiteral("Another")); // trimmed, no version
    EXPECT_EQ(second->Text(1), QStringLiteral("Counting 1"));
    // A new object reads the text again; its names still come from the maps.
    const auto table = controller.GetPointTable(910001);
    EXPECT_EQ(cls->reads, 2);
    EXPECT_EQ(table->Name(), QStringLiteral("Counting"));
    EXPECT_EQ(cls->reads, 2);
    // Unknown identifiers give the empty table.
    EXPECT_EQ(dynamic_cast<TBSSwBaseTimesPointTable *>(controller.GetPointTable(3000).get()), nullptr);
}

TEST(Registry, ListSortIgnoresCase)
{
    TBSSwPointTableController controller;
    controller.Register(std::make_shared<CountingClass>(910011, QStringLiteral("[Header]\nName=beta\n")));
    controller.Register(std::make_shared<CountingClass>(910012, QStringLiteral("[Header]\nName=Alpha\n")));
    controller.Register(std::make_shared<CountingClass>(910013, QStringLiteral("[Header]\nName=GAMMA\n")));
    const auto list = controller.GetPointTableList();
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Text(0), QStringLiteral("Alpha"));
    EXPECT_EQ(list->Text(1), QStringLiteral("beta"));
    EXPECT_EQ(list->Text(2), QStringLiteral("GAMMA"));
}

TEST(Registry, MissingResourceIsAnError)
{
    EXPECT_THROW(LoadTableResource(QStringLiteral("BSSW_POINTS_NONE")), EBSSwTableResourceError);
}

// --- the built-in texts --------------------------------------------------------------------------------

struct Layout {
    const char *resource;
    const char *header[5]; // Name, Version, ShortNameVersion, Formula, UseMenForMixed (null: absent)
    int sections;          // base-time sections
    int lines;             // event lines over all sections
};

class BuiltInText : public testing::TestWithParam<Layout>
{
};

TEST_P(BuiltInText, HeaderSectionsAndLineEnds)
{
    const Layout &layout = GetParam();
    const QString text = LoadTableResource(QString::fromUtf8(layout.resource));
    // Every line ends in CR LF.
    EXPECT_TRUE(text.endsWith(QLatin1String("\r\n")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QLatin1String("\r\n")));
    EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(QLatin1String("\r\n")));

    const TBSIniText ini = TBSIniText::parse(text);
    const char *keys[] = {"Name", "Version", "ShortNameVersion", "Formula", "UseMenForMixed"};
    for (int i = 0; i < 5; ++i) {
        const QString key = QString::fromUtf8(keys[i]);
        if (layout.header[i])
            EXPECT_EQ(ini.value(QStringLiteral("Header"), key), QString::fromUtf8(layout.header[i])) << keys[i];
        else
            EXPECT_FALSE(ini.hasKey(QStringLiteral("Header"), key)) << keys[i];
    }
    const QStringList sections = ini.sectionNamesInFileOrder();
    EXPECT_EQ(sections.size(), layout.sections + 1);
    EXPECT_EQ(sections.value(0).compare(QLatin1String("Header"), Qt::CaseInsensitive), 0);
    int lines = 0;
    for (const QString &section : ini.sectionNames().mid(1))
        lines += int(ini.entries(section).size());
    EXPECT_EQ(lines, layout.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BuiltInText,
    testing::Values(
        Layout{"BSSW_POINTS_FINA_2004", {"FINA Point Scoring", "2004", "FINA 2004", "CUBED", "True"}, 4,
               (22 + 9) + (22 + 8) + (23 + 14) + (23 + 13)},
        Layout{"BSSW_POINTS_CAN_2004", {"SNC Performance Ratings", "2003/2004", "SNC @POOL 2003/2004", "CANADIAN", nullptr},
               4, 4 * 17},
        Layout{"BSSW_POINTS_CAN_2005", {"SNC Performance Ratings", "2004/2005", "SNC @POOL 2004/2005", "CANADIAN", nullptr},
               4, 4 * 17},
        Layout{"BSSW_POINTS_GER_2001", {"DSV Performance Table", "2001", "DSV 2001", "CUBED_DSV", nullptr}, 2, 2 * 33},
        Layout{"BSSW_POINTS_GER_2005", {"DSV Performance Table", "2005", "DSV 2005", "CUBED_DSV_NEW", nullptr}, 2, 2 * 33},
        Layout{"BSSW_POINTS_GER_MASTER_1998", {"DSV Master Performance Table", "1998", "DSV Masters 98", "CUBED_DSV", nullptr},
               28, 28 * 18},
        Layout{"BSSW_POINTS_GER_MASTER_2004", {"DSV Master Performance Table", "2004", "DSV Masters 04", "CUBED_DSV", nullptr},
               32, 32 * 18},
        Layout{"BSSW_POINTS_GER_RUDOLPH_2005", {"German Rudolph Table", "2005", "Rudolph Table 2005", "RUDOLPH", nullptr},
               22, 22 * 18}),
    [](const testing::TestParamInfo<Layout> &info) {
        std::string name;
        for (const char *c = info.param.resource; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(BuiltInText, FinaFirstLinesAndSpecials)
{
    const QString text = LoadTableResource(QStringLiteral("BSSW_POINTS_FINA_2004"));
    EXPECT_TRUE(text.contains(QLatin1String("\r\n[LC Men]\r\n50_FR=        21.88\r\n100_FR=       48.30\r\n"
                                            "200_FR=     1:45.94\r\n")));
    EXPECT_EQ(text.count(QLatin1String("; --- specials, for checks in rankings ---\r\n")), 4);
    const TBSIniText ini = TBSIniText::parse(text);
    EXPECT_EQ(ini.sectionNamesInFileOrder(),
              (QStringList{"Header", "LC Men", "SC Men", "LC Women", "SC Women"}));
    EXPECT_EQ(ini.value("SC Women", "4_25_FR"), QStringLiteral("49.30"));
    EXPECT_EQ(ini.value("SC Men", "100_IM"), QStringLiteral("53.31"));
    EXPECT_FALSE(ini.hasKey("LC Women", "5_50_FR"));
    EXPECT_FALSE(ini.hasKey("LC Men", "100_IM"));
    EXPECT_EQ(ini.value("LC Women", "10_100_FR"), QStringLiteral("9:20.00"));
}

TEST(BuiltInText, RudolphFirstLines)
{
    const QString text = LoadTableResource(QStringLiteral("BSSW_POINTS_GER_RUDOLPH_2005"));
    EXPECT_TRUE(text.contains(QLatin1String("[XX WOMEN 0-9]\r\n50_FR=      37.4     44.1\r\n"
                                            "100_FR=   1:17.5   1:40.3\r\n")));
    const TBSIniText ini = TBSIniText::parse(text);
    EXPECT_TRUE(ini.hasKey("XX MEN 19-99", "1500_FR"));
    EXPECT_TRUE(ini.value("XX MEN 19-99", "100_IM").isEmpty());
}

TEST(BuiltInText, MergedMastersSectionIsEmptyWithoutBaseTimes)
{
    const auto contents = ReadTableText(LoadTableResource(QStringLiteral("BSSW_POINTS_GER_MASTER_1998")));
    ASSERT_EQ(contents.Sections.size(), 29u);
    EXPECT_EQ(contents.Sections[0].TimeCount(TBaseTimeTable::FirstColumn), 0);
    EXPECT_EQ(contents.Sections[1].AgeRange()->MaxAge(), 29);
    EXPECT_EQ(contents.Sections[15].Gender(), bssgMen);
}

} // namespace
