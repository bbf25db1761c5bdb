#pragma once

#include <QString>
#include <QVariantList>

// Fills a format text with arguments, in the manner of the base library's format strings:
// "%" [index ":"] ["-"] [width] ["." precision] type, where type is d (integer), u (unsigned), x
// (hexadecimal), s (text), f (fixed), e (scientific), g (general) or n (fixed with thousands
// separators); "%%" is a percent sign. Arguments are taken in order (an index sets the position). A
// placeholder without a matching argument, or of another type, stays as it is.
QString BSFormat(const QString &format, const QVariantList &args);
