#include "base/assertion.h"
#include "base/converterror.h"
#include "base/integercollections.h"
#include "base/integermaps.h"
#include "base/interfacelist.h"
#include "base/lookupitems.h"
#include "base/notifyeventlist.h"
#include "base/singleton.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "base/stringset.h"

#include <gtest/gtest.h>

#include <climits>

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

TEST(LookupItems, KeysConversionsAndTheKeyedFace)
{
    auto items = NewLookupItems();
    items->SetTextOf(3, QStringLiteral("c"));
    items->SetTextOf(-1, QStringLiteral("m"));
    items->SetTextOf(7, QStringLiteral("g"));
    EXPECT_EQ(items->Keys()->CommaText(), QStringLiteral("-1,3,7"));
    EXPECT_EQ(items->AsStringMap()->GetText(), QStringLiteral("3=c\n-1=m\n7=g\n"));
    auto keyed = Supports<IBSIntegerKeyMapContainer>(items);
    ASSERT_TRUE(keyed);
    auto drop = NewIntegerSet();
    drop->SetCommaText(QStringLiteral("3,7,99"));
    keyed->RemoveKeys(*drop);
    EXPECT_EQ(items->Count(), 1);
    EXPECT_EQ(items->Key(0), -1);
    EXPECT_THROW(items->Key(5), std::out_of_range);
}

TEST(StringMap, ConversionsSortsAndSearches)
{
    auto map = NewStringMap();
    map->SetText(QStringLiteral("b=2\r\nA=10\nc=2\n"));
    EXPECT_EQ(map->NameOfValue(QStringLiteral("2")), QStringLiteral("b"));
    EXPECT_EQ(map->NameOfValue(QStringLiteral("20")), QString());
    EXPECT_EQ(map->Names()->CommaText(), QStringLiteral("A,b,c"));
    EXPECT_EQ(map->Values()->CommaText(), QStringLiteral("2,10,2"));
    auto inverted = map->Inverted();
    EXPECT_EQ(inverted->GetText(), QStringLiteral("2=c\n10=A\n"));
    auto ints = map->AsIntegerMap();
    EXPECT_EQ(ints->Count(), 1); // every name reads as 0
    auto numeric = NewStringMap();
    numeric->SetText(QStringLiteral("1=10\n-2=x\n"));
    EXPECT_EQ(numeric->AsIntegerMap()->ValueOf(1), 10);
    EXPECT_EQ(numeric->AsIntegerMap()->ValueOf(-2, 99), 0);
    EXPECT_EQ(numeric->AsLookupItems()->TextOf(-2), QStringLiteral("x"));

    map->SortByValue();
    EXPECT_EQ(map->GetText(), QStringLiteral("A=10\nb=2\nc=2\n"));
    map->SortByName();
    EXPECT_EQ(map->Name(0), QStringLiteral("A"));
    EXPECT_EQ(map->Name(2), QStringLiteral("c"));
    EXPECT_THROW(map->Name(3), std::out_of_range);
    EXPECT_THROW(map->SetValue(-1, QString()), std::out_of_range);
}

