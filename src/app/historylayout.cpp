#include "app/historylayout.h"

#include "i18n/catalogueitems.h"

#include <QStringList>

std::vector<THistoryPiece> HistoryLinePieces(const QString &line, int left, int top, int right,
                                             const std::function<int(const QString &)> &textWidth)
{
    std::vector<THistoryPiece> pieces;
    const int y = top + 1;
    std::vector<int> widths;
    std::vector<bool> leftAlignedPiece;
    const auto add = [&](const QString &text, int x, int width, bool isLeft) {
        pieces.push_back({text, x, y, -1});
        widths.push_back(width);
        leftAlignedPiece.push_back(isLeft);
    };
    const auto leftAligned = [&](int item, int x) {
        const QString text = CatalogueItem(line, item);
        if (!text.isEmpty())
            add(text, x, textWidth(text), true);
    };
    const auto rightAligned = [&](int item, int end) {
        const QString text = CatalogueItem(line, item);
        if (!text.isEmpty()) {
            const int width = textWidth(text);
            add(text, end - width, width, false);
        }
    };
    leftAligned(1, left);
    leftAligned(2, left + HistoryEventLeft);
    leftAligned(3, left + HistoryGenderLeft);
    if (CatalogueItem(line, 4) != QLatin1String("99"))
        rightAligned(4, right - HistoryAgeRightGap);
    rightAligned(5, right - HistoryTimeRightGap);
    rightAligned(6, right);

    // A left-aligned text ends before the next drawn item.
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (!leftAlignedPiece[i])
            continue;
        const int room = pieces[i + 1].x - HistoryItemGap - pieces[i].x;
        if (widths[i] > room)
            pieces[i].maxWidth = qMax(0, room);
    }
    return pieces;
}

QString HistoryLineText(const QString &line)
{
    QStringList parts;
    for (int item = 1; item <= 6; ++item) {
        const QString text = CatalogueItem(line, item);
        if (text.isEmpty() || (item == 4 && text == QLatin1String("99")))
            continue;
        parts << text;
    }
    return parts.join(QStringLiteral(", "));
}
