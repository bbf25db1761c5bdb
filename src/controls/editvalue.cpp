#include "controls/editvalue.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTime>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

const QDate &dateZero()
{
    static const QDate zero(1899, 12, 30);
    return zero;
}

bool isDigitsOnly(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Rounds a plain decimal digit string (no sign) at `decimals` digits after its point, half away from zero.
std::string roundDecimalString(const std::string &digits, int decimals)
{
    std::string intPart = digits;
    std::string fracPart;
    if (const size_t dot = digits.find('.'); dot != std::string::npos) {
        intPart = digits.substr(0, dot);
        fracPart = digits.substr(dot + 1);
    }
    if (intPart.empty())
        intPart = "0";
    if (int(fracPart.size()) <= decimals)
        return fracPart.empty() ? intPart : intPart + "." + fracPart;

    const bool roundUp = fracPart[size_t(decimals)] >= '5';
    std::string all = intPart + fracPart.substr(0, size_t(decimals));
    if (roundUp) {
        int i = int(all.size()) - 1;
        while (i >= 0) {
            if (all[size_t(i)] == '9') {
                all[size_t(i)] = '0';
                --i;
            } else {
                ++all[size_t(i)];
                break;
            }
        }
        if (i < 0)
            all.insert(all.begin(), '1');
    }
    const size_t intLength = all.size() - size_t(decimals);
    std::string result = all.substr(0, intLength);
    if (decimals > 0)
        result += "." + all.substr(intLength);
    return result;
}

// Expands a number written with an exponent ("1.5e-07") into plain digits.
std::string plainDigits(long double magnitude)
{
    char buffer[128];
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    std::string text(buffer, shortest.ptr);
    const size_t e = text.find_first_of("eE");
    if (e == std::string::npos)
        return text;
    const int exponent = std::stoi(text.substr(e + 1));
    std::string mantissa = text.substr(0, e);
    std::string intPart = mantissa;
    std::string fracPart;
    if (const size_t dot = mantissa.find('.'); dot != std::string::npos) {
        intPart = mantissa.substr(0, dot);
        fracPart = mantissa.substr(dot + 1);
    }
    std::string digits = intPart + fracPart;
    int pointAt = int(intPart.size()) + exponent;
    if (pointAt <= 0) {
        digits.insert(0, size_t(-pointAt), '0');
        pointAt = 0;
    } else if (pointAt > int(digits.size())) {
        digits.append(size_t(pointAt) - digits.size(), '0');
    }
    std::string result = digits.substr(0, size_t(pointAt));
    if (result.empty())
        result = "0";
    if (size_t(pointAt) < digits.size())
        result += "." + digits.substr(size_t(pointAt));
    return result;
}

int expandYear(int year)
{
    if (year > 99)
        return year;
    // Two-digit years fall into the century that puts them no more than 50 years before this year.
    const int pivot = QDate::currentDate().year() - 50;
    year += pivot / 100 * 100;
    if (year < pivot)
        year += 100;
    return year;
}

} // namespace

QChar LocaleDecimalSeparator()
{
    static const QChar separator = [] {
        const QString point = QLocale().decimalPoint();
        return point.isEmpty() ? QChar(u'.') : point.at(0);
    }();
    return separator;
}

bool ParseDecimalInt(const QString &text, int32_t &value)
{
    QString digits = text;
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.at(0) == u'-';
        digits.remove(0, 1);
    }
    if (!isDigitsOnly(digits))
        return false;
    int64_t result = 0;
    for (const QChar c : digits) {
        result = result * 10 + (c.unicode() - u'0');
        if (result > int64_t(INT32_MAX) + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > INT32_MAX || result < INT32_MIN)
        return false;
    value = int32_t(result);
    return true;
}

int32_t DecimalIntOrZero(const QString &text)
{
    int32_t value = 0;
    return ParseDecimalInt(text, value) ? value : 0;
}

