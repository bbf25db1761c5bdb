#include "frame/placement.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

std::optional<TWindowPlacement> TWindowPlacement::Parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5)
        return std::nullopt;
    int values[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        values[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return TWindowPlacement{values[0], values[1], values[2], values[3], values[4]};
}

QString TWindowPlacement::ToText() const
{
    return QStringLiteral("%1,%2,%3,%4,%5").arg(left).arg(top).arg(width).arg(height).arg(state);
}

QPoint CentredPosition(const QSize &formSize, const QRect &screen)
{
    return {screen.left() + (screen.width() - formSize.width()) / 2,
            screen.top() + (screen.height() - formSize.height()) / 2};
}

TRestoredPlacement CorrectPlacement(const TWindowPlacement &saved, const QSize &designedSize, bool sizeable,
                                    const QRect &screen)
{
    const int screenLeft = screen.left();
    const int screenTop = screen.top();
    const int screenWidth = screen.width();
    const int screenHeight = screen.height();

    TRestoredPlacement result;
    int left = std::clamp(saved.left, screenLeft, qMax(screenLeft, screenLeft + screenWidth - 10));
    int top = std::clamp(saved.top, screenTop, qMax(screenTop, screenTop + screenHeight - 10));

    QSize size = designedSize;
    if (sizeable) {
        // A saved size of zero or less is not a size: the designed one stays.
        if (saved.width > 0)
            size.setWidth(qMin(saved.width, screenWidth - 10));
        if (saved.height > 0)
            size.setHeight(qMin(saved.height, screenHeight - 10));
    }

    const int relLeft = left - screenLeft;
    const int relTop = top - screenTop;
    if (relLeft > screenWidth - 10 || relLeft + size.width() < 10 || relTop > screenHeight - 30
        || relTop + size.height() < 10) {
        const QPoint centre = CentredPosition(size, screen);
        left = centre.x();
        top = centre.y();
        result.centred = true;
    }

    result.bounds = QRect(QPoint(left, top), size);
    result.state = saved.state >= TWindowPlacement::Normal && saved.state <= TWindowPlacement::Maximised
                       ? saved.state
                       : int(TWindowPlacement::Normal);
    return result;
}

QPoint KeepInScreen(const QRect &bounds, const QRect &workArea, const TKeepInScreenOptions &options)
{
    int left = bounds.left();
    int top = bounds.top();
    const int width = bounds.width();
    const int height = bounds.height();
    const int areaLeft = workArea.left();
    const int areaTop = workArea.top();
    const int areaRight = workArea.left() + workArea.width();   // first pixel right of the work area
    const int areaBottom = workArea.top() + workArea.height(); // first pixel below the work area

    if (options.alwaysInScreen) {
        if (left > areaLeft && left + width > areaRight)
            left = areaRight - width;
        if (top > areaTop && top + height > areaBottom)
            top = areaBottom - height;
        if (!options.maximised) {
            left = qMax(left, areaLeft);
            top = qMax(top, areaTop);
        }
    }

    if (options.snapAtScreenBorder && !options.maximised) {
        if (std::abs(left - areaLeft) < SnapDistance)
            left = areaLeft;
        if (std::abs(top - areaTop) < SnapDistance)
            top = areaTop;
        if (std::abs(left + width - areaRight) < SnapDistance)
            left = areaRight - width;
        if (std::abs(top + height - areaBottom) < SnapDistance)
            top = areaBottom - height;
    }
    return {left, top};
}
