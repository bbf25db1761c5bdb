#pragma once

#include "base/managed.h"

#include <QString>

#include <cstdint>

// An age range; either end may be open (-1). A range whose MinAge is 2147483647 is empty.
class IBSSwAgeRange : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{5EB3B6B8-3253-411E-A99F-27027E2BC690}";
    virtual int32_t MinAge() const = 0;
    virtual int32_t MaxAge() const = 0;
    virtual bool Contains(int32_t age) const = 0;
    virtual bool ContainsRange(const IBSSwAgeRange &other) const = 0;
    virtual bool IsAll() const = 0;
    virtual bool Equals(const BSRef<IBSUnknown> &other) const = 0;
    virtual int32_t Span() const = 0;
    // "00010_00010"; "X" for an empty range.
    virtual QString Text() const = 0;
    // A new range covering this one and other.
    virtual BSRef<IBSSwAgeRange> Union(const IBSSwAgeRange &other) const = 0;
};

inline constexpr int32_t BSSwAgeOpen = -1;
inline constexpr int32_t BSSwAgeEmpty = 2147483647;

class TBSSwAgeRange : public TBSManagedInterface, public IBSSwAgeRange
{
public:
    // Raw ends, taken as given; use NewAgeRange for the normalising constructor.
    TBSSwAgeRange(int32_t minAge, int32_t maxAge);

    int32_t MinAge() const override { return m_minAge; }
    int32_t MaxAge() const override { return m_maxAge; }
    bool Contains(int32_t age) const override;
    bool ContainsRange(const IBSSwAgeRange &other) const override;
    bool IsAll() const override { return m_minAge == BSSwAgeOpen && m_maxAge == BSSwAgeOpen; }
    bool Equals(const BSRef<IBSUnknown> &other) const override;
    int32_t Span() const override;
    QString Text() const override;
    BSRef<IBSSwAgeRange> Union(const IBSSwAgeRange &other) const override;

    bool IsEmpty() const { return m_minAge == BSSwAgeEmpty; }

private:
    int32_t m_minAge;
    int32_t m_maxAge;
};

// MinAge = a when a > 0, else open. MaxAge is open when c <= 0, c = 999, or c = 99 (except in the
// range 72-99, which ends at 99).
BSRef<IBSSwAgeRange> NewAgeRange(int32_t minAge, int32_t maxAge);
// "0-9", "10-10", "19-99", "12", "Open" or empty (every age).
BSRef<IBSSwAgeRange> NewAgeRangeFromText(const QString &text);
// The empty range, which contains no age.
BSRef<IBSSwAgeRange> NewEmptyAgeRange();
