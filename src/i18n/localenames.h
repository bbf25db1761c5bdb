#pragma once

#include <QDate>
#include <QString>

// The process-wide month and day names used wherever dates are written as text. The keyed catalogue sets
// them when it loads, the numbered catalogue overwrites them whenever its text changes; until then they
// are the English names.
struct TLocaleNames {
    QString ShortMonthNames[12]; // January first
    QString LongMonthNames[12];
    QString ShortDayNames[7]; // Sunday first
    QString LongDayNames[7];
};

const TLocaleNames &LocaleNames();
void SetLocaleNames(const TLocaleNames &names);
// Back to the English names.
void ResetLocaleNames();

// A date written by a format with the names above: "d", "dd" day; "ddd", "dddd" short and long day name;
// "M", "MM" month; "MMM", "MMMM" short and long month name; "yy", "yyyy" year; text in single quotes as
// it stands ("''" is one quote); every other character as it stands.
QString FormatDateWithNames(const QDate &date, const QString &format);
