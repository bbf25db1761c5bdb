#pragma once

#include <QString>

class QIODevice;

// Batch mode: reads CSV rows "table,event,pool,gender,age,time" (or "...,points" in the last column),
// preceded by that header, and writes every row again with a "points" (or "time") column added, in the
// same order. A row that cannot be read is written with an empty result and a warning naming its line
// on err. One table object per table ID serves all rows.
//
// Returns 0 when every row was calculated, 1 when some row failed, 2 when the input has no valid header
// (a message on err, nothing on out). sourceName names the input in messages.
int RunBatch(QIODevice &in, const QString &sourceName, QIODevice &out, QIODevice &err);
