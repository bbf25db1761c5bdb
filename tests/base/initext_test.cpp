#include "base/initext.h"

#include <gtest/gtest.h>

namespace {

const char *const kText = "; leading comment\r\n"
                          "stray=before any section\r\n"
                          "[Header]\r\n"
                          "  Name = FINA  \r\n"
                          "Formula=CUBED\r\n"
                          "Formula=RUDOLPH\r\n"
                          "no equals sign\r\n"
                          "=empty key\r\n"
                          "\r\n"
                          "[LC Men]\n"
                          "50_fr=21.88\n"
                          "; a comment between entries\n"
                          "100_FR=48.30\r"
                          "[lc men]\r\n"
                          "50_FR=99.99\r\n";

TEST(IniText, ReadsByTheTableRules)
{
    const TBSIniText ini = TBSIniText::parse(QString::fromLatin1(kText));
    EXPECT_EQ(ini.sectionNamesInFileOrder(), (QStringList{"Header", "LC Men", "lc men"}));
    EXPECT_EQ(ini.sectionNames(), (QStringList{"Header", "LC Men"}));
    EXPECT_EQ(ini.value("header", "NAME"), QStringLiteral("FINA"));
    // The last of a duplicate key counts; the first of a duplicate section supplies the entries.
    EXPECT_EQ(ini.value("Header", "Formula"), QStringLiteral("RUDOLPH"));
    EXPECT_EQ(ini.value("LC MEN", "50_FR"), QStringLiteral("21.88"));
    EXPECT_FALSE(ini.hasKey("Header", "no equals sign"));
    EXPECT_FALSE(ini.hasKey("Header", "stray"));
    EXPECT_EQ(ini.value("Nowhere", "x", "default"), QStringLiteral("default"));
    const auto entries = ini.entries("Header");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.at(1), (TBSIniText::Entry{"Formula", "RUDOLPH"}));
}

TEST(IniText, WritingKeepsEverythingElseInPlace)
{
    TBSIniText ini = TBSIniText::parse(QString::fromLatin1(kText));
    ini.setValue("lc men", "100_fr", "47.00");
    ini.setValue("Header", "Version", "2004");
    ini.setValue("New", "Key", "line\r\nbreak");
    const QString text = ini.toText(QStringLiteral("\n"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("; leading comment\nstray=before any section\n[Header]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("no equals sign\n=empty key\nVersion=2004\n\n[LC Men]")));
    EXPECT_TRUE(text.contains(QStringLiteral("; a comment between entries\n100_FR=47.00\n[lc men]")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("[New]\nKey=line  break\n")));

    const TBSIniText reread = TBSIniText::parse(text);
    EXPECT_EQ(reread.value("LC Men", "100_FR"), QStringLiteral("47.00"));
    EXPECT_EQ(reread.value("New", "Key"), QStringLiteral("line  break"));
}

TEST(IniText, RemoveKeyAndEraseSection)
{
    TBSIniText ini = TBSIniText::parse(QString::fromLatin1(kText));
    ini.removeKey("HEADER", "formula");
    EXPECT_FALSE(ini.hasKey("Header", "Formula"));
    ini.eraseSection("LC MEN");
    EXPECT_EQ(ini.sectionNames(), QStringList{"Header"});
    EXPECT_FALSE(ini.toText().contains(QStringLiteral("21.88")));
}

TEST(IniText, SurvivesOddInput)
{
    const QString odd = QString(QChar(0)) + QStringLiteral("[") + QString(1 << 20, QLatin1Char('x'))
                        + QStringLiteral("\n[]\n=\n[=]\n]\n[a\nk=v=w\n");
    const TBSIniText ini = TBSIniText::parse(odd);
    EXPECT_EQ(ini.value("=", "k"), QStringLiteral("v=w"));
    EXPECT_TRUE(ini.hasSection(QString()));
    EXPECT_EQ(ini.toText(QStringLiteral("\n")), odd);
}

} // namespace

TEST(IniText, AnEmptyDocumentGrowsSectionBySection)
{
    TBSIniText ini;
    ini.setValue("A", "k", "1");
    ini.setValue("a", "j", "2");
    ini.setValue("B", "k", "3");
    EXPECT_EQ(ini.sectionNamesInFileOrder(), (QStringList{"A", "B"}));
    EXPECT_EQ(ini.toText(QStringLiteral("\n")), QStringLiteral("[A]\nk=1\nj=2\n[B]\nk=3\n"));
}
