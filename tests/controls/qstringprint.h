#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest print QString values in failure messages and `<<` them after an expectation.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline std::ostream &operator<<(std::ostream &os, const QString &s)
{
    return os << s.toStdString();
}
