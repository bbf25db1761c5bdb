#include "app/historylayout.h"

#include "i18n/catalogueitems.h"

std::vector<THistoryPiece> HistoryLinePieces(const QString &line, int left, int top, int right,
                                             const std::function<int(const QString &)> &textWidth)
{
    std::vector<THistoryPiece> pieces;
    const int y = top + 1;
    const auto leftAligned = [&](int item, int x) {
        const QString text = CatalogueItem(line, item);
        if (!text.isEmpty())
            pieces.push_back({text, x, y});
    };
    const auto rightAligned = [&](int item, int end) {
        const QString text = CatalogueItem(line, item);
        if (!text.isEmpty())
            pieces.push_back({text, end - textWidth(text), y});
    };
    leftAligned(1, left);
    leftAligned(2, left + HistoryEventLeft);
    leftAligned(3, left + HistoryGenderLeft);
    if (CatalogueItem(line, 4) != QLatin1String("99"))
        rightAligned(4, right - HistoryAgeRightGap);
    rightAligned(5, right - HistoryTimeRightGap);
    rightAligned(6, right);
    return pieces;
}
