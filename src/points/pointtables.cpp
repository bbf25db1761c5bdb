#include "points/pointtables.h"

#include "points/controller.h"

BSRef<IBSSwPoints> GetPointTable(int32_t id)
{
    return Controller().GetPointTable(id);
}

BSRef<IBSLookupItems> GetPointTableList()
{
    return Controller().GetPointTableList();
}
