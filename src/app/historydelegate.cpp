#include "app/historydelegate.h"

#include "app/historylayout.h"

#include <QFontMetrics>
#include <QPainter>

THistoryDelegate::THistoryDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void THistoryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    if (index.isValid()) {
        painter->setFont(option.font);
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : option.palette.color(QPalette::Text));
        const QFontMetrics metrics(option.font);
        const QString line = index.data(Qt::DisplayRole).toString();
        const auto pieces = HistoryLinePieces(line, r.left(), r.top(), r.left() + r.width(),
                                              [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
        painter->setClipRect(r);
        for (const THistoryPiece &piece : pieces) {
            const QString text =
                piece.maxWidth < 0 ? piece.text : metrics.elidedText(piece.text, Qt::ElideRight, piece.maxWidth);
            painter->drawText(piece.x, piece.y + metrics.ascent(), text);
        }
    }
    painter->restore();
}

QSize THistoryDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), ItemHeight);
}
