#include "points/gertables.h"

#include "points/controller.h"

void RegisterGerPointTables(TBSSwPointTableController &controller)
{
    controller.Register(PointTableClass<TGerRudolfPointTable>());
    controller.Register(PointTableClass<TGerPointTable2001>());
    controller.Register(PointTableClass<TGerPointTable2005>());
    controller.Register(PointTableClass<TGerMasterPointTable1998>());
    controller.Register(PointTableClass<TGerMasterPointTable2004>());
}
