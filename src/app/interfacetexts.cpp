#include "app/interfacetexts.h"

#include "frame/textfile.h"
#include "i18n/builtincatalogue.h"
#include "i18n/language.h"

bool LoadInterfaceCatalogue(TLanguage &language)
{
    language.LoadFromStrings(BuiltInCatalogueLines());
    const TLanguageIndex chosen = language.ChosenLanguage();
    if (chosen >= LanguageAutomatic)
        return false;
    try {
        return language.LoadLanguage(chosen, true);
    } catch (const ETextFileError &) {
        return false;
    }
}
