#include "base/lookupitems.h"

#include "base/stringmap.h"

#include <QCollator>

#include <algorithm>

int TBSLookupItems::indexOfKey(int32_t key) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].key == key)
            return int(i);
    return -1;
}

QString TBSLookupItems::TextOf(int32_t key) const
{
    const int i = indexOfKey(key);
    return i < 0 ? QString() : m_entries[size_t(i)].text;
}

void TBSLookupItems::SetTextOf(int32_t key, const QString &text)
{
    const int i = indexOfKey(key);
    if (i < 0)
        m_entries.push_back(Entry{key, text});
    else
        m_entries[size_t(i)].text = text;
}

void TBSLookupItems::AddFrom(const IBSLookupItems &other)
{
    for (int i = 0; i < other.Count(); ++i)
        SetTextOf(other.Key(i), other.Text(i));
}

void TBSLookupItems::Remove(int32_t key)
{
    const int i = indexOfKey(key);
    if (i >= 0)
        m_entries.erase(m_entries.begin() + i);
}

BSRef<IBSLookupItems> TBSLookupItems::Clone() const
{
    auto copy = BSNew<TBSLookupItems>();
    copy->m_entries = m_entries;
    return copy;
}

int32_t TBSLookupItems::KeyOfText(const QString &text) const
{
    for (const Entry &entry : m_entries)
        if (entry.text.compare(text, Qt::CaseInsensitive) == 0)
            return entry.key;
    return -1;
}

void TBSLookupItems::SortByKey(const KeyComparison &comparison)
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [&](const Entry &a, const Entry &b) {
        return comparison ? comparison(a.key, b.key) < 0 : a.key < b.key;
    });
}

void TBSLookupItems::SortByText()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [&](const Entry &a, const Entry &b) { return collator.compare(a.text, b.text) < 0; });
}

void TBSLookupItems::RemoveKeys(const IBSIntegerCollection &keys)
{
    std::erase_if(m_entries, [&](const Entry &entry) { return keys.Contains(entry.key); });
}

BSRef<IBSIntegerSet> TBSLookupItems::Keys() const
{
    std::vector<int32_t> keys;
    keys.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        keys.push_back(entry.key);
    return BSNew<TBSIntegerSet>(keys);
}

BSRef<IBSStringMap> TBSLookupItems::AsStringMap() const
{
    auto map = NewStringMap();
    for (const Entry &entry : m_entries)
        map->Put(QString::number(entry.key), entry.text);
    return map;
}

BSRef<IBSLookupItems> NewLookupItems()
{
    return BSNew<TBSLookupItems>();
}
