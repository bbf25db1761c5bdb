#pragma once

#include "base/managed.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Boxed signed 32-bit integer, made from raw bytes by the stream reader.
class IBSInteger : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{6B7C2F0E-5D0B-4B7A-9E51-2B9C8D41F3A1}";
    virtual int32_t Value() const = 0;
    virtual void SetValue(int32_t value) = 0;
    // The value spelt in German number words ("einundzwanzig").
    virtual QString Words() const = 0;
};

class IBSFloat : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{A4E1D6C2-8F3B-4C57-B0D9-7E2A5C3F9B18}";
    virtual double Value() const = 0;
    virtual void SetValue(double value) = 0;
};

// Integer type codes for NewInteger: how many bytes are read and how they are interpreted.
enum TBSIntegerType : int {
    bsitByte = 0,      // 1 byte, unsigned
    bsitWord = 1,      // 2 bytes, unsigned
    bsitLongInt = 2,   // 4 bytes, signed
    bsitShortInt = 3,  // 1 byte, signed
    bsitSmallInt = 4,  // 2 bytes, signed
    bsitInteger = 5,   // 4 bytes, signed
    bsitInt64Low = 6,  // 8 bytes, low 32 bits as signed
};

class TBSInteger : public TBSManagedInterface, public IBSInteger
{
public:
    explicit TBSInteger(int32_t value = 0) : m_value(value) {}
    int32_t Value() const override { return m_value; }
    void SetValue(int32_t value) override { m_value = value; }
    QString Words() const override;

private:
    int32_t m_value;
};

class TBSFloat : public TBSManagedInterface, public IBSFloat
{
public:
    explicit TBSFloat(double value = 0) : m_value(value) {}
    double Value() const override { return m_value; }
    void SetValue(double value) override { m_value = value; }

private:
    double m_value;
};

// Number of bytes NewInteger reads for a type code (0 for an unknown code).
int BSIntegerTypeSize(int typeCode);

// Reads an integer from bytes. With bigEndian the bytes read are reversed first, so the first byte is the
// most significant. Missing bytes count as 0; an unknown type code gives 0.
BSRef<IBSInteger> NewInteger(const QByteArray &bytes, int typeCode, bool bigEndian);

// Reads a big-endian IEEE number: kind 0 a 4-byte single, kind 1 an 8-byte double; any other kind gives 0.
BSRef<IBSFloat> NewFloat(const QByteArray &bytes, int kind);

// German number words of a value: "null", "ein", "einundzwanzig", "einemillion". Negative values get
// the word "minus" in front.
QString BSNumberWords(int64_t value);
