#include "app/clivalues.h"

#include "domain/calculatorevents.h"
#include "i18n/builtincatalogue.h"
#include "i18n/language.h"
#include "i18n/swimtexts.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

// Lower case with every run of blanks made one blank, ends trimmed.
QString folded(const QString &text)
{
    return text.simplified().toLower();
}

std::optional<qlonglong> wholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    return ok ? std::optional<qlonglong>(value) : std::nullopt;
}

// A row number within 0..count-1.
std::optional<int> rowNumber(const QString &text, int count)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || !trimmed.at(0).isDigit())
        return std::nullopt;
    const auto value = wholeNumber(trimmed);
    if (!value || *value < 0 || *value >= count)
        return std::nullopt;
    return int(*value);
}

// The vocabulary's names as the command line reads and writes them, taken once.
struct Vocabulary {
    QString eventNames[CalcEventCount];
    QHash<QString, int> eventRows; // folded name -> row
    QString poolNames[CalcPoolCount]; // folded
    QString genderNames[3];           // men, women, mixed
    QString genderKeys[3];            // folded
};

Vocabulary &vocabulary()
{
    static Vocabulary words;
    return words;
}

bool &vocabularyLoaded()
{
    static bool loaded = false;
    return loaded;
}

const Vocabulary &loadedVocabulary()
{
    if (!vocabularyLoaded())
        LoadCliVocabulary();
    return vocabulary();
}

} // namespace

std::optional<int32_t> ReadTableIdArg(const QString &text)
{
    const auto value = wholeNumber(text);
    if (!value || *value < std::numeric_limits<int32_t>::min() || *value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(*value);
}

std::optional<int> ReadEventArg(const QString &text)
{
    if (const auto row = rowNumber(text, CalcEventCount))
        return row;
    const auto &rows = loadedVocabulary().eventRows;
    const auto found = rows.constFind(folded(text));
    if (found == rows.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<int> ReadPoolArg(const QString &text)
{
    static const char *const shortNames[CalcPoolCount] = {"25m", "50m", "25y", "33m", "16m"};
    const QString key = folded(text);
    for (int row = 0; row < CalcPoolCount; ++row)
        if (key == QLatin1String(shortNames[row]) || key == loadedVocabulary().poolNames[row])
            return row;
    return rowNumber(text, CalcPoolCount);
}

std::optional<TBSSwGender> ReadGenderArg(const QString &text)
{
    const QString key = folded(text);
    if (key == QLatin1String("men") || key == QLatin1String("m"))
        return bssgMen;
    if (key == QLatin1String("women") || key == QLatin1String("w"))
        return bssgWomen;
    if (key == QLatin1String("mixed") || key == QLatin1String("x"))
        return bssgMixed;
    for (int i = 0; i < 3; ++i)
        if (!key.isEmpty() && key == loadedVocabulary().genderKeys[i])
            return TBSSwGender(bssgMen + i);
    return std::nullopt;
}

std::optional<int32_t> ReadAgeArg(const QString &text)
{
    const auto value = wholeNumber(text);
    if (!value || *value < 1 || *value > 99)
        return std::nullopt;
    return int32_t(*value);
}

std::optional<int32_t> ReadPointsArg(const QString &text)
{
    const auto value = wholeNumber(text);
    if (!value || *value < 0)
        return std::nullopt;
    return int32_t(std::min<qlonglong>(*value, std::numeric_limits<int32_t>::max()));
}

void LoadCliVocabulary()
{
    // The built-in English catalogue, held only while the swim lists are filled from it: the command
    // line neither reads language files nor touches the settings.
    TLanguage catalogue;
    catalogue.LoadFromStrings(BuiltInCatalogueLines());
    LoadSwimTexts(catalogue);
    Vocabulary &words = vocabulary();
    words.eventRows.clear();
    for (int row = 0; row < CalcEventCount; ++row) {
        words.eventNames[row] = EventName(row);
        words.eventRows.insert(folded(words.eventNames[row]), row);
    }
    for (int row = 0; row < CalcPoolCount; ++row)
        words.poolNames[row] = folded(PoolName(row));
    for (int i = 0; i < 3; ++i) {
        words.genderNames[i] = GenderName(i);
        words.genderKeys[i] = folded(words.genderNames[i]);
    }
    vocabularyLoaded() = true;
}

QString EventDisplayName(int row)
{
    return row >= 0 && row < CalcEventCount ? loadedVocabulary().eventNames[row] : QString();
}

QString GenderDisplayName(TBSSwGender gender)
{
    // Gender codes 1..3; the vocabulary clamps anything else the same way.
    const int i = std::clamp(int(gender) - 1, 0, 2);
    return loadedVocabulary().genderNames[i];
}
