#pragma once

#include "domain/swimcodes.h"
#include "domain/swimstyle.h"

// The calculator's fixed list of 34 events and 5 pools. Event names are built from the indices by the
// swim vocabulary; the tables here hold only the codes.

inline constexpr int CalcEventCount = 34;
inline constexpr int CalcPoolCount = 5;
inline constexpr int CalcRelayKinds = 8;
inline constexpr int CalcDistanceKinds = 19;
inline constexpr int CalcStrokeKinds = 7;

struct TCalcEventRow {
    int relayIndex;    // into CalcRelayCounts
    int distanceIndex; // into CalcDistances
    int strokeIndex;   // into CalcStrokeCodes
};

inline constexpr int CalcRelayCounts[CalcRelayKinds] = {1, 4, 5, 8, 10, 2, 3, 6};
// Metres of one swimmer.
inline constexpr int CalcDistances[CalcDistanceKinds] = {25,   50,   100,  200,  300, 400,  800, 1000, 1500, 2000,
                                                         3000, 4000, 5000, 500, 1650, 33,  66,  133,  150};
// Stroke indices: Freestyle, Butterfly, Backstroke, Breaststroke, Individual Medley, Kick, Other.
inline constexpr TBSSwStroke CalcStrokeCodes[CalcStrokeKinds] = {bssFR, bssBU, bssBA, bssBR, bssIM, bssFR, bssNone};

inline constexpr TCalcEventRow CalcEvents[CalcEventCount] = {
    {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 5, 0}, {0, 6, 0}, {0, 8, 0}, // freestyle 50 .. 1500
    {0, 1, 1}, {0, 2, 1}, {0, 3, 1},                                 // butterfly
    {0, 1, 2}, {0, 2, 2}, {0, 3, 2},                                 // backstroke
    {0, 1, 3}, {0, 2, 3}, {0, 3, 3},                                 // breaststroke
    {0, 2, 4}, {0, 3, 4}, {0, 5, 4},                                 // individual medley
    {1, 1, 0}, {1, 2, 0}, {1, 3, 0}, {4, 1, 0}, {4, 2, 0},           // freestyle relays
    {1, 1, 1}, {1, 2, 1}, {1, 3, 1},                                 // butterfly relays
    {1, 1, 2}, {1, 2, 2}, {1, 3, 2},                                 // backstroke relays
    {1, 1, 3}, {1, 2, 3}, {1, 3, 3},                                 // breaststroke relays
    {1, 1, 4}, {1, 2, 4},                                            // medley relays
};

// Course codes of the pool list: 25 m, 50 m, 25 yd, 33 m, 16 m.
inline constexpr TBSSwCourse CalcPoolCourses[CalcPoolCount] = {bsscSC, bsscLC, bsscSCY, bsscSC33, bsscSC16};

// The style under which a table is asked for the event of this row: one swimmer over the row's whole
// distance, so relays are looked up as the individual event ("4 x 100m Freestyle Relay" as 400_FR).
// Null for a row outside 0..33.
BSRef<IBSSwSwimStyle> EventStyle(int row);
// Course code of pool row i; bsscAny outside 0..4.
TBSSwCourse PoolCourse(int row);
