#pragma once

#include "base/managed.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class IBSIntegerList;
class IBSIntegerSet;
class IBSStringList;

// 32-bit integers: the common face of the integer list and the integer set.
class IBSIntegerCollection : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{0B6E2C94-7F1A-4D38-9A5C-E3D17B08F26A}";
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    // Decimal numbers joined by ",".
    virtual QString CommaText() const = 0;
    // Cut at "," and read as decimal integers; a non-number (an empty item too) is an EBSConvertError and
    // leaves the collection as it was. An empty text empties the collection.
    virtual void SetCommaText(const QString &text) = 0;
    virtual int32_t Item(int i) const = 0;
    virtual bool Contains(int32_t value) const = 0;
    // -1 when absent.
    virtual int IndexOf(int32_t value) const = 0;
    virtual BSRef<IBSIntegerList> AsIntegerList() const = 0;
    virtual BSRef<IBSIntegerSet> AsIntegerSet() const = 0;
    // The numbers in decimal.
    virtual BSRef<IBSStringList> AsStringList() const = 0;
    // All numbers in order.
    virtual std::vector<int32_t> Values() const = 0;
};

// Integers in order, duplicates allowed.
class IBSIntegerList : public virtual IBSIntegerCollection
{
public:
    static constexpr const char *GUID = "{5D2A8F61-0C3B-4E97-B4D1-29F6A7C0E835}";
    // Orders two values: negative, 0 or positive.
    using Comparison = std::function<int(int32_t, int32_t)>;

    virtual void SetItem(int i, int32_t value) = 0;
    virtual void Add(int32_t value) = 0;
    virtual void AddFrom(const IBSIntegerCollection &other) = 0;
    virtual void Delete(int i) = 0;
    virtual void Insert(int i, int32_t value) = 0;
    virtual void Reverse() = 0;
    // Default: ascending. Equal values keep their order.
    virtual void Sort(const Comparison &comparison = {}) = 0;
};

// Integers in ascending order without duplicates.
class IBSIntegerSet : public virtual IBSIntegerCollection
{
public:
    static constexpr const char *GUID = "{C8F03B27-6A94-4D1E-8E5B-71A2D0F9C346}";
    // Ignored when present, otherwise inserted at its ascending place.
    virtual void Add(int32_t value) = 0;
    virtual void Remove(int32_t value) = 0;
    // Adds an absent value, removes a present one.
    virtual void Toggle(int32_t value) = 0;
    virtual void AddFrom(const IBSIntegerCollection &other) = 0;
    virtual void RemoveFrom(const IBSIntegerCollection &other) = 0;
    // Keeps only the values that other holds too.
    virtual void KeepOnly(const IBSIntegerCollection &other) = 0;
    // Both hold each other's values.
    virtual bool Equals(const IBSIntegerCollection &other) const = 0;
    virtual bool ContainsAny(const IBSIntegerCollection &other) const = 0;
    virtual bool IsSubsetOf(const IBSIntegerCollection &other) const = 0;
    virtual bool ContainsAll(const IBSIntegerCollection &other) const = 0;
    // count values from position from (counted from 0); count -1: to the end.
    virtual BSRef<IBSIntegerSet> SubSet(int from, int count) const = 0;
    // The smallest value, or 2147483647 when empty.
    virtual int32_t First() const = 0;
    // The largest value, or -2147483648 when empty.
    virtual int32_t Last() const = 0;
};

class TBSIntegerCollection : public TBSManagedInterface, public virtual IBSIntegerCollection
{
public:
    void Clear() override { m_values.clear(); }
    int Count() const override { return int(m_values.size()); }
    QString CommaText() const override;
    void SetCommaText(const QString &text) override;
    int32_t Item(int i) const override { return m_values.at(size_t(i)); }
    bool Contains(int32_t value) const override { return IndexOf(value) >= 0; }
    int IndexOf(int32_t value) const override;
    BSRef<IBSIntegerList> AsIntegerList() const override;
    BSRef<IBSIntegerSet> AsIntegerSet() const override;
    BSRef<IBSStringList> AsStringList() const override;
    std::vector<int32_t> Values() const override { return m_values; }

protected:
    TBSIntegerCollection() = default;
    // Takes values read by SetCommaText.
    virtual void assign(const std::vector<int32_t> &values) = 0;

    std::vector<int32_t> m_values;
};

class TBSIntegerList : public TBSIntegerCollection, public IBSIntegerList
{
public:
    TBSIntegerList() = default;
    explicit TBSIntegerList(std::vector<int32_t> values) { m_values = std::move(values); }

    void SetItem(int i, int32_t value) override { m_values.at(size_t(i)) = value; }
    void Add(int32_t value) override { m_values.push_back(value); }
    void AddFrom(const IBSIntegerCollection &other) override;
    void Delete(int i) override;
    void Insert(int i, int32_t value) override;
    void Reverse() override;
    void Sort(const Comparison &comparison = {}) override;

protected:
    void assign(const std::vector<int32_t> &values) override { m_values = values; }
};

class TBSIntegerSet : public TBSIntegerCollection, public IBSIntegerSet
{
public:
    TBSIntegerSet() = default;
    explicit TBSIntegerSet(const std::vector<int32_t> &values) { assign(values); }

    bool Contains(int32_t value) const override;
    int IndexOf(int32_t value) const override;
    void Add(int32_t value) override;
    void Remove(int32_t value) override;
    void Toggle(int32_t value) override;
    void AddFrom(const IBSIntegerCollection &other) override;
    void RemoveFrom(const IBSIntegerCollection &other) override;
    void KeepOnly(const IBSIntegerCollection &other) override;
    bool Equals(const IBSIntegerCollection &other) const override;
    bool ContainsAny(const IBSIntegerCollection &other) const override;
    bool IsSubsetOf(const IBSIntegerCollection &other) const override;
    bool ContainsAll(const IBSIntegerCollection &other) const override;
    BSRef<IBSIntegerSet> SubSet(int from, int count) const override;
    int32_t First() const override;
    int32_t Last() const override;

protected:
    void assign(const std::vector<int32_t> &values) override;
};

BSRef<IBSIntegerList> NewIntegerList();
BSRef<IBSIntegerSet> NewIntegerSet();
