#pragma once

#include "points/pointtable.h"

class TBSSwPointTableController;

// SNC Performance Ratings 2003/2004.
class TCanPointTable2004 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1004; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_CAN_2004"); }
};

// SNC Performance Ratings 2004/2005.
class TCanPointTable2005 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1006; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_CAN_2005"); }
};

void RegisterCanPointTables(TBSSwPointTableController &controller);
