#pragma once

#include <QString>

#include <functional>
#include <vector>

// Where the items of a history line go when the calculator's list draws it in six columns. GUI-free: the
// caller measures the texts.
//
// Within the item rectangle (left, top; right is the first pixel past the row, as left + width): the
// table's short name left-aligned at left, the event at left + 100, the gender at left + 210, the age
// ending at right - 110 (not drawn when it is "99", the age meaning "no age group"), the time ending at
// right - 55 and the points ending at right. Every text is drawn one pixel below the row's top.

// One text of a drawn history line and the top-left corner where it is drawn.
struct THistoryPiece {
    QString text;
    int x = 0;
    int y = 0;
};

// Offsets of the columns.
inline constexpr int HistoryEventLeft = 100;
inline constexpr int HistoryGenderLeft = 210;
inline constexpr int HistoryAgeRightGap = 110;
inline constexpr int HistoryTimeRightGap = 55;

// The pieces of the line to draw, in item order; empty items are left out, and so is the age 99.
// textWidth gives the drawn width of a text in pixels.
std::vector<THistoryPiece> HistoryLinePieces(const QString &line, int left, int top, int right,
                                             const std::function<int(const QString &)> &textWidth);
