#include "app/calculation.h"

#include "domain/calculatorevents.h"

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the run of digits starting at i.
qsizetype digitsAt(const QString &text, qsizetype i)
{
    qsizetype n = 0;
    while (i + n < text.size() && isDigit(text.at(i + n)))
        ++n;
    return n;
}

} // namespace

TCalcOutput Calculate(IBSSwPoints &table, const TCalcInput &input)
{
    table.SetCourse(PoolCourse(input.poolRow));
    TCalcOutput output;
    const BSRef<IBSSwSwimStyle> style = EventStyle(input.eventRow);
    if (!style)
        return output;
    if (!input.pointsMode) {
        output.chron = input.chron;
        output.points = table.PointsForTime(*style, input.gender, input.age, ChronToSwimTime(input.chron));
    } else {
        // Negative points earn nothing: no time, as for 0 points.
        output.points = std::clamp(input.points, int32_t(0), CalcMaxPoints);
        output.chron = SwimTimeToChron(table.TimeForPoints(*style, input.gender, input.age, output.points));
    }
    return output;
}

QString HistoryLine(const QString &shortName, const QString &eventName, const QString &genderName, int32_t age,
                    TChron chron, int32_t points)
{
    return QStringLiteral("%1;%2;%3;%4;%5;%6 Pt.")
        .arg(shortName, eventName, genderName, QString::number(age), ChronToStr(chron, false).trimmed(),
             QString::number(points));
}

std::optional<TChron> ReadTypedTime(const QString &typed)
{
    if (typed.contains(QLatin1String("NT"), Qt::CaseInsensitive))
        return ChronNoTime;
    QString text = typed;
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('\t'));
    if (text.isEmpty() || text == QLatin1String(":.") || text == QLatin1String(":,") || text == QLatin1String(".")
        || text == QLatin1String(","))
        return TChron(0);

    // [M]M:SS.h[h] or [S]S.h[h]
    qsizetype i = 0;
    qsizetype run = digitsAt(text, i);
    if (run < 1 || run > 2)
        return std::nullopt;
    if (i + run < text.size() && text.at(i + run) == QLatin1Char(':')) {
        i += run + 1;
        run = digitsAt(text, i);
        if (run < 1 || run > 2)
            return std::nullopt;
    }
    if (text.mid(i, run).toInt() >= 60)
        return std::nullopt;
    i += run;
    if (i >= text.size() || (text.at(i) != QLatin1Char('.') && text.at(i) != QLatin1Char(',')))
        return std::nullopt;
    ++i;
    run = digitsAt(text, i);
    if (run < 1 || run > 2 || i + run != text.size())
        return std::nullopt;
    return StrToChron(text);
}
