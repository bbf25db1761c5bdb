#pragma once

#include <QString>

#include <cstdint>

// Course codes: the pool a time was swum in.
using TBSSwCourse = uint8_t;
inline constexpr TBSSwCourse bsscAny = 0;
inline constexpr TBSSwCourse bsscLC = 1;   // long course, 50 m
inline constexpr TBSSwCourse bsscSC = 2;   // short course, 25 m
inline constexpr TBSSwCourse bsscSCY = 3;  // 25 yards
inline constexpr TBSSwCourse bsscSC33 = 4; // 33 m pool
inline constexpr TBSSwCourse bsscSC16 = 5; // 16 m pool
inline constexpr int BSSwCourseCount = 6;

// Gender codes.
using TBSSwGender = uint8_t;
inline constexpr TBSSwGender bssgAny = 0;
inline constexpr TBSSwGender bssgMen = 1;
inline constexpr TBSSwGender bssgWomen = 2;
inline constexpr TBSSwGender bssgMixed = 3;

// Stroke codes.
using TBSSwStroke = uint8_t;
inline constexpr TBSSwStroke bssNone = 0;
inline constexpr TBSSwStroke bssFR = 1;
inline constexpr TBSSwStroke bssBA = 2;
inline constexpr TBSSwStroke bssBR = 3;
inline constexpr TBSSwStroke bssBU = 4;
inline constexpr TBSSwStroke bssIM = 5;
inline constexpr int BSSwStrokeCount = 6;

// "LC", "SC", "SCY", "SC33", "SC16"; empty for any course or an unknown code.
QString BSSwCourseText(TBSSwCourse course);
// The course whose text this is, without regard to case; bsscAny when none is.
TBSSwCourse BSSwCourseFromText(const QString &text);
// "FR", "BA", "BR", "BU", "IM"; empty for none or an unknown code.
QString BSSwStrokeText(TBSSwStroke stroke);