TEST(StringList, CommaTextQuotesWhatNeedsIt)
{
    const struct {
        QStringList items;
        const char *text;
    } cases[] = {
        {{"a", "b"}, "a,b"},
        {{"a b", "c,d", "say \"hi\"", ""}, "\"a b\",\"c,d\",\"say \"\"hi\"\"\","},
        {{""}, "\"\""},
        {{}, ""},
        {{"tab\there"}, "\"tab\there\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewStringListFromStrings(c.items)->CommaText(), QString::fromUtf8(c.text)) << c.text;

    auto list = NewStringList();
    list->SetCommaText(QStringLiteral("1,,2"));
    EXPECT_EQ(list->Items(), (QStringList{"1", "", "2"}));
    list->SetCommaText(QStringLiteral("\"a,b\""));
    EXPECT_EQ(list->Items(), (QStringList{"\"a", "b\""}));
    list->SetCommaText(QString());
    EXPECT_EQ(list->Count(), 0);
}

TEST(StringList, EditingSortingAndConversions)
{
    auto list = NewStringListFromStrings({"b", "a=1", "B", "=x", "a"});
    list->Sort();
    EXPECT_EQ(list->Items(), (QStringList{"=x", "B", "a", "a=1", "b"}));
    list->Sort([](const QString &x, const QString &y) { return int(y.size()) - int(x.size()); });
    EXPECT_EQ(list->Items(), (QStringList{"a=1", "=x", "B", "a", "b"}));
    list->Reverse();
    EXPECT_EQ(list->Item(0), QStringLiteral("b"));
    EXPECT_EQ(list->SubList(1, 2)->Items(), (QStringList{"a", "B"}));
    EXPECT_EQ(list->SubList(3, -1)->Items(), (QStringList{"=x", "a=1"}));
    EXPECT_EQ(list->SubList(4, 10)->Items(), QStringList{"a=1"});
    EXPECT_EQ(list->SubList(9, 1)->Count(), 0);
    auto map = list->AsStringMap();
    EXPECT_EQ(map->Count(), 1);
    EXPECT_EQ(map->ValueOf(QStringLiteral("A")), QStringLiteral("1"));
    auto items = list->AsLookupItems();
    EXPECT_EQ(items->TextOf(0), QStringLiteral("b"));
    EXPECT_EQ(items->TextOf(4), QStringLiteral("a=1"));
    EXPECT_THROW(list->AsIntegerList(), EBSConvertError);
    EXPECT_EQ(NewStringListFromStrings({" 12", "-3"})->AsIntegerList()->CommaText(), QStringLiteral("12,-3"));
    auto set = list->AsStringSet();
    EXPECT_EQ(set->CommaText(), QStringLiteral("=x,B,a,a=1,b"));
    auto clone = list->Clone();
    list->Clear();
    EXPECT_EQ(clone->Count(), 5);
    EXPECT_EQ(clone->CloneCollection()->Count(), 5);
    EXPECT_THROW(list->Item(0), std::out_of_range);
    EXPECT_THROW(list->Insert(1, QString()), std::out_of_range);
    EXPECT_THROW(list->Delete(0), std::out_of_range);
}

TEST(IntegerSet, KeepsAscendingOrderWithoutDuplicates)
{
    auto set = NewIntegerSet();
    for (int v : {5, 1, 5, 3})
        set->Add(v);
    EXPECT_EQ(set->CommaText(), QStringLiteral("1,3,5"));
    EXPECT_EQ(set->First(), 1);
    EXPECT_EQ(set->Last(), 5);
    EXPECT_EQ(set->IndexOf(3), 1);
    EXPECT_EQ(set->IndexOf(4), -1);
    auto empty = NewIntegerSet();
    EXPECT_EQ(empty->First(), 2147483647);
    EXPECT_EQ(empty->Last(), INT32_MIN);
    set->Toggle(3);
    set->Toggle(4);
    EXPECT_EQ(set->CommaText(), QStringLiteral("1,4,5"));
    set->SetCommaText(QStringLiteral("9,2,9"));
    EXPECT_EQ(set->CommaText(), QStringLiteral("2,9"));
    EXPECT_EQ(set->SubSet(1, -1)->CommaText(), QStringLiteral("9"));
    EXPECT_EQ(set->SubSet(0, 1)->CommaText(), QStringLiteral("2"));
    EXPECT_EQ(set->SubSet(-3, INT_MAX)->CommaText(), QStringLiteral("2,9"));
}

TEST(IntegerSet, SetAlgebra)
{
    auto a = NewIntegerSet();
    a->SetCommaText(QStringLiteral("1,2,3,4"));
    auto b = NewIntegerList();
    b->SetCommaText(QStringLiteral("4,3,3,7"));
    EXPECT_TRUE(a->ContainsAny(*b));
    EXPECT_FALSE(a->ContainsAll(*b));
    EXPECT_FALSE(a->IsSubsetOf(*b));
    auto c = a->AsIntegerSet();
    c->KeepOnly(*b);
    EXPECT_EQ(c->CommaText(), QStringLiteral("3,4"));
    EXPECT_TRUE(c->IsSubsetOf(*a));
    EXPECT_TRUE(a->ContainsAll(*c));
    auto d = a->AsIntegerSet();
    d->RemoveFrom(*b);
    EXPECT_EQ(d->CommaText(), QStringLiteral("1,2"));
    d->AddFrom(*b);
    EXPECT_EQ(d->CommaText(), QStringLiteral("1,2,3,4,7"));
    EXPECT_FALSE(d->Equals(*a));
    d->Remove(7);
    EXPECT_TRUE(d->Equals(*a));
    auto dup = NewIntegerList();
    dup->SetCommaText(QStringLiteral("4,3,2,1,1"));
    EXPECT_TRUE(a->Equals(*dup));
    EXPECT_FALSE(NewIntegerSet()->ContainsAny(*a));
    EXPECT_TRUE(NewIntegerSet()->IsSubsetOf(*a));
}

TEST(IntegerList, OrderDuplicatesAndCommaText)
{
    auto list = NewIntegerList();
    list->SetCommaText(QStringLiteral("3,-1,3,2147483647"));
    EXPECT_EQ(list->Count(), 4);
    EXPECT_EQ(list->IndexOf(3), 0);
    list->Sort();
    EXPECT_EQ(list->CommaText(), QStringLiteral("-1,3,3,2147483647"));
    list->Sort([](int32_t a, int32_t b) { return a > b ? -1 : a < b ? 1 : 0; });
    EXPECT_EQ(list->CommaText(), QStringLiteral("2147483647,3,3,-1"));
    list->Reverse();
    list->Insert(0, 8);
    list->Delete(1);
    list->SetItem(0, 9);
    EXPECT_EQ(list->CommaText(), QStringLiteral("9,3,3,2147483647"));
    EXPECT_EQ(list->AsIntegerSet()->CommaText(), QStringLiteral("3,9,2147483647"));
    EXPECT_EQ(list->AsStringList()->Item(0), QStringLiteral("9"));
    EXPECT_THROW(list->SetCommaText(QStringLiteral("1,,2")), EBSConvertError);
    EXPECT_EQ(list->Count(), 4); // left as it was
    EXPECT_THROW(list->SetCommaText(QStringLiteral("2147483648")), EBSConvertError);
    EXPECT_THROW(list->SetCommaText(QStringLiteral("1,x")), EBSConvertError);
    list->SetCommaText(QString());
    EXPECT_EQ(list->Count(), 0);
    EXPECT_THROW(list->Item(0), std::out_of_range);
    EXPECT_THROW(list->Insert(2, 0), std::out_of_range);
}

TEST(StringSet, SortedWithoutDuplicatesAndCaseSensitive)
{
    auto set = NewStringSet();
    for (const char *s : {"b", "a", "B", "a"})
        set->Add(QString::fromUtf8(s));
    EXPECT_EQ(set->Items(), (QStringList{"B", "a", "b"}));
    EXPECT_EQ(set->First(), QStringLiteral("B"));
    EXPECT_EQ(set->Last(), QStringLiteral("b"));
    EXPECT_FALSE(set->Contains(QStringLiteral("A")));
    auto other = NewStringListFromStrings({"a", "z"});
    EXPECT_TRUE(set->ContainsAny(*other));
    set->AddFrom(*other);
    EXPECT_EQ(set->CommaText(), QStringLiteral("B,a,b,z"));
    set->RemoveFrom(*other);
    EXPECT_EQ(set->CommaText(), QStringLiteral("B,b"));
    set->Toggle(QStringLiteral("B"));
    set->KeepOnly(*NewStringListFromStrings({"b", "q"}));
    EXPECT_EQ(set->Items(), QStringList{"b"});
    EXPECT_TRUE(set->Equals(*NewStringListFromStrings({"b", "b"})));
    EXPECT_TRUE(set->IsSubsetOf(*other) == false);
    EXPECT_EQ(NewStringSet()->First(), QString());
    set->SetCommaText(QStringLiteral("z,,a,z"));
    EXPECT_EQ(set->Items(), (QStringList{"", "a", "z"}));
    EXPECT_EQ(set->SubSet(1, 1)->Items(), QStringList{"a"});
}

TEST(IntegerMaps, HashTableWithNegativeAndCollidingKeys)
{
    auto map = NewIntegerMap();
    // 1, 257, -1 and -257 share a bucket; INT32_MIN must not overflow the bucket computation.
    for (int32_t key : {1, 257, -1, -257, INT32_MIN, INT32_MAX})
        map->Put(key, key / 2);
    EXPECT_EQ(map->Count(), 6);
    EXPECT_EQ(map->ValueOf(-257), -128);
    EXPECT_EQ(map->ValueOf(INT32_MIN), INT32_MIN / 2);
    EXPECT_EQ(map->ValueOf(2, -5), -5);
    map->Put(257, 0);
    EXPECT_EQ(map->Count(), 6);
    EXPECT_EQ(map->ValueOf(257, 9), 0);
    map->Remove(1);
    EXPECT_FALSE(map->ContainsKey(1));
    EXPECT_TRUE(map->ContainsKey(-1));
    EXPECT_EQ(map->Keys()->CommaText(), QStringLiteral("-2147483648,-257,-1,257,2147483647"));
    auto keys = NewIntegerList();
    keys->SetCommaText(QStringLiteral("-1,-257"));
    map->RemoveKeys(*keys);
    EXPECT_EQ(map->Count(), 3);
    EXPECT_EQ(TBSIntegerHash<int>::bucketOf(INT32_MIN), 0u);
    EXPECT_EQ(TBSIntegerHash<int>::bucketOf(-257), 1u);

    auto doubles = NewIntegerDoubleMap();
    doubles->Put(4, 0.5);
    EXPECT_DOUBLE_EQ(doubles->ValueOf(4), 0.5);
    auto strings = NewIntegerStringMap();
    strings->Put(4, QStringLiteral("x"));
    EXPECT_EQ(strings->ValueOf(4), QStringLiteral("x"));
    EXPECT_EQ(strings->ValueOf(5), QString());
    strings->Clear();
    EXPECT_EQ(strings->Count(), 0);

    auto objects = NewIntegerObjectMap();
    BSRef<IBSUnknown> item = NewStringList();
    const long alone = Supports<IBSManaged>(item)->RefCount();
    objects->Put(1, item);
    EXPECT_EQ(objects->ValueOf(1), item);
    EXPECT_EQ(Supports<IBSManaged>(item)->RefCount(), alone + 1); // the map keeps the object alive
    objects->Remove(1);
    EXPECT_EQ(Supports<IBSManaged>(item)->RefCount(), alone);
}

struct Listener {
    int calls = 0;
    void *lastSender = nullptr;
    void onNotify(void *sender)
    {
        ++calls;
        lastSender = sender;
    }
    void other(void *) {}
};

int g_freeCalls = 0;
void freeHandler(void *)
{
    ++g_freeCalls;
}

TEST(NotifyEventList, EachHandlerOnceInListOrder)
{
    Listener a, b;
    auto list = NewNotifyEventList();
    list->Add(TBSNotifyEvent(&a, &Listener::onNotify));
    list->Add(TBSNotifyEvent(&b, &Listener::onNotify));
    list->Add(TBSNotifyEvent(&a, &Listener::other));
    list->Add(TBSNotifyEvent(&freeHandler));
    try {
        list->Add(TBSNotifyEvent(&a, &Listener::onNotify));
        ADD_FAILURE() << "duplicate accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Doppeltes NotifyEvent in Liste!"));
    }
    EXPECT_EQ(list->Count(), 4);
    int sender = 0;
    list->Notify(&sender);
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(a.lastSender, &sender);
    EXPECT_EQ(g_freeCalls, 1);
    list->Remove(TBSNotifyEvent(&b, &Listener::onNotify));
    list->Remove(TBSNotifyEvent(&b, &Listener::onNotify));
    list->Notify(nullptr);
    EXPECT_EQ(a.calls, 2);
    EXPECT_EQ(b.calls, 1);
}

