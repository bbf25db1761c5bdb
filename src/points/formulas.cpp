#include "points/formulas.h"

#include <cmath>
#include <limits>

// All floating-point work is in extended precision (long double, 64-bit mantissa); where a value is
// deliberately narrowed to double, the code says so. Rounding is to nearest with ties to even.

namespace {

using LD = long double;

constexpr int64_t kMaxTime = 2147483646;

// The program never changes the floating-point rounding mode, so nearbyint rounds halves to even.
LD roundEven(LD x)
{
    return std::nearbyint(x);
}

// A rounded value as 64-bit integer, saturating instead of failing.
int64_t toInt64(LD x)
{
    if (std::isnan(x))
        return 0;
    if (x >= LD(std::numeric_limits<int64_t>::max()))
        return std::numeric_limits<int64_t>::max();
    if (x <= LD(std::numeric_limits<int64_t>::min()))
        return std::numeric_limits<int64_t>::min();
    return int64_t(x);
}

TBSSwTime asTime(int64_t t)
{
    return (t >= 1 && t <= kMaxTime) ? TBSSwTime(t) : 0;
}

int32_t clampPoints(int64_t p, int64_t lo, int64_t hi)
{
    return int32_t(p < lo ? lo : p > hi ? hi : p);
}

// --- CUBED -------------------------------------------------------------------------------------------

int32_t cubedPoints(int64_t t, int64_t b)
{
    const LD x = LD(b) / LD(t);
    const LD value = roundEven(1000.0L * (x * (x * x)));
    // Too many points for a 32-bit result (a time over a hundred times faster than the base time).
    if (!(value <= LD(std::numeric_limits<int32_t>::max())))
        return b > t ? 9999 : 0;
    return int32_t(value);
}

// The exact inverse, rounded: the search for the slowest time starts here.
int64_t cubedStartTime(int32_t p, int64_t b)
{
    const LD root = std::exp(std::log(LD(p) / 1000.0L) / 3.0L);
    return toInt64(roundEven(LD(b) / root));
}

// Points of time t in the search; 0 for t below 1 (no time).
int32_t searchPoints(int64_t t, int64_t b)
{
    return t >= 1 ? cubedPoints(t, b) : 0;
}

// Same answer as CubedTimeBySteps, reached by galloping from the start time and halving the gap: the
// points never rise as the time grows, so the first time below p is well defined.
int64_t cubedTimeFast(int32_t p, int64_t b)
{
    const int64_t start = cubedStartTime(p, b);
    if (searchPoints(start, b) < p)
        return start - 1;
    int64_t good = start; // earns at least p
    int64_t step = 1;
    int64_t bad = start + step;
    while (searchPoints(bad, b) >= p) {
        good = bad;
        step *= 2;
        bad = start + step;
    }
    while (bad - good > 1) {
        const int64_t mid = good + (bad - good) / 2;
        if (searchPoints(mid, b) >= p)
            good = mid;
        else
            bad = mid;
    }
    return good;
}

// --- CUBED_TRUNC: exact integer arithmetic -----------------------------------------------------------

using I128 = __int128;

I128 cube(int64_t x)
{
    return I128(x) * x * x;
}

int32_t cubedTruncPoints(int64_t t, int64_t b)
{
    const I128 points = I128(1000) * cube(b) / cube(t);
    return points > 9999 ? 9999 : int32_t(points);
}

// Largest x with x^3 <= n (n >= 0).
int64_t integerCubeRoot(I128 n)
{
    int64_t x = int64_t(std::cbrt(LD(n)));
    while (x > 0 && cube(x) > n)
        --x;
    while (cube(x + 1) <= n)
        ++x;
    return x;
}

int64_t cubedTruncTime(int32_t p, int64_t b)
{
    return integerCubeRoot(I128(1000) * cube(b) / p);
}

// --- CUBED_DSV -----------------------------------------------------------------------------------------

int32_t cubedDsvPoints(int64_t t, int64_t b)
{
    double x = std::min(double(LD(std::llabs(b)) / LD(t)), 3.0); // stored in double precision
    int64_t d = toInt64(std::trunc(LD(x) * LD(x) * LD(x) * 1000.0L));
    const int64_t e = toInt64(std::trunc(LD(x) * LD(x) * LD(x) * 1000.0L + 0.5L));
    if (d != e) {
        x = std::min(double(LD(b) / (LD(t) - 0.5L)), 3.0);
        d = toInt64(std::trunc(LD(x) * LD(x) * LD(x) * 1000.0L));
    }
    return clampPoints(d, std::numeric_limits<int32_t>::min(), 9999);
}

// --- BRITISH -------------------------------------------------------------------------------------------

// 10000 * 0.1^(t/b), written as 10^(4 - t/b): exp(ln(0.1) * t/b) lands a hair below 1000 at the base time
// and would truncate it to 999.
int32_t britishPoints(int64_t t, int64_t b)
{
    const LD value = std::trunc(std::pow(10.0L, 4.0L - LD(t) / LD(b)));
    return clampPoints(toInt64(value), 0, std::numeric_limits<int32_t>::max());
}

int64_t britishTime(int32_t p, int64_t b)
{
    const double q = double(std::log(0.1L) / LD(b)); // stored in double precision
    return toInt64(std::trunc(std::log(LD(p) / 10000.0L) / LD(q)));
}

// --- CANADIAN ------------------------------------------------------------------------------------------

// b * factor^exponent with the power by repeated squaring.
LD intPower(LD factor, int64_t exponent)
{
    LD result = 1.0L;
    LD base = factor;
    for (int64_t e = exponent; e > 0; e >>= 1) {
        if (e & 1)
            result *= base;
        base *= base;
    }
    return result;
}

// Unrestricted CANADIAN time for any points (negative included), as a rounded 64-bit value.
int64_t canadianTimeRaw(int64_t p, int64_t b)
{
    const LD factor = p <= 1000 ? intPower(1.0005L, 1000 - p) : intPower(0.9995L, p - 1000);
    return toInt64(roundEven(LD(b) * factor));
}

int32_t canadianPoints(int64_t t, int64_t b)
{
    const int64_t k = toInt64(std::trunc(std::log(LD(t) / LD(b)) / std::log(1.0005L)));
    int64_t p = 1001 - k;
    // One or two steps; the bound only guards against a broken floating-point environment.
    for (int guard = 0; guard < 64 && canadianTimeRaw(p, b) < t; ++guard)
        --p;
    return clampPoints(p, 0, 1100);
}

// --- LIFESAVING ----------------------------------------------------------------------------------------

int32_t lifesavingPoints(int64_t t, int64_t b)
{
    const double r = double(LD(t) / LD(b)); // stored in double precision
    const LD rr = LD(r);
    LD h = 0;
    if (r <= 2)
        h = rr * rr * (1672.0L / 3.0L) - 2472.0L * rr + 8744.0L / 3.0L;
    else if (r <= 2.5)
        h = 680.0L - 240.0L * rr;
    else if (r < 3)
        h = 480.0L - 160.0L * rr;
    const double stored = double(h); // stored in double precision
    return int32_t(toInt64(roundEven(LD(stored))));
}

// --- RUDOLPH -------------------------------------------------------------------------------------------

int32_t rudolphPoints(int64_t t, int64_t b1, int64_t b2)
{
    if (t <= b1)
        return 200;
    if (t > b2)
        return 0;
    // 64-bit product: (t - b1) * 190 overflows 32 bits for gaps above three hours.
    const int64_t scaled = (t - b1) * 190;
    return int32_t(200 - toInt64(roundEven(LD(scaled) / LD(b2 - b1))));
}

// Slowest time whose RUDOLPH points are at least p: a binary search between the two base times.
int64_t rudolphTime(int32_t p, int64_t b1, int64_t b2)
{
    if (p > 200)
        return 0;
    int64_t good = b1;
    int64_t bad = std::max(b1, b2) + 1;
    while (bad - good > 1) {
        const int64_t mid = good + (bad - good) / 2;
        if (rudolphPoints(mid, b1, b2) >= p)
            good = mid;
        else
            bad = mid;
    }
    return good;
}

} // namespace

