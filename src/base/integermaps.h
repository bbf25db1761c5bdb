#pragma once

#include "base/integercollections.h"

#include <QString>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Maps from integer keys to integers, doubles, strings or objects, kept in a hash table of 256 buckets
// (a key's bucket is its absolute value mod 256).

// The face shared by every container keyed by integers.
class IBSIntegerKeyMapContainer : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{7A14E9C3-2B5D-4F80-9D36-C1E8B4A7F052}";
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    virtual void Remove(int32_t key) = 0;
    virtual void RemoveKeys(const IBSIntegerCollection &keys) = 0;
    virtual bool ContainsKey(int32_t key) const = 0;
    virtual BSRef<IBSIntegerSet> Keys() const = 0;
};

// The operations of one map kind; V is the value type.
template<class V>
class IBSIntegerValueMap : public virtual IBSIntegerKeyMapContainer
{
public:
    // The value of the key, or defaultValue when the key is absent.
    virtual V ValueOf(int32_t key, const V &defaultValue = V()) const = 0;
    // Sets the value of the key, adding the key when absent.
    virtual void Put(int32_t key, const V &value) = 0;
};

class IBSIntegerMap : public virtual IBSIntegerValueMap<int32_t>
{
public:
    static constexpr const char *GUID = "{E09B4C52-3A7F-4D61-8B2E-6F5C1D9A0E47}";
};

class IBSIntegerDoubleMap : public virtual IBSIntegerValueMap<double>
{
public:
    static constexpr const char *GUID = "{2C8D5F17-9E4A-4B03-A6C1-D7F0E3B58924}";
};

class IBSIntegerStringMap : public virtual IBSIntegerValueMap<QString>
{
public:
    static constexpr const char *GUID = "{B5A63E08-1D2C-4F97-8E4B-0A9C7D26F13E}";
};

// Integer keys to objects; the map holds a reference to every object it keeps.
class IBSIntegerObjectMap : public virtual IBSIntegerValueMap<BSRef<IBSUnknown>>
{
public:
    static constexpr const char *GUID = "{48F2D7A1-C6B0-4E39-95D8-3B1E0A7C6F52}";
};

// The 256-bucket hash table behind the maps.
template<class V>
class TBSIntegerHash
{
public:
    static constexpr int BucketCount = 256;

    static size_t bucketOf(int32_t key)
    {
        const int64_t wide = key;
        return size_t((wide < 0 ? -wide : wide) % BucketCount);
    }

    void clear()
    {
        for (auto &bucket : m_buckets)
            bucket.clear();
        m_count = 0;
    }
    int count() const { return m_count; }

    const V *find(int32_t key) const
    {
        for (const auto &entry : m_buckets[bucketOf(key)])
            if (entry.first == key)
                return &entry.second;
        return nullptr;
    }

    void put(int32_t key, const V &value)
    {
        auto &bucket = m_buckets[bucketOf(key)];
        for (auto &entry : bucket)
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        bucket.emplace_back(key, value);
        ++m_count;
    }

    void remove(int32_t key)
    {
        auto &bucket = m_buckets[bucketOf(key)];
        for (auto it = bucket.begin(); it != bucket.end(); ++it)
            if (it->first == key) {
                bucket.erase(it);
                --m_count;
                return;
            }
    }

    std::vector<int32_t> keys() const
    {
        std::vector<int32_t> result;
        result.reserve(size_t(m_count));
        for (const auto &bucket : m_buckets)
            for (const auto &entry : bucket)
                result.push_back(entry.first);
        return result;
    }

private:
    std::array<std::vector<std::pair<int32_t, V>>, BucketCount> m_buckets;
    int m_count = 0;
};

template<class V, class Interface>
class TBSIntegerValueMap : public TBSManagedInterface, public Interface
{
public:
    void Clear() override { m_hash.clear(); }
    int Count() const override { return m_hash.count(); }
    void Remove(int32_t key) override { m_hash.remove(key); }
    void RemoveKeys(const IBSIntegerCollection &keys) override
    {
        for (int32_t key : keys.Values())
            m_hash.remove(key);
    }
    bool ContainsKey(int32_t key) const override { return m_hash.find(key) != nullptr; }
    BSRef<IBSIntegerSet> Keys() const override { return BSNew<TBSIntegerSet>(m_hash.keys()); }
    V ValueOf(int32_t key, const V &defaultValue = V()) const override
    {
        const V *value = m_hash.find(key);
        return value ? *value : defaultValue;
    }
    void Put(int32_t key, const V &value) override { m_hash.put(key, value); }

private:
    TBSIntegerHash<V> m_hash;
};

using TBSIntegerMap = TBSIntegerValueMap<int32_t, IBSIntegerMap>;
using TBSIntegerDoubleMap = TBSIntegerValueMap<double, IBSIntegerDoubleMap>;
using TBSIntegerStringMap = TBSIntegerValueMap<QString, IBSIntegerStringMap>;
using TBSIntegerObjectMap = TBSIntegerValueMap<BSRef<IBSUnknown>, IBSIntegerObjectMap>;

BSRef<IBSIntegerMap> NewIntegerMap();
BSRef<IBSIntegerDoubleMap> NewIntegerDoubleMap();
BSRef<IBSIntegerStringMap> NewIntegerStringMap();
BSRef<IBSIntegerObjectMap> NewIntegerObjectMap();
