#pragma once

#include "domain/swimcodes.h"

#include <QString>

#include <optional>

// The values the command line takes, read the way its help describes. Each answers nothing for a text it
// does not accept. Event, pool and gender names are the swimming vocabulary's, so they follow its texts.

// A table ID: a whole number (any 32-bit value; whether a table has it is the registry's question).
std::optional<int32_t> ReadTableIdArg(const QString &text);
// An event row 0..33, or the event's name as the calculator lists it ("100m Freestyle",
// "4 x 100m Medley Relay"), without regard to case or to repeated blanks.
std::optional<int> ReadEventArg(const QString &text);
// A pool row: "25m", "50m", "25y", "33m", "16m", the row 0..4, or the pool's name ("25m Pool"); any case.
std::optional<int> ReadPoolArg(const QString &text);
// A gender code: "men"/"m" 1, "women"/"w" 2, "mixed"/"x" 3, or the vocabulary's gender name; any case.
std::optional<TBSSwGender> ReadGenderArg(const QString &text);
// An age 1..99.
std::optional<int32_t> ReadAgeArg(const QString &text);
// Points: a whole number, 0 or more.
std::optional<int32_t> ReadPointsArg(const QString &text);

// Loads the swimming vocabulary (English) that the names below come from. Call once before reading
// event, pool or gender names.
void LoadCliVocabulary();

// The display names the history line uses.
QString EventDisplayName(int row);
QString GenderDisplayName(TBSSwGender gender);
