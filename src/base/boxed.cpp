#include "base/boxed.h"

#include <algorithm>
#include <bit>
#include <cstring>

int BSIntegerTypeSize(int typeCode)
{
    switch (typeCode) {
    case bsitByte:
    case bsitShortInt:
        return 1;
    case bsitWord:
    case bsitSmallInt:
        return 2;
    case bsitLongInt:
    case bsitInteger:
        return 4;
    case bsitInt64Low:
        return 8;
    default:
        return 0;
    }
}

BSRef<IBSInteger> NewInteger(const QByteArray &bytes, int typeCode, bool bigEndian)
{
    const int size = BSIntegerTypeSize(typeCode);
    unsigned char raw[8] = {};
    const int available = std::min<int>(size, int(bytes.size()));
    std::memcpy(raw, bytes.constData(), size_t(available));
    if (bigEndian)
        std::reverse(raw, raw + size);

    uint64_t le = 0;
    for (int i = size - 1; i >= 0; --i)
        le = (le << 8) | raw[i];

    int32_t value = 0;
    switch (typeCode) {
    case bsitByte:
        value = int32_t(uint8_t(le));
        break;
    case bsitWord:
        value = int32_t(uint16_t(le));
        break;
    case bsitShortInt:
        value = int32_t(int8_t(uint8_t(le)));
        break;
    case bsitSmallInt:
        value = int32_t(int16_t(uint16_t(le)));
        break;
    case bsitLongInt:
    case bsitInteger:
    case bsitInt64Low:
        value = int32_t(uint32_t(le));
        break;
    default:
        break;
    }
    return BSNew<TBSInteger>(value);
}

BSRef<IBSFloat> NewFloat(const QByteArray &bytes, int kind)
{
    const int size = kind == 0 ? 4 : kind == 1 ? 8 : 0;
    unsigned char raw[8] = {};
    std::memcpy(raw, bytes.constData(), size_t(std::min<int>(size, int(bytes.size()))));
    uint64_t be = 0;
    for (int i = 0; i < size; ++i)
        be = (be << 8) | raw[i];

    double value = 0;
    if (kind == 0)
        value = double(std::bit_cast<float>(uint32_t(be)));
    else if (kind == 1)
        value = std::bit_cast<double>(be);
    return BSNew<TBSFloat>(value);
}

QString TBSInteger::Words() const
{
    return BSNumberWords(m_value);
}
