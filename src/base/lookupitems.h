#pragma once

#include "base/integermaps.h"
#include "base/managed.h"

#include <QString>

#include <functional>
#include <vector>

class IBSStringMap;

// Keyed display texts in insertion order: the source of keyed combo boxes and of the point table list.
// Adding an existing key replaces its text.
class IBSLookupItems : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{C52D8E71-0B3A-4F96-A1E4-38D7B6F2A905}";
    // Orders two keys: negative, 0 or positive, like a comparison function.
    using KeyComparison = std::function<int(int32_t, int32_t)>;

    virtual void Clear() = 0;
    virtual int Count() const = 0;
    virtual int32_t Key(int i) const = 0;
    virtual QString Text(int i) const = 0;
    virtual void SetText(int i, const QString &text) = 0;
    // Empty when the key is absent.
    virtual QString TextOf(int32_t key) const = 0;
    // Changes the entry with that key, or appends a new entry.
    virtual void SetTextOf(int32_t key, const QString &text) = 0;
    virtual void AddFrom(const IBSLookupItems &other) = 0;
    virtual void Remove(int32_t key) = 0;
    virtual BSRef<IBSLookupItems> Clone() const = 0;
    virtual bool ContainsKey(int32_t key) const = 0;
    // Key of the first entry with that text, without regard to case; -1 when none.
    virtual int32_t KeyOfText(const QString &text) const = 0;
    virtual BSRef<IBSIntegerSet> Keys() const = 0;
    // Entries ordered by their keys (default ascending); ties keep their order.
    virtual void SortByKey(const KeyComparison &comparison = {}) = 0;
    // Entries in locale order of their texts, without regard to case; ties keep their order.
    virtual void SortByText() = 0;
    // The key in decimal as name, the text as value.
    virtual BSRef<IBSStringMap> AsStringMap() const = 0;
};

class TBSLookupItems : public TBSManagedInterface, public IBSLookupItems, public IBSIntegerKeyMapContainer
{
public:
    void Clear() override { m_entries.clear(); }
    int Count() const override { return int(m_entries.size()); }
    void RemoveKeys(const IBSIntegerCollection &keys) override;
    int32_t Key(int i) const override { return m_entries.at(size_t(i)).key; }
    QString Text(int i) const override { return m_entries.at(size_t(i)).text; }
    void SetText(int i, const QString &text) override { m_entries.at(size_t(i)).text = text; }
    QString TextOf(int32_t key) const override;
    void SetTextOf(int32_t key, const QString &text) override;
    void AddFrom(const IBSLookupItems &other) override;
    void Remove(int32_t key) override;
    BSRef<IBSLookupItems> Clone() const override;
    bool ContainsKey(int32_t key) const override { return indexOfKey(key) >= 0; }
    int32_t KeyOfText(const QString &text) const override;
    BSRef<IBSIntegerSet> Keys() const override;
    void SortByKey(const KeyComparison &comparison = {}) override;
    void SortByText() override;
    BSRef<IBSStringMap> AsStringMap() const override;

private:
    struct Entry {
        int32_t key;
        QString text;
    };
    int indexOfKey(int32_t key) const;
    std::vector<Entry> m_entries;
};

BSRef<IBSLookupItems> NewLookupItems();
