#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The languages of the text catalogues: an index 0 to 25 with a two-letter code. 25 means that no
// language is chosen (choose automatically).
using TLanguageIndex = quint8;
inline constexpr TLanguageIndex DefaultLanguage = 0;     // "ch", Swiss German
inline constexpr TLanguageIndex LanguageAutomatic = 25;  // "xx"
inline constexpr int LanguageCount = 26;

// "ch", "de", "fr", "us", ..., "ua", "xx"; empty outside 0..25.
QString LanguageCodeOf(int index);
// The language's name in English ("Swiss German"); empty outside 0..24.
QString LanguageNameOf(int index);

// The language index for the user's language, as Windows would choose it from the user's default
// language: German in Switzerland "ch", in Austria "at", elsewhere "de"; French in Canada "ca", elsewhere
// "fr"; English in the United Kingdom "uk", elsewhere "us"; Spanish in Mexico "mx", elsewhere "es";
// Croatian (and the languages that share its Windows language number, Serbian and Bosnian) "hr"; and
// Italian, Dutch, Russian, Danish, Polish, Portuguese, Finnish, Icelandic, Swedish, Norwegian, Hungarian,
// Czech, Slovenian and Turkish by their own codes. Nothing for any other language (Ukrainian included).
std::optional<TLanguageIndex> LanguageIndexForLocale(const QLocale &locale);

// The user's language: the system locale unless a test sets another.
QLocale UserLanguageLocale();
void SetUserLanguageLocale(const QLocale &locale);
void ResetUserLanguageLocale();

// The language file of an index: the program path with its extension replaced by ".x" and the code
// (mirevo.xus for 3).
QString LanguageFileName(int index);
// The help file of an index: the program path without extension, "-x", the code and ".hlp"
// (mirevo-xus.hlp for 3).
QString HelpFileNameOf(int index);
