#pragma once

#include "domain/agerange.h"
#include "domain/swimcodes.h"
#include "domain/swimstyle.h"
#include "domain/swimtime.h"

#include <QHash>
#include <QString>

// One base-time section of a table text: the course, gender and ages it applies to, and per event key up
// to two base times (milliseconds). Owned by the point table that read it.
class TBaseTimeTable
{
public:
    enum Column { FirstColumn = 0, SecondColumn = 1 };

    // The merged section: any course, any gender, every age.
    TBaseTimeTable();
    // A section named "<course> <gender> <ages>", e.g. "LC Men", "XX WOMEN 0-9", "XX $ Open".
    explicit TBaseTimeTable(const QString &sectionName);

    TBSSwCourse Course() const { return m_course; }
    TBSSwGender Gender() const { return m_gender; }
    // Null for the merged section, which has no age range and applies to every age.
    const BSRef<IBSSwAgeRange> &AgeRange() const { return m_ageRange; }

    // True when the section is for any course or this one, any gender or this one, and contains the age.
    bool Matches(TBSSwCourse course, TBSSwGender gender, int32_t age) const;
    // The base time stored for the style's event key in that column; 0 when there is none.
    TBSSwTime BaseTime(const IBSSwSwimStyle &style, Column column) const;
    // The same for an event key already in lower case.
    TBSSwTime BaseTimeOfKey(const QString &lowerKey, Column column) const;

    // Stores a time under the key (any case) when it is a valid time (1 to 2147483646); a key that is
    // already present keeps its time.
    void AddTime(const QString &key, Column column, TBSSwTime time);
    // Stores a valid time under the key; a key that is already present keeps the larger (slower) time.
    void MergeTime(const QString &key, Column column, TBSSwTime time);

    // Number of event keys with a time in the column.
    int TimeCount(Column column) const { return int(m_times[column].size()); }

private:
    TBSSwCourse m_course = bsscAny;
    TBSSwGender m_gender = bssgAny;
    BSRef<IBSSwAgeRange> m_ageRange;
    QHash<QString, TBSSwTime> m_times[2]; // keys in lower case
};
