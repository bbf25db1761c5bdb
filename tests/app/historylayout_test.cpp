// Where the calculator's history list draws the six items of a line.
#include "app/historylayout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Seven pixels per character: widths are easy to follow.
int sevenPerChar(const QString &text)
{
    return 7 * int(text.size());
}

struct Piece {
    const char *text;
    int x;
    int maxWidth = -1;
};

std::vector<THistoryPiece> expected(std::initializer_list<Piece> pieces, int y)
{
    std::vector<THistoryPiece> result;
    for (const Piece &p : pieces)
        result.push_back({QString::fromUtf8(p.text), p.x, y, p.maxWidth});
    return result;
}

void expectPieces(const std::vector<THistoryPiece> &actual, const std::vector<THistoryPiece> &wanted)
{
    ASSERT_EQ(actual.size(), wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i) {
        EXPECT_EQ(actual[i].text.toStdString(), wanted[i].text.toStdString()) << "piece " << i;
        EXPECT_EQ(actual[i].x, wanted[i].x) << "piece " << i;
        EXPECT_EQ(actual[i].y, wanted[i].y) << "piece " << i;
        EXPECT_EQ(actual[i].maxWidth, wanted[i].maxWidth) << "piece " << i;
    }
}

TEST(HistoryLayout, SixColumnsWithTheAge99Hidden)
{
    // Row from x 0 to 400 (exclusive) at top 30: texts one pixel lower.
    expectPieces(HistoryLinePieces(QStringLiteral("FINA 2004;100m Freestyle;Men;99;50.00;901 Pt."), 0, 30, 400, sevenPerChar),
                 expected({{"FINA 2004", 0}, {"100m Freestyle", 100}, {"Men", 210},
                           {"50.00", 400 - 55 - 35}, {"901 Pt.", 400 - 49}},
                          31));
}

TEST(HistoryLayout, AgeEndsAtItsColumnAndRowsMayBeShifted)
{
    // An item rectangle starting at x 10 (and ending at 410): the left columns move with it, the right
    // ones end relative to its right edge.
    expectPieces(HistoryLinePieces(QStringLiteral("Rudolph 2005;50m Freestyle;Women;12;30.00;146 Pt."), 10, 0, 410,
                                   sevenPerChar),
                 expected({{"Rudolph 2005", 10}, {"50m Freestyle", 110}, {"Women", 220},
                           {"12", 410 - 110 - 14}, {"30.00", 410 - 55 - 35}, {"146 Pt.", 410 - 49}},
                          1));
}

TEST(HistoryLayout, EmptyItemsAreNotDrawn)
{
    // No time: the time item is empty. Ages other than exactly "99" are drawn, "9" and "98" included.
    expectPieces(HistoryLinePieces(QStringLiteral("DSV MS 2004;50m Freestyle;Men;9;;0 Pt."), 0, 15, 400, sevenPerChar),
                 expected({{"DSV MS 2004", 0}, {"50m Freestyle", 100}, {"Men", 210}, {"9", 290 - 7}, {"0 Pt.", 400 - 35}},
                          16));
    expectPieces(HistoryLinePieces(QStringLiteral("A;B;C;98"), 0, 0, 400, sevenPerChar),
                 expected({{"A", 0}, {"B", 100}, {"C", 210}, {"98", 290 - 14}}, 1));
    EXPECT_TRUE(HistoryLinePieces(QString(), 0, 0, 400, sevenPerChar).empty());
}

TEST(HistoryLayout, LongTextsStopBeforeTheNextItem)
{
    // 126 pixels of table name have 96 (to 4 pixels before the event), 168 pixels of relay 106; the
    // gender runs up to the time when the age is hidden.
    expectPieces(HistoryLinePieces(QStringLiteral("Rudolph Table 2005;4 x 100m Freestyle Relay;Extraordinary gender;99;3:20.00;1411 Pt."),
                                   0, 0, 400, sevenPerChar),
                 expected({{"Rudolph Table 2005", 0, 96}, {"4 x 100m Freestyle Relay", 100, 106},
                           {"Extraordinary gender", 210, 345 - 49 - 4 - 210}, {"3:20.00", 345 - 49}, {"1411 Pt.", 400 - 56}},
                          1));
    // Exactly filling the room is no overflow.
    const auto fits = HistoryLinePieces(QStringLiteral("T;E;G;12"), 0, 0, 400,
                                        [](const QString &text) { return text == QLatin1String("T") ? 96 : 10; });
    EXPECT_EQ(fits.at(0).maxWidth, -1);
}

TEST(HistoryLayout, LineTextForTheTooltip)
{
    EXPECT_EQ(HistoryLineText(QStringLiteral("FINA 2004;4 x 100m Freestyle Relay;Men;99;3:20.00;1411 Pt.")),
              QStringLiteral("FINA 2004, 4 x 100m Freestyle Relay, Men, 3:20.00, 1411 Pt."));
    EXPECT_EQ(HistoryLineText(QStringLiteral("Rudolph Table 2005;50m Freestyle;Women;12;;0 Pt.")),
              QStringLiteral("Rudolph Table 2005, 50m Freestyle, Women, 12, 0 Pt."));
}

TEST(HistoryLayout, WidthsComeFromTheMeasure)
{
    // Right-aligned texts end exactly at their column whatever the measure says.
    const auto pieces = HistoryLinePieces(QStringLiteral("T;E;G;12;1:02.37;1100 Pt."), 0, 0, 400,
                                          [](const QString &text) { return text == QLatin1String("1:02.37") ? 41 : 3; });
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(pieces[3].x, 290 - 3);
    EXPECT_EQ(pieces[4].x, 345 - 41);
    EXPECT_EQ(pieces[5].x, 400 - 3);
}

} // namespace
