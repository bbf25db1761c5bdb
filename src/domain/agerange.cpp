#include "domain/agerange.h"

#include <QStringList>

#include <algorithm>

TBSSwAgeRange::TBSSwAgeRange(int32_t minAge, int32_t maxAge)
    : m_minAge(minAge)
    , m_maxAge(maxAge)
{
}

bool TBSSwAgeRange::Contains(int32_t age) const
{
    if (m_minAge != BSSwAgeOpen && age < m_minAge)
        return false;
    if (m_maxAge != BSSwAgeOpen && age > m_maxAge)
        return false;
    return true;
}

bool TBSSwAgeRange::ContainsRange(const IBSSwAgeRange &other) const
{
    if (m_minAge != BSSwAgeOpen && other.MinAge() < m_minAge)
        return false;
    if (m_maxAge != BSSwAgeOpen && (other.MaxAge() == BSSwAgeOpen || other.MaxAge() > m_maxAge))
        return false;
    return true;
}

bool TBSSwAgeRange::Equals(const BSRef<IBSUnknown> &other) const
{
    const auto range = Supports<IBSSwAgeRange>(other);
    return range && range->MinAge() == m_minAge && range->MaxAge() == m_maxAge;
}

int32_t TBSSwAgeRange::Span() const
{
    if (IsEmpty())
        return 0;
    const int64_t maxAge = m_maxAge == BSSwAgeOpen ? 2147483647 : m_maxAge;
    if (m_minAge <= 0)
        return int32_t(maxAge);
    return int32_t(maxAge - m_minAge);
}

QString TBSSwAgeRange::Text() const
{
    if (IsEmpty())
        return QStringLiteral("X");
    return QString::asprintf("%.5d_%.5d", m_minAge, m_maxAge);
}

BSRef<IBSSwAgeRange> TBSSwAgeRange::Union(const IBSSwAgeRange &other) const
{
    if (IsEmpty())
        return BSNew<TBSSwAgeRange>(other.MinAge(), other.MaxAge());
    const auto otherRange = dynamic_cast<const TBSSwAgeRange *>(&other);
    if (otherRange && otherRange->IsEmpty())
        return BSNew<TBSSwAgeRange>(m_minAge, m_maxAge);
    const int32_t minAge = (m_minAge == BSSwAgeOpen || other.MinAge() == BSSwAgeOpen)
                               ? BSSwAgeOpen
                               : std::min(m_minAge, other.MinAge());
    const int32_t maxAge = (m_maxAge == BSSwAgeOpen || other.MaxAge() == BSSwAgeOpen)
                               ? BSSwAgeOpen
                               : std::max(m_maxAge, other.MaxAge());
    return BSNew<TBSSwAgeRange>(minAge, maxAge);
}

BSRef<IBSSwAgeRange> NewAgeRange(int32_t a, int32_t c)
{
    const int32_t minAge = a > 0 ? a : BSSwAgeOpen;
    const bool openTop = c <= 0 || c == 999 || (c == 99 && a != 72);
    return BSNew<TBSSwAgeRange>(minAge, openTop ? BSSwAgeOpen : c);
}

BSRef<IBSSwAgeRange> NewEmptyAgeRange()
{
    return BSNew<TBSSwAgeRange>(BSSwAgeEmpty, BSSwAgeOpen);
}

BSRef<IBSSwAgeRange> NewAgeRangeFromText(const QString &text)
{
    if (text.isEmpty() || text.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0)
        return BSNew<TBSSwAgeRange>(BSSwAgeOpen, BSSwAgeOpen);
    const QStringList parts = text.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    auto number = [](const QString &part) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok, 10);
        return ok ? value : -1;
    };
    if (parts.isEmpty())
        return BSNew<TBSSwAgeRange>(BSSwAgeOpen, BSSwAgeOpen);
    if (parts.size() == 1)
        return NewAgeRange(number(parts.at(0)), number(parts.at(0)));
    return NewAgeRange(number(parts.at(0)), number(parts.at(1)));
}
