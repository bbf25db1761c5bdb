#include "base/textcodec.h"

#include <QStringDecoder>

namespace {

// 0x80 to 0x9F; 0 where Windows-1252 has no character (the byte then stands for itself).
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QChar BSWindows1252Char(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool BSWindows1252Byte(QChar c, unsigned char &byte)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    return false;
}

QString BSDecodeWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text += BSWindows1252Char(static_cast<unsigned char>(b));
    return text;
}

QString BSDecodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return BSDecodeWindows1252(bytes);
}

QByteArray BSEncodeText(const QString &text)
{
    return text.toUtf8();
}
