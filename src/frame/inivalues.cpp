#include "frame/inivalues.h"

#include <QTimeZone>

namespace {

// The decimal number that a run of digits spells; nothing for an empty text or any other character.
std::optional<int> digitsValue(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

const QDate kZeroDate(1899, 12, 30);

} // namespace

std::optional<qint32> ParseIniInteger(const QString &text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < size && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < size && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= size)
        return std::nullopt;
    quint64 value = 0;
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    for (; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        if (value > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<quint32>(value);
    const auto magnitude = static_cast<qint32>(bits);
    return negative ? static_cast<qint32>(0u - bits) : magnitude;
}

QString FormatIniDateTime(const QDateTime &value)
{
    if (!value.isValid())
        return QStringLiteral("18991230000000");
    return value.toLocalTime().toString(QStringLiteral("yyyyMMddHHmmss"));
}

std::optional<QDateTime> ParseIniDateTime(const QString &text)
{
    const auto year = digitsValue(text.mid(0, 4));
    const auto month = digitsValue(text.mid(4, 2));
    const auto day = digitsValue(text.mid(6, 2));
    if (!year || !month || !day || *year < 1 || *year > 9999)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0);
    const auto hour = digitsValue(text.mid(8, 2));
    const auto minute = digitsValue(text.mid(10, 2));
    const auto second = digitsValue(text.mid(12, 2));
    if (hour && minute && second && *hour < 24 && *minute < 60 && *second < 60)
        time = QTime(*hour, *minute, *second);
    if (date == kZeroDate && time == QTime(0, 0))
        return std::nullopt;
    return QDateTime(date, time);
}
