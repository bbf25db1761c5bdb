#include "base/integercollections.h"

#include "base/converterror.h"
#include "base/stringlist.h"

#include <QStringList>

#include <algorithm>
#include <climits>

// ---- TBSIntegerCollection

QString TBSIntegerCollection::CommaText() const
{
    QString text;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += QString::number(m_values[i]);
    }
    return text;
}

void TBSIntegerCollection::SetCommaText(const QString &text)
{
    std::vector<int32_t> values;
    if (!text.isEmpty()) {
        const QStringList items = text.split(QLatin1Char(','));
        values.reserve(size_t(items.size()));
        for (const QString &item : items)
            values.push_back(BSStrToInt(item));
    }
    assign(values);
}

int TBSIntegerCollection::IndexOf(int32_t value) const
{
    const auto it = std::find(m_values.begin(), m_values.end(), value);
    return it == m_values.end() ? -1 : int(it - m_values.begin());
}

BSRef<IBSIntegerList> TBSIntegerCollection::AsIntegerList() const
{
    return BSNew<TBSIntegerList>(m_values);
}

BSRef<IBSIntegerSet> TBSIntegerCollection::AsIntegerSet() const
{
    return BSNew<TBSIntegerSet>(m_values);
}

BSRef<IBSStringList> TBSIntegerCollection::AsStringList() const
{
    auto list = NewStringList();
    for (int32_t value : m_values)
        list->Add(QString::number(value));
    return list;
}

// ---- TBSIntegerList

void TBSIntegerList::AddFrom(const IBSIntegerCollection &other)
{
    const std::vector<int32_t> values = other.Values();
    m_values.insert(m_values.end(), values.begin(), values.end());
}

void TBSIntegerList::Delete(int i)
{
    (void)m_values.at(size_t(i));
    m_values.erase(m_values.begin() + i);
}

void TBSIntegerList::Insert(int i, int32_t value)
{
    if (i < 0 || size_t(i) > m_values.size())
        throw std::out_of_range("list index out of bounds");
    m_values.insert(m_values.begin() + i, value);
}

void TBSIntegerList::Reverse()
{
    std::reverse(m_values.begin(), m_values.end());
}

void TBSIntegerList::Sort(const Comparison &comparison)
{
    if (comparison)
        std::stable_sort(m_values.begin(), m_values.end(),
                         [&](int32_t a, int32_t b) { return comparison(a, b) < 0; });
    else
        std::stable_sort(m_values.begin(), m_values.end());
}

// ---- TBSIntegerSet

void TBSIntegerSet::assign(const std::vector<int32_t> &values)
{
    m_values = values;
    std::sort(m_values.begin(), m_values.end());
    m_values.erase(std::unique(m_values.begin(), m_values.end()), m_values.end());
}

bool TBSIntegerSet::Contains(int32_t value) const
{
    return std::binary_search(m_values.begin(), m_values.end(), value);
}

int TBSIntegerSet::IndexOf(int32_t value) const
{
    const auto it = std::lower_bound(m_values.begin(), m_values.end(), value);
    return it != m_values.end() && *it == value ? int(it - m_values.begin()) : -1;
}

void TBSIntegerSet::Add(int32_t value)
{
    const auto it = std::lower_bound(m_values.begin(), m_values.end(), value);
    if (it == m_values.end() || *it != value)
        m_values.insert(it, value);
}

void TBSIntegerSet::Remove(int32_t value)
{
    const auto it = std::lower_bound(m_values.begin(), m_values.end(), value);
    if (it != m_values.end() && *it == value)
        m_values.erase(it);
}

void TBSIntegerSet::Toggle(int32_t value)
{
    if (Contains(value))
        Remove(value);
    else
        Add(value);
}

void TBSIntegerSet::AddFrom(const IBSIntegerCollection &other)
{
    std::vector<int32_t> values = other.Values();
    values.insert(values.end(), m_values.begin(), m_values.end());
    assign(values);
}

void TBSIntegerSet::RemoveFrom(const IBSIntegerCollection &other)
{
    std::erase_if(m_values, [&](int32_t v) { return other.Contains(v); });
}

void TBSIntegerSet::KeepOnly(const IBSIntegerCollection &other)
{
    std::erase_if(m_values, [&](int32_t v) { return !other.Contains(v); });
}

bool TBSIntegerSet::Equals(const IBSIntegerCollection &other) const
{
    return IsSubsetOf(other) && ContainsAll(other);
}

bool TBSIntegerSet::ContainsAny(const IBSIntegerCollection &other) const
{
    for (int32_t v : other.Values())
        if (Contains(v))
            return true;
    return false;
}

bool TBSIntegerSet::IsSubsetOf(const IBSIntegerCollection &other) const
{
    for (int32_t v : m_values)
        if (!other.Contains(v))
            return false;
    return true;
}

bool TBSIntegerSet::ContainsAll(const IBSIntegerCollection &other) const
{
    for (int32_t v : other.Values())
        if (!Contains(v))
            return false;
    return true;
}

BSRef<IBSIntegerSet> TBSIntegerSet::SubSet(int from, int count) const
{
    const int n = Count();
    const int start = std::clamp(from, 0, n);
    const int end = count < 0 ? n : int(std::min<int64_t>(int64_t(start) + count, n));
    return BSNew<TBSIntegerSet>(std::vector<int32_t>(m_values.begin() + start, m_values.begin() + end));
}

int32_t TBSIntegerSet::First() const
{
    return m_values.empty() ? INT32_MAX : m_values.front();
}

int32_t TBSIntegerSet::Last() const
{
    return m_values.empty() ? INT32_MIN : m_values.back();
}

BSRef<IBSIntegerList> NewIntegerList()
{
    return BSNew<TBSIntegerList>();
}

BSRef<IBSIntegerSet> NewIntegerSet()
{
    return BSNew<TBSIntegerSet>();
}
