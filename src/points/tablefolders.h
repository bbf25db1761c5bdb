#pragma once

#include "points/pointtableclass.h"

#include <QString>
#include <QStringList>

#include <functional>

class TBSSwPointTableController;

// Table files: table texts in *.txt files whose header also carries "ID=" (a whole number above 0).
// Federations renew their tables every year; such files are registered after the built-in tables and
// behave exactly like them.

// Files larger than this are not read as tables.
inline constexpr qint64 MaxTableFileSize = 16 * 1024 * 1024;

// The folders searched, in order: "tables" in the program's folder, then "Mirevo/tables" in the user's
// data folder ($XDG_DATA_HOME, by default ~/.local/share).
QStringList DefaultTableFolders(const QString &programFolder);

// The header's ID when it is a whole number from 1 to 2147483647, else 0.
int32_t ReadTableID(const QString &text);

// Reads a table file into a table class; null with the reason in *error when the file cannot be read.
// The class's ID is the header's ID (0 when it has none).
TBSSwPointTableClassRef LoadTableFile(const QString &path, QString *error);

// Registers the *.txt files of each folder in file-name order, folder after folder. A file that cannot
// be read, has no valid ID or whose ID is already taken is skipped: warn gets one line naming the file
// and the reason. Folders that do not exist are passed over. Returns the number of tables registered.
int RegisterTableFolders(TBSSwPointTableController &controller, const QStringList &folders,
                         const std::function<void(const QString &)> &warn);
