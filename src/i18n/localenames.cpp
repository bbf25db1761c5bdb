#include "i18n/localenames.h"

namespace {

TLocaleNames englishNames()
{
    TLocaleNames names;
    const char *const longMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    const char *const longDays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 12; ++i) {
        names.LongMonthNames[i] = QString::fromLatin1(longMonths[i]);
        names.ShortMonthNames[i] = names.LongMonthNames[i].left(3);
    }
    for (int i = 0; i < 7; ++i) {
        names.LongDayNames[i] = QString::fromLatin1(longDays[i]);
        names.ShortDayNames[i] = names.LongDayNames[i].left(3);
    }
    return names;
}

TLocaleNames &names()
{
    static TLocaleNames current = englishNames();
    return current;
}

} // namespace

const TLocaleNames &LocaleNames()
{
    return names();
}

void SetLocaleNames(const TLocaleNames &newNames)
{
    names() = newNames;
}

void ResetLocaleNames()
{
    names() = englishNames();
}

QString FormatDateWithNames(const QDate &date, const QString &format)
{
    if (!date.isValid())
        return QString();
    const TLocaleNames &n = names();
    QString out;
    qsizetype i = 0;
    const qsizetype size = format.size();
    while (i < size) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            qsizetype j = i + 1;
            if (j < size && format.at(j) == QLatin1Char('\'')) {
                out += QLatin1Char('\'');
                i = j + 1;
                continue;
            }
            while (j < size && format.at(j) != QLatin1Char('\''))
                out += format.at(j++);
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < size && format.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('d')) {
            const int weekday = date.dayOfWeek() % 7; // Sunday first
            if (run >= 4)
                out += n.LongDayNames[weekday];
            else if (run == 3)
                out += n.ShortDayNames[weekday];
            else
                out += run == 2 ? QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) : QString::number(date.day());
        } else if (c == QLatin1Char('M')) {
            if (run >= 4)
                out += n.LongMonthNames[date.month() - 1];
            else if (run == 3)
                out += n.ShortMonthNames[date.month() - 1];
            else
                out += run == 2 ? QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))
                                : QString::number(date.month());
        } else if (c == QLatin1Char('y') && (run == 2 || run == 4)) {
            out += run == 2 ? QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))
                            : QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}
