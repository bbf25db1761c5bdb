#include "base/boxed.h"

namespace {

const char *const kUnits[20] = {"", "ein", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun",
                                "zehn", "elf", "zwölf", "dreizehn", "vierzehn", "fünfzehn", "sechzehn",
                                "siebzehn", "achtzehn", "neunzehn"};
const char *const kTens[10] = {"", "zehn", "zwanzig", "dreissig", "vierzig", "fünfzig", "sechzig", "siebzig",
                               "achtzig", "neunzig"};

// Words of 0..999; 0 is nothing.
QString belowThousand(int n)
{
    QString words;
    const int r = n % 100;
    if (r >= 20) {
        words = QString::fromUtf8(kUnits[r % 10]);
        if (r % 10 != 0)
            words += QLatin1String("und");
        words += QString::fromUtf8(kTens[r / 10]);
    } else {
        words = QString::fromUtf8(kUnits[r]);
    }
    if (n / 100 != 0)
        words = QString::fromUtf8(kUnits[n / 100]) + QLatin1String("hundert") + words;
    return words;
}

} // namespace

QString BSNumberWords(int64_t value)
{
    if (value < 0)
        return QLatin1String("minus") + BSNumberWords(-value);
    if (value == 0)
        return QStringLiteral("null");

    QString result = belowThousand(int(value % 1000));
    if (value >= 1000 && (value % 1000000) / 1000 != 0)
        result = belowThousand(int((value % 1000000) / 1000)) + QLatin1String("tausend") + result;
    if (value > 999999) {
        const int m = int((value % 1000000000) / 1000000);
        if (m == 1)
            result = QLatin1String("einemillion") + result;
        else if (m > 1)
            result = belowThousand(m) + QLatin1String("millionen") + result;
    }
    if (value > 999999999) {
        const int64_t g = value / 1000000000;
        if (g == 1)
            result = QLatin1String("einemilliarde") + result;
        else
            result = BSNumberWords(g) + QLatin1String("milliarden") + result;
    }
    return result;
}
