#pragma once

#include "points/pointtable.h"

class TBSSwPointTableController;

// German Rudolph Table 2005.
class TGerRudolfPointTable : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1105; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_GER_RUDOLPH_2005"); }
};

// DSV Performance Table 2001.
class TGerPointTable2001 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1001; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_GER_2001"); }
};

// DSV Performance Table 2005.
class TGerPointTable2005 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1007; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_GER_2005"); }
};

// DSV Master Performance Table 1998.
class TGerMasterPointTable1998 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1005; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_GER_MASTER_1998"); }
};

// DSV Master Performance Table 2004.
class TGerMasterPointTable2004 : public TBSSwBaseTimesPointTable
{
public:
    using TBSSwBaseTimesPointTable::TBSSwBaseTimesPointTable;
    static int32_t ID() { return 1008; }
    static QString ResourceName() { return QStringLiteral("BSSW_POINTS_GER_MASTER_2004"); }
};

void RegisterGerPointTables(TBSSwPointTableController &controller);
