#include "base/stringlist.h"
#include "i18n/builtincatalogue.h"
#include "i18n/catalogueitems.h"

#include "i18nfixture.h"

namespace {

QStringList lines(const char *text)
{
    return BSSplitLines(QString::fromUtf8(text));
}

} // namespace

TEST(CatalogueItems, ItemRule)
{
    EXPECT_EQ(CatalogueItem(QStringLiteral("M;W;X"), 2), QStringLiteral("W"));
    EXPECT_EQ(CatalogueItem(QStringLiteral("M;W;X"), 4), QString());
    EXPECT_EQ(CatalogueItem(QStringLiteral(";EX;DQ"), 1), QString());
    EXPECT_EQ(CatalogueItem(QStringLiteral(";EX;DQ"), 2), QStringLiteral("EX"));
    EXPECT_EQ(CatalogueItem(QStringLiteral("a;;c"), 3), QStringLiteral("c"));
    EXPECT_EQ(CatalogueItem(QStringLiteral("a;b"), 0), QStringLiteral("a;b"));
    EXPECT_EQ(CatalogueItem(QString(), 1), QString());
}

class CatalogueTest : public I18nFixture
{
};

TEST_F(CatalogueTest, LooksUpTextsBySectionAndPosition)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings(lines("; comment\n"
                                    "[G]\n"
                                    "1=A\n"
                                    "2=B\n"
                                    "3=M;W;X\n"
                                    "5=x=y\n"
                                    "no equals sign\n"
                                    "6=from_\n"
                                    "10=%s\\NFile exists !  Replace ?\n"
                                    "$8=low \\n stays\n"
                                    "[S]\n"
                                    "1=first of S\n"));
    const QString g = QStringLiteral("G");
    EXPECT_EQ(catalogue.GetText(g, 2), QStringLiteral("B"));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("g"), 2), QStringLiteral("B"));
    // Numbering is by position only: the number in front of "=" is not read.
    EXPECT_EQ(catalogue.GetText(g, 4), QStringLiteral("x=y"));
    EXPECT_EQ(catalogue.GetText(g, 5), QStringLiteral("no equals sign"));
    EXPECT_EQ(catalogue.GetText(g, 6), QStringLiteral("from "));
    EXPECT_EQ(catalogue.GetText(g, 7), QStringLiteral("%s\r\nFile exists !  Replace ?"));
    EXPECT_EQ(catalogue.GetText(g, 8), QStringLiteral("low \\n stays"));
    EXPECT_EQ(catalogue.GetText(g, 3, 2), QStringLiteral("W"));
    EXPECT_EQ(catalogue.GetText(g, 3, 4), QString());
    EXPECT_EQ(catalogue.GetText(g, 3, 0), QStringLiteral("M;W;X"));
    // A number beyond the section reads on into the next one, and past the end gives nothing.
    EXPECT_EQ(catalogue.GetText(g, 9), QStringLiteral("[S]"));
    EXPECT_EQ(catalogue.GetText(g, 10), QStringLiteral("first of S"));
    EXPECT_EQ(catalogue.GetText(g, 11), QString());
    EXPECT_EQ(catalogue.GetText(g, 0), QString());
    EXPECT_EQ(catalogue.GetText(QStringLiteral("S"), 1), QStringLiteral("first of S"));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("Q"), 1), QString());
}

TEST_F(CatalogueTest, KeepsAtMost999CharactersOfAText)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings({QStringLiteral("[G]"), QStringLiteral("1=") + QString(1500, QLatin1Char('a'))});
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1).size(), 999);
}

TEST_F(CatalogueTest, SectionIndexGivesStartAndLineCount)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings(lines("[G]\n1=a\n2=b\n3=c\n"
                                    "[TFoo]\nCaption\n.@A\nx\n\n"
                                    "[TBar]\n.\n.@B\n"
                                    "[g]\n1=second G\n"));
    EXPECT_EQ(catalogue.Sections(), (QStringList{"G=1", "TFoo=5;4", "TBar=10;2", "g=13"}));
    int start = -1;
    int count = -1;
    ASSERT_TRUE(catalogue.FindSection(QStringLiteral("tfoo"), &start, &count));
    EXPECT_EQ(start, 5);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(catalogue.Lines().at(start), QStringLiteral("Caption"));
    EXPECT_EQ(catalogue.Lines().at(start + count - 1), QString());
    ASSERT_TRUE(catalogue.FindSection(QStringLiteral("TBar"), &start, &count));
    EXPECT_EQ(start, 10);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(catalogue.FindSection(QStringLiteral("TNone"), &start, &count));
    EXPECT_EQ(start, 0);
    // A numbered section has no line count; the first header of a name wins.
    EXPECT_FALSE(catalogue.FindSection(QStringLiteral("G"), &start, &count));
    EXPECT_EQ(catalogue.GetText(QStringLiteral("G"), 1), QStringLiteral("a"));
    // Per-form sections are no numbered sections.
    EXPECT_EQ(catalogue.GetText(QStringLiteral("TFoo"), 1), QString());
}

TEST_F(CatalogueTest, ReindexSetsTheMonthAndDayNames)
{
    TLanguage catalogue;
    QStringList text{QStringLiteral("[G]")};
    for (int i = 1; i <= 69; ++i)
        text << QStringLiteral("%1=x").arg(i);
    text << QStringLiteral("70=Januar;Februar;März;April;Mai;Juni;Juli;August;September;Oktober;November;Dezember")
         << QStringLiteral("71=Jan;Feb;Mär;Apr;Mai;Jun;Jul;Aug;Sep;Okt;Nov;Dez")
         << QStringLiteral("72=Sonntag;Montag;Dienstag;Mittwoch;Donnerstag;Freitag;Samstag")
         << QStringLiteral("73=So;Mo;Di;Mi;Do;Fr;Sa");
    catalogue.LoadFromStrings(text);
    EXPECT_EQ(LocaleNames().LongMonthNames[2], QStringLiteral("März"));
    EXPECT_EQ(LocaleNames().ShortMonthNames[9], QStringLiteral("Okt"));
    EXPECT_EQ(LocaleNames().LongDayNames[0], QStringLiteral("Sonntag"));
    EXPECT_EQ(LocaleNames().ShortDayNames[6], QStringLiteral("Sa"));
    EXPECT_EQ(FormatDateWithNames(QDate(2006, 3, 5), QStringLiteral("dddd, d. MMMM yyyy")),
              QStringLiteral("Sonntag, 5. März 2006"));
    EXPECT_EQ(FormatDateWithNames(QDate(2006, 3, 5), QStringLiteral("ddd dd.MM.yy 'MMM'''")),
              QStringLiteral("So 05.03.06 MMM'"));
}

TEST_F(CatalogueTest, FormTranslatorRunsWhenAskedFor)
{
    int calls = 0;
    TLanguage::SetFormTranslator([&](TLanguage &) { ++calls; });
    TLanguage catalogue;
    catalogue.LoadFromStrings({QStringLiteral("[G]")});
    EXPECT_EQ(calls, 1);
    writeLanguageFile(QStringLiteral("de"), QStringLiteral("Deutsch"));
    ASSERT_TRUE(catalogue.LoadLanguage(1, false));
    EXPECT_EQ(calls, 1);
    ASSERT_TRUE(catalogue.LoadLanguage(1, true));
    EXPECT_EQ(calls, 2);
    TLanguage::SetFormTranslator({});
}
