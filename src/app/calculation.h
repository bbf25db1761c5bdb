#pragma once

#include "domain/swimcodes.h"
#include "domain/swimtime.h"
#include "points/pointtable.h"

#include <QString>

#include <optional>

// One calculation of the calculator, as its panel does it: the table's course from the pool, the event's
// swim style, and either the points for a typed time or the time for typed points. GUI-free, so the
// command line and the panel compute the same way.

// The most points the calculator's points field takes; more are read as this, fewer than 0 as 0.
inline constexpr int32_t CalcMaxPoints = 1100;

struct TCalcInput {
    int eventRow = 0;              // 0..33
    int poolRow = 0;               // 0..4
    TBSSwGender gender = bssgMen;  // 1 men, 2 women, 3 mixed
    int32_t age = 99;              // 1..99
    bool pointsMode = false;       // false: points for chron; true: time for points
    TChron chron = 0;              // the typed time (time mode)
    int32_t points = 0;            // the typed points (points mode); below 0 counts as 0
};

struct TCalcOutput {
    int32_t points = 0; // what the points field shows afterwards
    TChron chron = 0;   // what the time field shows afterwards
};

// Sets the table's course to the pool's and computes. The table is changed only in its course.
TCalcOutput Calculate(IBSSwPoints &table, const TCalcInput &input);

// The history line: "FINA 2004;100m Freestyle;Men;99;50.00;901 Pt.".
QString HistoryLine(const QString &shortName, const QString &eventName, const QString &genderName, int32_t age,
                    TChron chron, int32_t points);

// The chrono value of a typed time as the calculator's time field holds it: empty (or only the field's
// separators) is an empty field (0), a text containing "NT" is no time (ChronNoTime), otherwise minutes
// (optional), seconds below 60 and one or two decimals: "50.00", "1:02.37", "9:05,1". Nothing when the
// text is none of these.
std::optional<TChron> ReadTypedTime(const QString &text);
