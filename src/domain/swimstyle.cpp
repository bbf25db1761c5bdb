#include "domain/swimstyle.h"

QString BSSwCourseText(TBSSwCourse course)
{
    static const char *const texts[BSSwCourseCount] = {"", "LC", "SC", "SCY", "SC33", "SC16"};
    return course < BSSwCourseCount ? QString::fromLatin1(texts[course]) : QString();
}

TBSSwCourse BSSwCourseFromText(const QString &text)
{
    for (TBSSwCourse c = bsscLC; c < BSSwCourseCount; ++c)
        if (text.compare(BSSwCourseText(c), Qt::CaseInsensitive) == 0)
            return c;
    return bsscAny;
}

QString BSSwStrokeText(TBSSwStroke stroke)
{
    static const char *const texts[BSSwStrokeCount] = {"", "FR", "BA", "BR", "BU", "IM"};
    return stroke < BSSwStrokeCount ? QString::fromLatin1(texts[stroke]) : QString();
}

TBSSwSwimStyle::TBSSwSwimStyle(int32_t distance, TBSSwStroke stroke, int32_t relayCount)
    : m_distance(distance)
    , m_stroke(stroke)
    , m_relayCount(relayCount)
{
}

bool TBSSwSwimStyle::Equals(const BSRef<IBSUnknown> &other) const
{
    const auto style = Supports<IBSSwSwimStyle>(other);
    if (!style)
        return false;
    if (style->RelayCount() != RelayCount() || style->Distance() != Distance() || style->Stroke() != Stroke()
        || style->ExtraFlag() != ExtraFlag())
        return false;
    return Stroke() != bssNone || style->UniqueId() == UniqueId();
}

BSRef<IBSSwSwimStyle> NewSwimStyle(int32_t distance, TBSSwStroke stroke, int32_t relayCount)
{
    return BSNew<TBSSwSwimStyle>(distance, stroke, relayCount);
}

QString EventKey(const IBSSwSwimStyle &style)
{
    if (style.Stroke() == bssNone)
        return QStringLiteral("ID_%1").arg(style.UniqueId());
    QString key = QStringLiteral("%1_%2").arg(style.Distance()).arg(BSSwStrokeText(style.Stroke()));
    if (style.IsRelay())
        key = QStringLiteral("%1_").arg(style.RelayCount()) + key;
    return key;
}
