#include "domain/calculatorevents.h"

BSRef<IBSSwSwimStyle> EventStyle(int row)
{
    if (row < 0 || row >= CalcEventCount)
        return {};
    const TCalcEventRow &event = CalcEvents[row];
    return NewSwimStyle(CalcRelayCounts[event.relayIndex] * CalcDistances[event.distanceIndex],
                        CalcStrokeCodes[event.strokeIndex], 1);
}

TBSSwCourse PoolCourse(int row)
{
    return (row >= 0 && row < CalcPoolCount) ? CalcPoolCourses[row] : bsscAny;
}
