#include "points/pointtable.h"

#include "points/pointtableclass.h"
#include "points/tabletext.h"

// --- TBSSwPointTable -------------------------------------------------------------------------------------

TBSSwPointTable::TBSSwPointTable(TBSSwPointTableClassRef cls) : m_class(std::move(cls)) {}

void TBSSwPointTable::SetCourse(TBSSwCourse course)
{
    const bool changed = course != m_course;
    m_course = course;
    if (changed)
        CourseChanged();
}

int32_t TBSSwPointTable::PointsForTimeAnyGroup(const IBSSwSwimStyle &, TBSSwTime) const
{
    return 0;
}

int32_t TBSSwPointTable::PointsForTime(const IBSSwSwimStyle &, TBSSwGender, int32_t, TBSSwTime) const
{
    return 0;
}

TBSSwTime TBSSwPointTable::TimeForPoints(const IBSSwSwimStyle &, TBSSwGender, int32_t, int32_t) const
{
    return 0;
}

QString TBSSwPointTable::Version() const
{
    return m_class ? m_class->Version() : QString();
}

QString TBSSwPointTable::Name() const
{
    return m_class ? m_class->Name() : QString();
}

QString TBSSwPointTable::ShortName() const
{
    return {};
}

TBSSwTime TBSSwPointTable::ConvertTime(const IBSSwSwimStyle &style, TBSSwGender gender, TBSSwTime time,
                                       TBSSwCourse fromCourse, TBSSwCourse toCourse)
{
    if (fromCourse == toCourse)
        return time;
    const TBSSwCourse remembered = GetCourse();
    SetCourse(fromCourse);
    const int32_t points = PointsForTime(style, gender, 99, time);
    if (points > 0) {
        SetCourse(toCourse);
        time = TimeForPoints(style, gender, 99, points);
    }
    SetCourse(remembered);
    return time;
}

// --- TBSSwBaseTimesPointTable ----------------------------------------------------------------------------

TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable(std::shared_ptr<const TBSSwBaseTimesPointTableClass> cls)
    : TBSSwPointTable(cls)
{
    TBSSwTableContents contents = ReadTableText(cls->TableText());
    m_useMenForMixed = contents.UseMenForMixed;
    m_formula = contents.Formula;
    m_shortNameVersion = contents.ShortNameVersion;
    m_sections = std::move(contents.Sections);
}

const TBaseTimeTable *TBSSwBaseTimesPointTable::findSection(TBSSwCourse course, TBSSwGender gender,
                                                            int32_t age) const
{
    if (m_useMenForMixed && gender == bssgMixed)
        gender = bssgMen;
    // Element 0 is the merged section and never chosen here. The first match counts, even when it has
    // no line for the event and a later section would have one.
    for (size_t i = 1; i < m_sections.size(); ++i)
        if (m_sections[i].Matches(course, gender, age))
            return &m_sections[i];
    return nullptr;
}

TBSSwTime TBSSwBaseTimesPointTable::FindBaseTime(const IBSSwSwimStyle &style, TBSSwCourse course,
                                                 TBaseTimeTable::Column column, int32_t age,
                                                 TBSSwGender gender) const
{
    const TBaseTimeTable *section = findSection(course, gender, age);
    return section ? section->BaseTime(style, column) : 0;
}

int32_t TBSSwBaseTimesPointTable::PointsForTime(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                                                TBSSwTime time) const
{
    // Both columns come from the same section: the one that matches course, gender and age.
    const TBaseTimeTable *section = findSection(GetCourse(), gender, age);
    if (!section)
        return 0;
    const QString key = EventKey(style).toLower();
    return Points(m_formula, time, section->BaseTimeOfKey(key, TBaseTimeTable::FirstColumn),
                  section->BaseTimeOfKey(key, TBaseTimeTable::SecondColumn));
}

TBSSwTime TBSSwBaseTimesPointTable::TimeForPoints(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                                                  int32_t points) const
{
    const TBaseTimeTable *section = findSection(GetCourse(), gender, age);
    if (!section)
        return 0;
    const QString key = EventKey(style).toLower();
    // The second column matters only to RUDOLPH tables, whose time is the slowest one that still earns
    // the points between their two base times.
    return FormulaTime(m_formula, points, section->BaseTimeOfKey(key, TBaseTimeTable::FirstColumn),
                       section->BaseTimeOfKey(key, TBaseTimeTable::SecondColumn));
}

int32_t TBSSwBaseTimesPointTable::PointsForTimeAnyGroup(const IBSSwSwimStyle &style, TBSSwTime time) const
{
    if (m_sections.empty())
        return 0;
    return Points(m_formula, time, m_sections.front().BaseTime(style, TBaseTimeTable::FirstColumn), 0);
}

QString TBSSwBaseTimesPointTable::ShortName() const
{
    QString text = m_shortNameVersion;
    const qsizetype at = text.indexOf(QLatin1String("@POOL"), 0, Qt::CaseSensitive);
    if (at >= 0)
        text.replace(at, 5, BSSwCourseText(GetCourse()));
    return text;
}
