#include "frame/svgicon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon IconFromSvg(const QString &file, const QList<int> &sizes)
{
    QSvgRenderer renderer(file);
    QIcon icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
