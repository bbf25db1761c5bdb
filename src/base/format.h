#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Formats a text the way format strings of the program's texts are written ("%s;%s;%d Pt.",
// "Page %d of %d", "%.3d", "&#%d;"):
//
//   "%" [index ":"] ["-"] [width] ["." precision] type
//
// Types: d (decimal integer; precision = minimum digits), u (unsigned decimal), x (hexadecimal, upper
// case; precision = minimum digits), s (text; precision = maximum characters), f (fixed; precision =
// decimals, 2 by default), e (scientific, "1.5000000000000E+003"; precision = significant digits, 15 by
// default), g (general: the shortest of fixed or scientific; precision 15 by default), n (fixed with
// thousands separators), m (like n), p (pointer value in hexadecimal). Width pads with blanks on the left
// ("-": on the right); "*" takes width or precision from the next argument; "%%" is a percent sign.
// Numbers use the default locale's decimal and group separators. An argument that is missing or of the
// wrong kind is an EBSConvertError ("Format '...' invalid or incompatible with argument").
QString BSFormat(const QString &format, const QVariantList &arguments);

template<class... Args>
QString BSFormatArgs(const QString &format, const Args &...arguments)
{
    return BSFormat(format, QVariantList{QVariant::fromValue(arguments)...});
}
