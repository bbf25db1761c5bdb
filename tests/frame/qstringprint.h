#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

// Let GoogleTest print Qt values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << "QPoint(" << p.x() << ", " << p.y() << ')';
}

inline void PrintTo(const QSize &s, std::ostream *os)
{
    *os << "QSize(" << s.width() << " x " << s.height() << ')';
}

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
