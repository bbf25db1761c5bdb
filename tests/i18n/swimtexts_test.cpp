#include "domain/calculatorevents.h"
#include "i18n/builtincatalogue.h"
#include "i18n/swimtexts.h"

#include "i18nfixture.h"

class SwimTextsTest : public I18nFixture
{
};

TEST_F(SwimTextsTest, EnglishNamesOfAllEventsAndPools)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings(BuiltInCatalogueLines());
    LoadSwimTexts(catalogue);
    const char *const events[CalcEventCount] = {
        "50m Freestyle",
        "100m Freestyle",
        "200m Freestyle",
        "400m Freestyle",
        "800m Freestyle",
        "1500m Freestyle",
        "50m Butterfly",
        "100m Butterfly",
        "200m Butterfly",
        "50m Backstroke",
        "100m Backstroke",
        "200m Backstroke",
        "50m Breaststroke",
        "100m Breaststroke",
        "200m Breaststroke",
        "100m Individual Medley",
        "200m Individual Medley",
        "400m Individual Medley",
        "4 x 50m Freestyle Relay",
        "4 x 100m Freestyle Relay",
        "4 x 200m Freestyle Relay",
        "10 x 50m Freestyle Relay",
        "10 x 100m Freestyle Relay",
        "4 x 50m Butterfly Relay",
        "4 x 100m Butterfly Relay",
        "4 x 200m Butterfly Relay",
        "4 x 50m Backstroke Relay",
        "4 x 100m Backstroke Relay",
        "4 x 200m Backstroke Relay",
        "4 x 50m Breaststroke Relay",
        "4 x 100m Breaststroke Relay",
        "4 x 200m Breaststroke Relay",
        "4 x 50m Medley Relay",
        "4 x 100m Medley Relay",
    };
    for (int row = 0; row < CalcEventCount; ++row)
        EXPECT_EQ(EventName(row), QString::fromLatin1(events[row])) << row;
    EXPECT_EQ(EventName(-1), QString());
    EXPECT_EQ(EventName(CalcEventCount), QString());

    const char *const pools[CalcPoolCount] = {"25m Pool", "50m Pool", "25y Pool", "33m Pool", "16m Pool"};
    for (int i = 0; i < CalcPoolCount; ++i)
        EXPECT_EQ(PoolName(i), QString::fromLatin1(pools[i])) << i;
    EXPECT_EQ(SwimTexts().PoolNames, QStringLiteral("25m Pool;50m Pool;25y Pool;33m Pool;16m Pool"));

    EXPECT_EQ(GenderName(0), QStringLiteral("Men"));
    EXPECT_EQ(GenderName(1), QStringLiteral("Women"));
    EXPECT_EQ(GenderName(5), QStringLiteral("Mixed"));
    EXPECT_EQ(GenderName(-3), QStringLiteral("Men"));
}

TEST_F(SwimTextsTest, ShortListsGiveEmptyNames)
{
    TLanguage catalogue;
    QStringList lines{QStringLiteral("[S]"), QStringLiteral("1=Einzel;4 x"), QStringLiteral("2=Freistil;Delfin"),
                      QStringLiteral("3=Herren")};
    catalogue.LoadFromStrings(lines);
    LoadSwimTexts(catalogue);
    EXPECT_EQ(EventName(0), QStringLiteral("50m Freistil"));
    EXPECT_EQ(EventName(9), QStringLiteral("50m ")); // no backstroke name in this catalogue
    EXPECT_EQ(EventName(19), QStringLiteral("4 x 100m ")); // no relay stroke names
    EXPECT_EQ(EventName(21), QStringLiteral(" 50m ")); // no prefix for 10 swimmers
    EXPECT_EQ(PoolName(0), QString());
    EXPECT_EQ(GenderName(1), QString());

    // Loading another language later does not refill the lists by itself.
    catalogue.LoadFromStrings(BuiltInCatalogueLines());
    EXPECT_EQ(EventName(0), QStringLiteral("50m Freistil"));
}
