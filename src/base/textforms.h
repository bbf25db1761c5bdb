#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The library's fixed text forms of numbers, date-times and Booleans.

// The general text of a float with "." as decimal separator, whatever the locale: fixed notation while the
// value has at most 15 digits before the point and is at least 0.00001, otherwise "1.5E20", "1E-6". The
// shortest digits that read back to the same value.
QString FloatToText(double value);
// Reads a float in the default locale's format after making "," and "." both the locale's decimal
// separator; an EBSConvertError when that fails.
double TextToFloat(const QString &text);
double TextToFloatDef(const QString &text, double defaultValue);

// "yyyymmddhhnnsszzz": 17 digits of year, month, day, hour, minute, second and milliseconds.
QString DateTimeToText(const QDateTime &dateTime);
// The reverse; a text of another length is an EBSConvertError "Invalid BSDateTimeString", as is an
// invalid number or date.
QDateTime TextToDateTime(const QString &text);
QDateTime TextToDateTimeDef(const QString &text, const QDateTime &defaultValue);

// The words that read as true: "T", "J", "Y", "1", "-1", "True", "Ja"; as false: "F", "N", "0", "False",
// "Nein".
QStringList BSTrueBoolStrs();
QStringList BSFalseBoolStrs();
// A number (true when not 0) or one of the words, compared without regard to case. ok tells whether the
// text was one of them.
bool BSStrToBool(const QString &text, bool *ok = nullptr);
bool BSStrToBoolDef(const QString &text, bool defaultValue);
// "True"/"False".
QString BSBoolToStr(bool value);
