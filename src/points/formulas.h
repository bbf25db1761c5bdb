#pragma once

#include "domain/swimtime.h"

#include <QString>

#include <cstdint>

// How a table turns a base time into points; the numbering is stored in nothing but kept fixed.
enum TBSSwFormula : int {
    bsfCubed = 0,      // "CUBED": 1000 * (B/T)^3, rounded
    bsfCubedDSV = 1,   // "CUBED_DSV"
    bsfBritish = 2,    // "BRITISH"
    bsfCanadian = 3,   // "CANADIAN"
    bsfLifesaving = 4, // "LIFESAVING"
    bsfRudolph = 5,    // "RUDOLPH": two base times, 200 down to 10 points
    bsfCubedTrunc = 6, // "CUBED_TRUNC": 1000 * (B/T)^3 cut down to a whole number, exact
};

// The formula of a table header keyword, without regard to case; CUBED for anything unknown or empty.
TBSSwFormula BSSwFormulaFromKeyword(const QString &keyword);
QString BSSwFormulaKeyword(TBSSwFormula formula);

// Points for swim time t (ms) against base time b1 and, for RUDOLPH, the second-column base time b2
// (0 when there is none). 0 when there is no base time or no valid time.
int32_t Points(TBSSwFormula formula, TBSSwTime t, TBSSwTime b1, TBSSwTime b2 = 0);

// The time (ms) that earns p points against base time b1 (and b2 for RUDOLPH); 0 when there is none:
// no base time, p of 0 or below, a formula without inverse, or a time outside 1..2147483646.
TBSSwTime FormulaTime(TBSSwFormula formula, int32_t p, TBSSwTime b1, TBSSwTime b2 = 0);

// The slowest whole-millisecond time that still earns p CUBED points, found by the literal search that
// steps one millisecond at a time from the exact inverse. Slow for few points; kept as the reference the
// fast search is checked and measured against. 64-bit so the reference itself cannot overflow.
int64_t CubedTimeBySteps(int32_t p, TBSSwTime b);
