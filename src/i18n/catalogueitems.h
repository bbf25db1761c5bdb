#pragma once

#include <QString>

// Item k (counted from 1) of a ";"-separated list: the text between the (k-1)-th and the k-th ";". Empty
// items count; a missing item is empty. Item 0 or less is the whole text.
QString CatalogueItem(const QString &text, int item);
