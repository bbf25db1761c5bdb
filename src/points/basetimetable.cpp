#include "points/basetimetable.h"

#include <QStringList>

namespace {

// The course code of a section's first word; any course for a word that names none ("XX").
TBSSwCourse courseOfWord(const QString &word)
{
    static const struct {
        const char *text;
        TBSSwCourse course;
    } courses[] = {{"SC16", bsscSC16}, {"SC33", bsscSC33}, {"SCY", bsscSCY}, {"SC", bsscSC}, {"LC", bsscLC}};
    for (const auto &entry : courses)
        if (word.compare(QLatin1String(entry.text), Qt::CaseInsensitive) == 0)
            return entry.course;
    return bsscAny;
}

// The gender code of a section's second word: "$" any, MEN, WOMEN, and mixed for anything else.
TBSSwGender genderOfWord(const QString &word)
{
    if (word == QLatin1String("$"))
        return bssgAny;
    if (word.compare(QLatin1String("MEN"), Qt::CaseInsensitive) == 0)
        return bssgMen;
    if (word.compare(QLatin1String("WOMEN"), Qt::CaseInsensitive) == 0)
        return bssgWomen;
    return bssgMixed;
}

} // namespace

TBaseTimeTable::TBaseTimeTable() = default;

TBaseTimeTable::TBaseTimeTable(const QString &sectionName)
{
    // Split at every single blank: two blanks in a row make an empty word.
    const QStringList words = sectionName.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    m_course = courseOfWord(words.value(0));
    m_gender = genderOfWord(words.value(1));
    m_ageRange = words.size() < 2 ? NewAgeRangeFromText(QString()) : NewAgeRangeFromText(words.value(2));
}

bool TBaseTimeTable::Matches(TBSSwCourse course, TBSSwGender gender, int32_t age) const
{
    return (m_course == bsscAny || m_course == course) && (m_gender == bssgAny || m_gender == gender)
           && (!m_ageRange || m_ageRange->Contains(age));
}

TBSSwTime TBaseTimeTable::BaseTime(const IBSSwSwimStyle &style, Column column) const
{
    return BaseTimeOfKey(EventKey(style).toLower(), column);
}

TBSSwTime TBaseTimeTable::BaseTimeOfKey(const QString &lowerKey, Column column) const
{
    return m_times[column].value(lowerKey, 0);
}

void TBaseTimeTable::AddTime(const QString &key, Column column, TBSSwTime time)
{
    if (!BSSwIsValidTime(time))
        return;
    const QString lower = key.toLower();
    if (!m_times[column].contains(lower))
        m_times[column].insert(lower, time);
}

void TBaseTimeTable::MergeTime(const QString &key, Column column, TBSSwTime time)
{
    if (!BSSwIsValidTime(time))
        return;
    TBSSwTime &stored = m_times[column][key.toLower()];
    if (time > stored)
        stored = time;
}
