#pragma once

class TLanguage;

// Loads the interface texts as the main window does at start: the built-in English catalogue first, then
// the language file of the interface language chosen from the settings (or the user's language) when
// that file exists, so that a language file replaces the English texts. Open forms are translated.
// A language file that cannot be read leaves the English texts. Returns whether a language file was
// loaded.
bool LoadInterfaceCatalogue(TLanguage &language);
