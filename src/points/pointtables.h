#pragma once

#include "base/lookupitems.h"
#include "points/pointtable.h"

// What the calculator and the printout use of the point tables.

// A new table object for the identifier every call; the empty table (0 and empty texts for everything)
// for an identifier no table has.
BSRef<IBSSwPoints> GetPointTable(int32_t id);
// Identifier and display text ("FINA Point Scoring 2004") of every table, sorted by text without regard
// to case.
BSRef<IBSLookupItems> GetPointTableList();
