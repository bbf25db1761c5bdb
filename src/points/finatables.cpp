#include "points/finatables.h"

#include "points/controller.h"

void RegisterFinaPointTables(TBSSwPointTableController &controller)
{
    controller.Register(PointTableClass<TFinaPointTable>());
}
