#pragma once

#include <QStringList>

// The built-in English numbered catalogue (sections G and S and the sections of the program's forms), as
// the main window hands it to Language().LoadFromStrings.
QStringList BuiltInCatalogueLines();