TBSSwFormula BSSwFormulaFromKeyword(const QString &keyword)
{
    for (int f = bsfCubedDSV; f <= bsfCubedTrunc; ++f)
        if (keyword.compare(BSSwFormulaKeyword(TBSSwFormula(f)), Qt::CaseInsensitive) == 0)
            return TBSSwFormula(f);
    return bsfCubed;
}

QString BSSwFormulaKeyword(TBSSwFormula formula)
{
    switch (formula) {
    case bsfCubed:
        return QStringLiteral("CUBED");
    case bsfCubedDSV:
        return QStringLiteral("CUBED_DSV");
    case bsfBritish:
        return QStringLiteral("BRITISH");
    case bsfCanadian:
        return QStringLiteral("CANADIAN");
    case bsfLifesaving:
        return QStringLiteral("LIFESAVING");
    case bsfRudolph:
        return QStringLiteral("RUDOLPH");
    case bsfCubedTrunc:
        return QStringLiteral("CUBED_TRUNC");
    }
    return QStringLiteral("CUBED");
}

int32_t Points(TBSSwFormula formula, TBSSwTime t, TBSSwTime b1, TBSSwTime b2)
{
    // A base time of 0 or below is no base time; BSSwNoTime is no time.
    if (b1 <= 0 || b1 == BSSwNoTime || t <= 0 || t == BSSwNoTime)
        return 0;
    switch (formula) {
    case bsfCubedDSV:
        return cubedDsvPoints(t, b1);
    case bsfBritish:
        return britishPoints(t, b1);
    case bsfCanadian:
        return canadianPoints(t, b1);
    case bsfLifesaving:
        return lifesavingPoints(t, b1);
    case bsfRudolph:
        return rudolphPoints(t, b1, b2 == BSSwNoTime ? 0 : b2);
    case bsfCubedTrunc:
        return cubedTruncPoints(t, b1);
    case bsfCubed:
        break;
    }
    return cubedPoints(t, b1);
}

TBSSwTime FormulaTime(TBSSwFormula formula, int32_t p, TBSSwTime b1, TBSSwTime b2)
{
    if (p <= 0 || b1 <= 0 || b1 == BSSwNoTime)
        return 0;
    switch (formula) {
    case bsfCubedDSV:
        return asTime(cubedStartTime(p, b1));
    case bsfBritish:
        return asTime(britishTime(p, b1));
    case bsfCanadian:
        return asTime(canadianTimeRaw(p, b1));
    case bsfLifesaving:
        return 0;
    case bsfRudolph:
        return asTime(rudolphTime(p, b1, b2 == BSSwNoTime ? 0 : b2));
    case bsfCubedTrunc:
        return asTime(cubedTruncTime(p, b1));
    case bsfCubed:
        break;
    }
    return asTime(cubedTimeFast(p, b1));
}

int64_t CubedTimeBySteps(int32_t p, TBSSwTime b)
{
    int64_t t = cubedStartTime(p, b);
    while (searchPoints(t, b) >= p)
        ++t;
    return t - 1;
}
