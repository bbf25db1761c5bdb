#include "i18n/languagecodes.h"

#include "frame/programpaths.h"

namespace {

const char *const kCodes[LanguageCount] = {"ch", "de", "fr", "us", "it", "nl", "es", "ru", "dk",
                                            "pl", "pt", "fi", "is", "se", "no", "at", "ca", "hu",
                                            "cz", "si", "hr", "tr", "mx", "uk", "ua", "xx"};

const char *const kNames[LanguageCount - 1] = {
    "Swiss German", "German",    "French",   "English",   "Italian",         "Dutch",
    "Spanish",      "Russian",   "Danish",   "Polish",    "Portuguese",      "Finnish",
    "Icelandic",    "Swedish",   "Norwegian", "Austrian German", "Canadian French", "Hungarian",
    "Czech",        "Slovenian", "Croatian", "Turkish",   "Mexican Spanish", "British English",
    "Ukrainian"};

std::optional<QLocale> &testLocale()
{
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

QString LanguageCodeOf(int index)
{
    if (index < 0 || index >= LanguageCount)
        return QString();
    return QString::fromLatin1(kCodes[index]);
}

QString LanguageNameOf(int index)
{
    if (index < 0 || index >= LanguageCount - 1)
        return QString();
    return QString::fromLatin1(kNames[index]);
}

std::optional<TLanguageIndex> LanguageIndexForLocale(const QLocale &locale)
{
    const QLocale::Territory territory = locale.territory();
    switch (locale.language()) {
    case QLocale::German:
        if (territory == QLocale::Switzerland)
            return 0;
        if (territory == QLocale::Austria)
            return 15;
        return 1;
    case QLocale::French:
        return territory == QLocale::Canada ? 16 : 2;
    case QLocale::English:
        return territory == QLocale::UnitedKingdom ? 23 : 3;
    case QLocale::Spanish:
        return territory == QLocale::Mexico ? 22 : 6;
    case QLocale::Italian:
        return 4;
    case QLocale::Dutch:
        return 5;
    case QLocale::Russian:
        return 7;
    case QLocale::Danish:
        return 8;
    case QLocale::Polish:
        return 9;
    case QLocale::Portuguese:
        return 10;
    case QLocale::Finnish:
        return 11;
    case QLocale::Icelandic:
        return 12;
    case QLocale::Swedish:
        return 13;
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return 14;
    case QLocale::Hungarian:
        return 17;
    case QLocale::Czech:
        return 18;
    case QLocale::Slovenian:
        return 19;
    case QLocale::Croatian:
    case QLocale::Serbian:
    case QLocale::Bosnian:
        return 20;
    case QLocale::Turkish:
        return 21;
    default:
        return std::nullopt;
    }
}

QLocale UserLanguageLocale()
{
    if (testLocale())
        return *testLocale();
    return QLocale::system();
}

void SetUserLanguageLocale(const QLocale &locale)
{
    testLocale() = locale;
}

void ResetUserLanguageLocale()
{
    testLocale().reset();
}

QString LanguageFileName(int index)
{
    return ReplaceExtension(ProgramPaths().programFile(), QStringLiteral(".x") + LanguageCodeOf(index));
}

QString HelpFileNameOf(int index)
{
    return ReplaceExtension(ProgramPaths().programFile(), QString()) + QStringLiteral("-x") + LanguageCodeOf(index)
           + QStringLiteral(".hlp");
}