TEST(NotifyEventList, AHandlerMayRemoveOthersWhileCalled)
{
    struct Remover {
        IBSNotifyEventList *list = nullptr;
        Listener *victim = nullptr;
        void onNotify(void *) { list->Remove(TBSNotifyEvent(victim, &Listener::onNotify)); }
    };
    Listener victim;
    auto list = NewNotifyEventList();
    Remover remover{list.get(), &victim};
    list->Add(TBSNotifyEvent(&remover, &Remover::onNotify));
    list->Add(TBSNotifyEvent(&victim, &Listener::onNotify));
    list->Notify(nullptr);
    EXPECT_EQ(victim.calls, 0);
    EXPECT_EQ(list->Count(), 1);
}

TEST(InterfaceList, SortsWithAComparison)
{
    auto list = NewInterfaceList();
    for (const char *text : {"c", "a", "b"})
        list->Add(NewStringListFromStrings({QString::fromUtf8(text)}));
    list->Sort([](const BSRef<IBSUnknown> &x, const BSRef<IBSUnknown> &y) {
        return QString::compare(Supports<IBSStringList>(x)->Item(0), Supports<IBSStringList>(y)->Item(0));
    });
    QStringList order;
    for (int i = 0; i < list->Count(); ++i)
        order << Supports<IBSStringList>(list->Item(i))->Item(0);
    EXPECT_EQ(order, (QStringList{"a", "b", "c"}));
    auto first = list->Item(0);
    EXPECT_EQ(list->IndexOf(first), 0);
    list->Exchange(0, 2);
    EXPECT_EQ(list->Remove(first), 2);
    EXPECT_EQ(list->Remove(first), -1);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_THROW(list->Item(2), std::out_of_range);
}

TEST(Singleton, ASecondRegistrationIsRefused)
{
    static int *slot = nullptr;
    int one = 1, two = 2;
    RegisterSingleton(slot, &one);
    EXPECT_EQ(slot, &one);
    try {
        RegisterSingleton(slot, &two);
        ADD_FAILURE() << "second registration accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Singleton-Pattern verletzt."));
    }
    EXPECT_EQ(slot, &one);
    slot = nullptr;

    BSRef<IBSStringList> ref;
    RegisterSingleton(ref, NewStringList());
    EXPECT_THROW(RegisterSingleton(ref, NewStringList()), EBSAssertion);
}

} // namespace
