#pragma once

#include "points/basetimetable.h"
#include "points/formulas.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

class TBSIniText;

// A table text read into what a point table computes with.
struct TBSSwTableContents {
    TBSSwFormula Formula = bsfCubed;
    bool UseMenForMixed = false;
    QString ShortNameVersion; // may contain "@POOL"
    // Element 0 is the merged section (the slowest time of every event over all sections); elements 1 to
    // n-1 are the text's base-time sections in file order. Empty when the text has no section at all.
    std::vector<TBaseTimeTable> Sections;
};

struct TBSSwTableNames {
    QString Name;
    QString Version;
};

// Reads a table text. Never fails: malformed lines, unknown words and unreadable times contribute
// nothing. The first section of the text is the header position and gives no base times; the header
// values come from the section "Header" wherever it is.
TBSSwTableContents ReadTableText(const QString &text);
TBSSwTableContents ReadTableText(const TBSIniText &ini);

// Name and Version of the section "Header"; empty when missing.
TBSSwTableNames ReadTableNames(const QString &text);
TBSSwTableNames ReadTableNames(const TBSIniText &ini);

// A header Boolean: "True"/"False" in any case, or a whole number (0 false, anything else true); any
// other text gives the default.
bool ReadTableBoolean(const QString &value, bool defaultValue);

// The built-in table text of that resource name. A missing resource is a fault of the program build.
class EBSSwTableResourceError : public std::runtime_error
{
public:
    explicit EBSSwTableResourceError(const QString &resourceName);
};
QString LoadTableResource(const QString &resourceName);

// The text of a table file: UTF-8 (a leading byte order mark is dropped), or Windows-1252 when the bytes
// are not valid UTF-8, which is what table files written on Windows usually are.
QString DecodeTableText(const QByteArray &bytes);
