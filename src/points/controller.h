#pragma once

#include "base/lookupitems.h"
#include "points/pointtableclass.h"

#include <vector>

// Knows every point table class by its identifier, in registration order.
class TBSSwPointTableController
{
public:
    // An empty registry; the process-wide one (Controller) starts with the built-in tables.
    TBSSwPointTableController() = default;
    TBSSwPointTableController(const TBSSwPointTableController &) = delete;
    TBSSwPointTableController &operator=(const TBSSwPointTableController &) = delete;

    // Appends the class. A class whose ID is already registered is a programming error.
    void Register(const TBSSwPointTableClassRef &cls);
    // The first registered class with that ID; null when there is none.
    TBSSwPointTableClassRef FindClass(int32_t id) const;
    // A new object of the class with that ID, or the empty table (0 and empty texts for everything).
    BSRef<IBSSwPoints> GetPointTable(int32_t id) const;
    // ID and "Name Version" of every class, sorted by text without regard to case.
    BSRef<IBSLookupItems> GetPointTableList() const;

    const std::vector<TBSSwPointTableClassRef> &Classes() const { return m_classes; }

private:
    std::vector<TBSSwPointTableClassRef> m_classes;
};

// The process-wide registry, made on first use with the built-in tables registered in their fixed order
// (FINA, then the two SNC tables, then the five DSV tables).
TBSSwPointTableController &Controller();
