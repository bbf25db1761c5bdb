#pragma once

#include <QString>

#include <cstdint>

// Conversions between the texts of typed edit fields and their values. GUI-free; the locale-dependent
// parts take the separator or format as an argument, with helpers that read the default locale once.

// A date-time number: days since 30 December 1899, the time of day as the fraction.
using TDateTime = double;

// Dates of date fields are clamped to 30 December 1899 (0) .. 31 December 2099 (73050).
inline constexpr TDateTime MinFieldDate = 0;
inline constexpr TDateTime MaxFieldDate = 73050;

// The decimal separator of the default locale, read once at first use.
QChar LocaleDecimalSeparator();

// A decimal 32-bit integer with an optional sign; false for anything else (blanks included).
bool ParseDecimalInt(const QString &text, int32_t &value);
// ParseDecimalInt, 0 when the text is not a number.
int32_t DecimalIntOrZero(const QString &text);

// A decimal number written with the given decimal separator (no thousands separators, optional sign and
// exponent); false for anything else.
bool ParseFloat(const QString &text, QChar decimalSeparator, long double &value);

// The value written with at most maxDecimals decimals, trailing zeros dropped, halves rounded away from
// zero, '.' as the decimal separator. leadingZero false writes no "0" before the point for values under 1
// and an empty text for 0 (the "#.###" pattern); true writes "0.5" and "0" (the "0.###" pattern).
QString FormatFloatDecimals(long double value, int maxDecimals, bool leadingZero);

// Bounds of number fields: 0 means no bound. Returns whether a bound is set; value is clamped in place.
template<class T>
bool ClampToBounds(T &value, int32_t minValue, int32_t maxValue)
{
    if (minValue != 0 && value < T(minValue))
        value = T(minValue);
    if (maxValue != 0 && value > T(maxValue))
        value = T(maxValue);
    return minValue != 0 || maxValue != 0;
}

// Date-time numbers from and to their parts. EncodeDateTime returns false for an invalid date or time.
bool EncodeDateTime(int year, int month, int day, int hour, int minute, int second, TDateTime &value);
void DecodeDateTime(TDateTime value, int &year, int &month, int &day, int &hour, int &minute, int &second);

// A clock time "h:n" or "h:n:s" with ':' as separator whatever the locale, blanks around the numbers
// allowed; false for anything else.
bool ParseClockTime(const QString &text, TDateTime &value);

// A date written in the order of the date text format (for example "dd/mm/yyyy") with the separator;
// two numbers give a date of the current year, years under 100 fall into the 50-year window around today.
bool ParseDateText(const QString &text, const QString &dateTextFormat, QChar separator, TDateTime &value);

// The value formatted with a pattern of the letters d, m, y, h, n, s ("hh:nn", "dd/mm/yyyy", "yyyymmdd",
// "hhnn"); other characters are copied.
QString FormatDateTimePattern(TDateTime value, const QString &pattern);
