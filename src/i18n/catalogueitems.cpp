#include "i18n/catalogueitems.h"

QString CatalogueItem(const QString &text, int item)
{
    if (item <= 0)
        return text;
    qsizetype start = 0;
    for (int k = 1; k < item; ++k) {
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), start);
        if (semicolon < 0)
            return QString();
        start = semicolon + 1;
    }
    const qsizetype end = text.indexOf(QLatin1Char(';'), start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}
