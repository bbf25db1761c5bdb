#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Text forms of the values in the settings file.

// An integer as the settings file stores it: decimal, "$" hexadecimal or "0x" hexadecimal, with an
// optional sign. Hexadecimal values take up to 32 bits ("$FFFFFFFF" is -1); decimal values must fit a
// signed 32-bit integer. Nothing for anything else.
std::optional<qint32> ParseIniInteger(const QString &text);

// "yyyymmddhhnnss", local time.
QString FormatIniDateTime(const QDateTime &value);
// Characters 1-4 give the year, 5-6 the month, 7-8 the day, 9-10 the hour, 11-12 the minute, 13-14 the
// second. A time part that is not a valid time counts as midnight; a date part that is not a valid date
// gives nothing, and so does the date-time zero (30 December 1899, midnight).
std::optional<QDateTime> ParseIniDateTime(const QString &text);
