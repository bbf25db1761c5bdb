#include "base/managed.h"

long TBSManagedInterface::RefCount() const
{
    // The object itself holds no reference; an object not created through BSNew counts 0.
    return weak_from_this().use_count();
}
