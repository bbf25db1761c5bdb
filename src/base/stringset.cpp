#include "base/stringset.h"

#include <algorithm>

namespace {

bool less(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

} // namespace

void TBSStringSet::assign(const QStringList &items)
{
    m_items = items;
    std::sort(m_items.begin(), m_items.end(), less);
    m_items.erase(std::unique(m_items.begin(), m_items.end()), m_items.end());
}

int TBSStringSet::IndexOf(const QString &s) const
{
    const auto it = std::lower_bound(m_items.begin(), m_items.end(), s, less);
    return it != m_items.end() && *it == s ? int(it - m_items.begin()) : -1;
}

void TBSStringSet::Add(const QString &s)
{
    const auto it = std::lower_bound(m_items.begin(), m_items.end(), s, less);
    if (it == m_items.end() || *it != s)
        m_items.insert(it, s);
}

void TBSStringSet::Remove(const QString &s)
{
    const int i = IndexOf(s);
    if (i >= 0)
        m_items.removeAt(i);
}

void TBSStringSet::Toggle(const QString &s)
{
    if (Contains(s))
        Remove(s);
    else
        Add(s);
}

void TBSStringSet::AddFrom(const IBSStringCollection &other)
{
    assign(m_items + other.Items());
}

void TBSStringSet::RemoveFrom(const IBSStringCollection &other)
{
    m_items.removeIf([&](const QString &s) { return other.Contains(s); });
}

void TBSStringSet::KeepOnly(const IBSStringCollection &other)
{
    m_items.removeIf([&](const QString &s) { return !other.Contains(s); });
}

bool TBSStringSet::Equals(const IBSStringCollection &other) const
{
    return IsSubsetOf(other) && ContainsAll(other);
}

bool TBSStringSet::ContainsAny(const IBSStringCollection &other) const
{
    const QStringList items = other.Items();
    return std::any_of(items.begin(), items.end(), [&](const QString &s) { return Contains(s); });
}

bool TBSStringSet::IsSubsetOf(const IBSStringCollection &other) const
{
    return std::all_of(m_items.begin(), m_items.end(), [&](const QString &s) { return other.Contains(s); });
}

bool TBSStringSet::ContainsAll(const IBSStringCollection &other) const
{
    const QStringList items = other.Items();
    return std::all_of(items.begin(), items.end(), [&](const QString &s) { return Contains(s); });
}

BSRef<IBSStringSet> TBSStringSet::SubSet(int from, int count) const
{
    const int n = Count();
    const int start = std::clamp(from, 0, n);
    const int length = count < 0 ? n - start : std::min(count, n - start);
    return BSNew<TBSStringSet>(m_items.mid(start, length));
}

BSRef<IBSStringSet> NewStringSet()
{
    return BSNew<TBSStringSet>();
}
