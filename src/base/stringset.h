#pragma once

#include "base/stringlist.h"

// Strings in ascending character order (case-sensitive) without duplicates; set algebra.
class IBSStringSet : public virtual IBSStringCollection
{
public:
    static constexpr const char *GUID = "{D1F6A842-5C0E-4B37-9A2D-8E4B7C13F960}";
    // Ignored when present, otherwise inserted at its place.
    virtual void Add(const QString &s) = 0;
    virtual void Remove(const QString &s) = 0;
    virtual void Toggle(const QString &s) = 0;
    virtual void AddFrom(const IBSStringCollection &other) = 0;
    virtual void RemoveFrom(const IBSStringCollection &other) = 0;
    virtual void KeepOnly(const IBSStringCollection &other) = 0;
    virtual bool Equals(const IBSStringCollection &other) const = 0;
    virtual bool ContainsAny(const IBSStringCollection &other) const = 0;
    virtual bool IsSubsetOf(const IBSStringCollection &other) const = 0;
    virtual bool ContainsAll(const IBSStringCollection &other) const = 0;
    // count items from position from (counted from 0); count -1: to the end.
    virtual BSRef<IBSStringSet> SubSet(int from, int count) const = 0;
    // The smallest item; empty when the set is empty.
    virtual QString First() const = 0;
    // The largest item; empty when the set is empty.
    virtual QString Last() const = 0;
};

class TBSStringSet : public TBSStringCollection, public IBSStringSet
{
public:
    TBSStringSet() = default;
    explicit TBSStringSet(const QStringList &items) { assign(items); }

    int IndexOf(const QString &s) const override;
    BSRef<IBSStringCollection> CloneCollection() const override { return BSNew<TBSStringSet>(m_items); }
    void Add(const QString &s) override;
    void Remove(const QString &s) override;
    void Toggle(const QString &s) override;
    void AddFrom(const IBSStringCollection &other) override;
    void RemoveFrom(const IBSStringCollection &other) override;
    void KeepOnly(const IBSStringCollection &other) override;
    bool Equals(const IBSStringCollection &other) const override;
    bool ContainsAny(const IBSStringCollection &other) const override;
    bool IsSubsetOf(const IBSStringCollection &other) const override;
    bool ContainsAll(const IBSStringCollection &other) const override;
    BSRef<IBSStringSet> SubSet(int from, int count) const override;
    QString First() const override { return m_items.isEmpty() ? QString() : m_items.first(); }
    QString Last() const override { return m_items.isEmpty() ? QString() : m_items.last(); }

protected:
    void assign(const QStringList &items) override;
};

BSRef<IBSStringSet> NewStringSet();
