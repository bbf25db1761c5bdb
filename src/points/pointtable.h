#pragma once

#include "base/managed.h"
#include "domain/swimcodes.h"
#include "domain/swimstyle.h"
#include "domain/swimtime.h"
#include "points/basetimetable.h"
#include "points/formulas.h"

#include <QString>

#include <memory>
#include <vector>

class TBSSwPointTableClass;
class TBSSwBaseTimesPointTableClass;

// A point table: points for a swim time and the time for a number of points, for one event, course,
// gender and age. Times in milliseconds, points as whole numbers; a missing base time answers 0.
class IBSSwPoints : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{F8701F1B-4A50-4DD1-9700-660979179449}";

    virtual TBSSwCourse GetCourse() const = 0;
    // Stores the course; calls CourseChanged afterwards when it differs from the current one.
    virtual void SetCourse(TBSSwCourse course) = 0;
    // Points against the slowest base time of the event over all sections of the table.
    virtual int32_t PointsForTimeAnyGroup(const IBSSwSwimStyle &style, TBSSwTime time) const = 0;
    virtual int32_t PointsForTime(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                                  TBSSwTime time) const = 0;
    // 0 when there is no time.
    virtual TBSSwTime TimeForPoints(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                                    int32_t points) const = 0;
    virtual QString Version() const = 0;
    virtual QString Name() const = 0;
    // The short title of the calculator's history, with "@POOL" replaced by the current course.
    virtual QString ShortName() const = 0;
    // The time swum in one course that earns the same points in another (age 99); the time unchanged
    // when the courses are equal or the time earns no points.
    virtual TBSSwTime ConvertTime(const IBSSwSwimStyle &style, TBSSwGender gender, TBSSwTime time,
                                  TBSSwCourse fromCourse, TBSSwCourse toCourse) = 0;
};

using TBSSwPointTableClassRef = std::shared_ptr<const TBSSwPointTableClass>;

// The empty point table: 0 and empty texts for everything. Base of every table.
class TBSSwPointTable : public TBSManagedInterface, public IBSSwPoints
{
public:
    // The class-level identifier of this class; each table class names its own.
    static int32_t ID() { return 0; }

    // cls is the class the object was made from (null for the empty table); it answers Name and Version.
    explicit TBSSwPointTable(TBSSwPointTableClassRef cls = {});

    TBSSwCourse GetCourse() const override { return m_course; }
    void SetCourse(TBSSwCourse course) override;
    int32_t PointsForTimeAnyGroup(const IBSSwSwimStyle &style, TBSSwTime time) const override;
    int32_t PointsForTime(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                          TBSSwTime time) const override;
    TBSSwTime TimeForPoints(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                            int32_t points) const override;
    QString Version() const override;
    QString Name() const override;
    QString ShortName() const override;
    TBSSwTime ConvertTime(const IBSSwSwimStyle &style, TBSSwGender gender, TBSSwTime time,
                          TBSSwCourse fromCourse, TBSSwCourse toCourse) override;

    const TBSSwPointTableClassRef &ClassType() const { return m_class; }

protected:
    // Called after the course has changed.
    virtual void CourseChanged() {}

private:
    TBSSwPointTableClassRef m_class;
    TBSSwCourse m_course = bsscAny;
};

// A table given as base times per event (a table text) plus a formula. Filled completely by the
// constructor from the text its class supplies; afterwards only the course changes.
class TBSSwBaseTimesPointTable : public TBSSwPointTable
{
public:
    explicit TBSSwBaseTimesPointTable(std::shared_ptr<const TBSSwBaseTimesPointTableClass> cls);

    int32_t PointsForTimeAnyGroup(const IBSSwSwimStyle &style, TBSSwTime time) const override;
    int32_t PointsForTime(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                          TBSSwTime time) const override;
    TBSSwTime TimeForPoints(const IBSSwSwimStyle &style, TBSSwGender gender, int32_t age,
                            int32_t points) const override;
    QString ShortName() const override;

    // The base time of the first section, in file order, that matches the course, the gender (mixed
    // read as men when the table says so) and the age; 0 when no section matches or it has no line for
    // the style.
    TBSSwTime FindBaseTime(const IBSSwSwimStyle &style, TBSSwCourse course, TBaseTimeTable::Column column,
                           int32_t age, TBSSwGender gender) const;

    TBSSwFormula Formula() const { return m_formula; }
    bool UseMenForMixed() const { return m_useMenForMixed; }
    QString ShortNameVersion() const { return m_shortNameVersion; }
    // Element 0 is the merged section; 1 to n-1 the text's sections in file order.
    const std::vector<TBaseTimeTable> &Sections() const { return m_sections; }

private:
    const TBaseTimeTable *findSection(TBSSwCourse course, TBSSwGender gender, int32_t age) const;

    QString m_shortNameVersion;
    bool m_useMenForMixed = false;
    TBSSwFormula m_formula = bsfCubed;
    std::vector<TBaseTimeTable> m_sections;
};
