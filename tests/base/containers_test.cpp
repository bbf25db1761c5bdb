#include "base/lookupitems.h"
#include "base/stringlist.h"
#include "base/stringmap.h"

#include <gtest/gtest.h>

namespace {

TEST(LookupItems, KeysAreUniqueAndSortable)
{
    auto items = NewLookupItems();
    items->SetTextOf(3, QStringLiteral("c"));
    items->SetTextOf(1, QStringLiteral("b"));
    items->SetTextOf(2, QStringLiteral("A"));
    items->SortByKey();
    EXPECT_EQ(items->Key(0), 1);
    EXPECT_EQ(items->Key(2), 3);
    items->SetTextOf(2, QStringLiteral("x"));
    EXPECT_EQ(items->Count(), 3);
    EXPECT_EQ(items->TextOf(2), QStringLiteral("x"));
    items->SortByText();
    EXPECT_EQ(items->Text(0), QStringLiteral("b"));
    EXPECT_EQ(items->KeyOfText(QStringLiteral("X")), 2);
    EXPECT_EQ(items->KeyOfText(QStringLiteral("none")), -1);
    items->SortByKey([](int32_t a, int32_t b) { return b - a; });
    EXPECT_EQ(items->Key(0), 3);
    auto copy = items->Clone();
    items->Remove(3);
    EXPECT_FALSE(items->ContainsKey(3));
    EXPECT_TRUE(copy->ContainsKey(3));
    EXPECT_EQ(items->TextOf(3), QString());
}

TEST(LookupItems, SortByTextIgnoresCase)
{
    auto items = NewLookupItems();
    items->SetTextOf(1, QStringLiteral("dsv"));
    items->SetTextOf(2, QStringLiteral("FINA"));
    items->SetTextOf(3, QStringLiteral("DSV Masters"));
    items->SortByText();
    EXPECT_EQ(items->Key(0), 1);
    EXPECT_EQ(items->Key(1), 3);
    EXPECT_EQ(items->Key(2), 2);
}

TEST(StringMap, NamesIgnoreCase)
{
    auto map = NewStringMap();
    map->Put(QStringLiteral("Name"), QStringLiteral("A"));
    EXPECT_EQ(map->ValueOf(QStringLiteral("name")), QStringLiteral("A"));
    map->Put(QStringLiteral("NAME"), QStringLiteral("B"));
    EXPECT_EQ(map->Count(), 1);
    EXPECT_EQ(map->Name(0), QStringLiteral("NAME"));
    map->SetValue(0, QStringLiteral("x=y"));
    EXPECT_EQ(map->Value(0), QStringLiteral("x=y"));
    map->Remove(QStringLiteral("name"));
    EXPECT_EQ(map->Count(), 0);
}

TEST(StringMap, FromStringsSkipsLinesWithoutName)
{
    auto map = NewStringMapFromStrings({QStringLiteral("=x"), QStringLiteral("abc"), QStringLiteral("a=b=c"),
                                        QStringLiteral("A=later")});
    ASSERT_EQ(map->Count(), 1);
    EXPECT_EQ(map->Name(0), QStringLiteral("A"));
    EXPECT_EQ(map->ValueOf(QStringLiteral("a")), QStringLiteral("later"));
    auto first = NewStringMapFromStrings({QStringLiteral("a=b=c")});
    EXPECT_EQ(first->ValueOf(QStringLiteral("a")), QStringLiteral("b=c"));
}

TEST(StringList, TextRoundTrip)
{
    auto list = NewStringListFromText(QStringLiteral("a\r\nb\rc\n"));
    EXPECT_EQ(list->Items(), (QStringList{"a", "b", "c"}));
    list->Insert(1, QStringLiteral("x"));
    list->Delete(0);
    EXPECT_EQ(list->GetText(), QStringLiteral("x\nb\nc\n"));
    EXPECT_EQ(list->IndexOf(QStringLiteral("B")), -1);
}

} // namespace
