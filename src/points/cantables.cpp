#include "points/cantables.h"

#include "points/controller.h"

void RegisterCanPointTables(TBSSwPointTableController &controller)
{
    controller.Register(PointTableClass<TCanPointTable2004>());
    controller.Register(PointTableClass<TCanPointTable2005>());
}
