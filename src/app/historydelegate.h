#pragma once

#include <QStyledItemDelegate>

// Draws the calculator's history lines in six columns (see HistoryLinePieces) at a fixed row height.
class THistoryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int ItemHeight = 15;

    explicit THistoryDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
