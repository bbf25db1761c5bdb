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
// right - 55 and the points ending at right. Every text is drawn one pixel below the row's top. A
// left-aligned text that would run into the next drawn item is cut short (HistoryItemGap pixels before
// it); the caller draws it shortened to maxWidth, with an ellipsis.

// One text of a drawn history line and the top-left corner where it is drawn.
struct THistoryPiece {
    QString text;
    int x = 0;
    int y = 0;
    // The room the text has, or -1 when it fits as it is.
    int maxWidth = -1;
};

// Offsets of the columns.
inline constexpr int HistoryEventLeft = 100;
inline constexpr int HistoryGenderLeft = 210;
inline constexpr int HistoryAgeRightGap = 110;
inline constexpr int HistoryTimeRightGap = 55;
inline constexpr int HistoryItemGap = 4;

// The pieces of the line to draw, in item order; empty items are left out, and so is the age 99.
// textWidth gives the drawn width of a text in pixels.
std::vector<THistoryPiece> HistoryLinePieces(const QString &line, int left, int top, int right,
                                             const std::function<int(const QString &)> &textWidth);

// The line as a readable text for its tooltip: the items joined by ", ", without empty items and without
// the age 99: "FINA 2004, 4 x 100m Freestyle Relay, Men, 3:20.00, 1411 Pt.".
QString HistoryLineText(const QString &line);
