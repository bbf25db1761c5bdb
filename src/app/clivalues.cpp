#include "app/clivalues.h"

#include "domain/calculatorevents.h"
#include "i18n/swimtexts.h"

#include <QHash>

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

// Folded event name -> row, built from the vocabulary on first use.
const QHash<QString, int> &eventRows()
{
    static const QHash<QString, int> rows = [] {
        QHash<QString, int> map;
        for (int row = 0; row < CalcEventCount; ++row)
            map.insert(folded(EventName(row)), row);
        return map;
    }();
    return rows;
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
    const auto found = eventRows().constFind(folded(text));
    if (found == eventRows().constEnd())
        return std::nullopt;
    return *found;
}

std::optional<int> ReadPoolArg(const QString &text)
{
    static const char *const shortNames[CalcPoolCount] = {"25m", "50m", "25y", "33m", "16m"};
    const QString key = folded(text);
    for (int row = 0; row < CalcPoolCount; ++row)
        if (key == QLatin1String(shortNames[row]) || key == folded(PoolName(row)))
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
    for (TBSSwGender gender = bssgMen; gender <= bssgMixed; ++gender)
        if (!key.isEmpty() && key == folded(GenderDisplayName(gender)))
            return gender;
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

QString EventDisplayName(int row)
{
    return EventName(row);
}

QString GenderDisplayName(TBSSwGender gender)
{
    return GenderName(int(gender) - 1);
}
