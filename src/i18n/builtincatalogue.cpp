#include "i18n/builtincatalogue.h"

#include "frame/resourcetext.h"

QStringList BuiltInCatalogueLines()
{
    return ReadResourceLines(QStringLiteral("LanguageTexts_EN"));
}
