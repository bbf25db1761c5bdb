#pragma once

#include "points/pointtable.h"

class TBSSwPointTableController;

// FINA Point Scoring 2004.
class TFinaPointTable : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 3000; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_FINA_2004"); }
};

void RegisterFinaPointTables(TBSSwPointTableController &controller);