bool ParseFloat(const QString &text, QChar decimalSeparator, long double &value)
{
    if (text.isEmpty())
        return false;
    std::string ascii;
    ascii.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == decimalSeparator)
            ascii += '.';
        else if ((c >= u'0' && c <= u'9') || c == u'e' || c == u'E' || c == u'-' || c == u'+')
            ascii += char(c.unicode());
        else
            return false;
    }
    size_t start = 0;
    if (ascii[0] == '+') {
        start = 1;
        if (ascii.size() > 1 && ascii[1] == '-')
            return false;
    }
    long double parsed = 0;
    const char *first = ascii.data() + start;
    const char *last = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString FormatFloatDecimals(long double value, int maxDecimals, bool leadingZero)
{
    if (!std::isfinite(value))
        return QString();
    maxDecimals = qBound(0, maxDecimals, 18);
    std::string text = roundDecimalString(plainDigits(std::fabs(value)), maxDecimals);
    if (const size_t dot = text.find('.'); dot != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    const bool isZero = text.find_first_not_of("0.") == std::string::npos;
    if (isZero)
        return leadingZero ? QStringLiteral("0") : QString();
    if (!leadingZero && text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    if (value < 0)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool EncodeDateTime(int year, int month, int day, int hour, int minute, int second, TDateTime &value)
{
    const QDate date(year, month, day);
    if (!date.isValid() || !QTime::isValid(hour, minute, second, 0))
        return false;
    value = TDateTime(dateZero().daysTo(date)) + (hour * 3600 + minute * 60 + second) / 86400.0;
    return true;
}

void DecodeDateTime(TDateTime value, int &year, int &month, int &day, int &hour, int &minute, int &second)
{
    const double days = std::floor(value);
    const QDate date = dateZero().addDays(qint64(days));
    year = date.year();
    month = date.month();
    day = date.day();
    // Rounded to the millisecond first, as a clock shows it; a fraction a hair below midnight stays 23:59.
    qint64 ms = qint64(std::llround((value - days) * 86400000.0));
    ms = std::clamp<qint64>(ms, 0, 86399999);
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
}

bool ParseClockTime(const QString &text, TDateTime &value)
{
    const QStringList parts = text.split(u':');
    if (parts.size() > 3)
        return false;
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parts.at(i).trimmed();
        if (!isDigitsOnly(part) || part.size() > 4)
            return false;
        numbers[i] = part.toInt();
    }
    if (numbers[0] > 23 || numbers[1] > 59 || numbers[2] > 59)
        return false;
    value = (numbers[0] * 3600 + numbers[1] * 60 + numbers[2]) / 86400.0;
    return true;
}

bool ParseDateText(const QString &text, const QString &dateTextFormat, QChar separator, TDateTime &value)
{
    const QStringList parts = text.split(separator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!isDigitsOnly(parts.at(i)) || parts.at(i).size() > 4)
            return false;
        numbers[i] = parts.at(i).toInt();
    }

    // The order of day, month and year follows their first appearance in the format.
    const qsizetype posD = dateTextFormat.indexOf(u'd');
    const qsizetype posM = dateTextFormat.indexOf(u'm');
    const qsizetype posY = dateTextFormat.indexOf(u'y');
    int year = 0;
    int month = 0;
    int day = 0;
    if (posY >= 0 && posY < posM && posY < posD) { // year first
        if (parts.size() == 2) {
            year = QDate::currentDate().year();
            month = numbers[0];
            day = numbers[1];
        } else {
            year = expandYear(numbers[0]);
            month = posM < posD ? numbers[1] : numbers[2];
            day = posM < posD ? numbers[2] : numbers[1];
        }
    } else {
        const bool monthFirst = posM >= 0 && (posD < 0 || posM < posD);
        month = monthFirst ? numbers[0] : numbers[1];
        day = monthFirst ? numbers[1] : numbers[0];
        year = parts.size() == 3 ? expandYear(numbers[2]) : QDate::currentDate().year();
    }
    return EncodeDateTime(year, month, day, 0, 0, 0, value);
}

QString FormatDateTimePattern(TDateTime value, const QString &pattern)
{
    int parts[6];
    DecodeDateTime(value, parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
    const QString letters = QStringLiteral("ymdhns");
    QString result;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i).toLower();
        const qsizetype which = letters.indexOf(c);
        if (which < 0) {
            result += pattern.at(i++);
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
            ++run;
        int number = parts[which];
        int width = run >= 2 ? 2 : 1;
        if (c == u'y') {
            width = run >= 3 ? 4 : 2;
            if (width == 2)
                number %= 100;
        }
        result += QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
        i += run;
    }
    return result;
}
