#pragma once

#include "base/managed.h"

#include <functional>
#include <vector>

// A list of interface references in order, sortable with a comparison function.
class IBSInterfaceList : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{0A7E3F95-C2B8-4D16-8F4A-5D9B1E6C27F0}";
    // Orders two items: negative, 0 or positive.
    using Comparison = std::function<int(const BSRef<IBSUnknown> &, const BSRef<IBSUnknown> &)>;

    virtual void Clear() = 0;
    virtual int Count() const = 0;
    virtual BSRef<IBSUnknown> Item(int i) const = 0;
    virtual void SetItem(int i, const BSRef<IBSUnknown> &item) = 0;
    // Answers the new item's position.
    virtual int Add(const BSRef<IBSUnknown> &item) = 0;
    virtual void Insert(int i, const BSRef<IBSUnknown> &item) = 0;
    virtual void Delete(int i) = 0;
    // Removes the first occurrence; answers its former position or -1.
    virtual int Remove(const BSRef<IBSUnknown> &item) = 0;
    // The position of the first occurrence (same object), or -1.
    virtual int IndexOf(const BSRef<IBSUnknown> &item) const = 0;
    virtual void Exchange(int i, int j) = 0;
    // Equal items keep their order.
    virtual void Sort(const Comparison &comparison) = 0;
};

class TBSInterfaceList : public TBSManagedInterface, public IBSInterfaceList
{
public:
    void Clear() override { m_items.clear(); }
    int Count() const override { return int(m_items.size()); }
    BSRef<IBSUnknown> Item(int i) const override { return m_items.at(size_t(i)); }
    void SetItem(int i, const BSRef<IBSUnknown> &item) override { m_items.at(size_t(i)) = item; }
    int Add(const BSRef<IBSUnknown> &item) override;
    void Insert(int i, const BSRef<IBSUnknown> &item) override;
    void Delete(int i) override;
    int Remove(const BSRef<IBSUnknown> &item) override;
    int IndexOf(const BSRef<IBSUnknown> &item) const override;
    void Exchange(int i, int j) override;
    void Sort(const Comparison &comparison) override;

private:
    std::vector<BSRef<IBSUnknown>> m_items;
};

BSRef<IBSInterfaceList> NewInterfaceList();
