#pragma once

#include "base/managed.h"
#include "domain/swimcodes.h"

#include <QString>

// A swim style: how many swimmers, how far each swims and which stroke.
class IBSSwSwimStyle : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{3DB43C81-4B5D-40C8-8F06-84F48A9B6BF2}";
    // Distance of one swimmer, metres.
    virtual int32_t Distance() const = 0;
    // True when RelayCount is 2 to 254.
    virtual bool IsRelay() const = 0;
    // True when other is a swim style with the same counts, distance, stroke and flag (and id for stroke 0).
    virtual bool Equals(const BSRef<IBSUnknown> &other) const = 0;
    virtual int32_t RelayCount() const = 0;
    virtual TBSSwStroke Stroke() const = 0;
    virtual bool ExtraFlag() const = 0;
    virtual int32_t UniqueId() const = 0;
};

class TBSSwSwimStyle : public TBSManagedInterface, public IBSSwSwimStyle
{
public:
    TBSSwSwimStyle(int32_t distance, TBSSwStroke stroke, int32_t relayCount);

    int32_t Distance() const override { return m_distance; }
    bool IsRelay() const override { return m_relayCount >= 2 && m_relayCount <= 254; }
    bool Equals(const BSRef<IBSUnknown> &other) const override;
    int32_t RelayCount() const override { return m_relayCount; }
    TBSSwStroke Stroke() const override { return m_stroke; }
    bool ExtraFlag() const override { return false; }
    int32_t UniqueId() const override { return 0; }

private:
    int32_t m_distance;
    TBSSwStroke m_stroke;
    int32_t m_relayCount;
};

BSRef<IBSSwSwimStyle> NewSwimStyle(int32_t distance, TBSSwStroke stroke, int32_t relayCount);

// Key of the style's line in a table text: "100_FR", "4_100_FR", or "ID_211" for a style without stroke.
// Keys are compared without regard to case.
QString EventKey(const IBSSwSwimStyle &style);
