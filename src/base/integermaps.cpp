#include "base/integermaps.h"

BSRef<IBSIntegerMap> NewIntegerMap()
{
    return BSNew<TBSIntegerMap>();
}

BSRef<IBSIntegerDoubleMap> NewIntegerDoubleMap()
{
    return BSNew<TBSIntegerDoubleMap>();
}

BSRef<IBSIntegerStringMap> NewIntegerStringMap()
{
    return BSNew<TBSIntegerStringMap>();
}

BSRef<IBSIntegerObjectMap> NewIntegerObjectMap()
{
    return BSNew<TBSIntegerObjectMap>();
}
