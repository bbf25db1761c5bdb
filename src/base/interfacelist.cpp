#include "base/interfacelist.h"

#include <algorithm>
#include <stdexcept>

int TBSInterfaceList::Add(const BSRef<IBSUnknown> &item)
{
    m_items.push_back(item);
    return int(m_items.size()) - 1;
}

void TBSInterfaceList::Insert(int i, const BSRef<IBSUnknown> &item)
{
    if (i < 0 || size_t(i) > m_items.size())
        throw std::out_of_range("list index out of bounds");
    m_items.insert(m_items.begin() + i, item);
}

void TBSInterfaceList::Delete(int i)
{
    (void)m_items.at(size_t(i));
    m_items.erase(m_items.begin() + i);
}

int TBSInterfaceList::Remove(const BSRef<IBSUnknown> &item)
{
    const int i = IndexOf(item);
    if (i >= 0)
        m_items.erase(m_items.begin() + i);
    return i;
}

int TBSInterfaceList::IndexOf(const BSRef<IBSUnknown> &item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == item)
            return int(i);
    return -1;
}

void TBSInterfaceList::Exchange(int i, int j)
{
    std::swap(m_items.at(size_t(i)), m_items.at(size_t(j)));
}

void TBSInterfaceList::Sort(const Comparison &comparison)
{
    if (!comparison)
        return;
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const BSRef<IBSUnknown> &a, const BSRef<IBSUnknown> &b) { return comparison(a, b) < 0; });
}

BSRef<IBSInterfaceList> NewInterfaceList()
{
    return BSNew<TBSInterfaceList>();
}
