#pragma once

#include <QString>

#include <cstdint>

// A swim time in milliseconds; valid times are 1 to 2147483646.
using TBSSwTime = int32_t;
inline constexpr TBSSwTime BSSwNoTime = 2147483647;

// The value of a chrono edit field: minutes * 600000 + seconds * 10000 + tenths * 1000 + hundredths * 10,
// with hundredths digit 10 when the hundredths are missing. 0 is an empty field.
using TChron = int32_t;
inline constexpr TChron ChronNoTime = 35999090; // the code of "59:59.99"

inline bool BSSwIsValidTime(int64_t t) { return t >= 1 && t <= 2147483646; }

// "21.88", "1:45.94", "1h02:03.04"; "NT" (ShowNT) or empty for no time.
QString BSSwTimeToStr(TBSSwTime time, bool showNT);
// Reads a table time such as "21.88", "1:17.5" or "14:48.88"; BSSwNoTime when there is none.
TBSSwTime BSSwStrToTime(const QString &text);
// Eight characters, as " 1:23.45" or "   23.5*"; "NT" (ShowNT) or empty when the value has no text.
QString ChronToStr(TChron chron, bool showNT);
// Reads the text of a chrono field; 0 when it holds no time.
TChron StrToChron(const QString &text);
TBSSwTime ChronToSwimTime(TChron chron);
TChron SwimTimeToChron(TBSSwTime time);
