#include "i18n/swimtexts.h"

#include "domain/calculatorevents.h"
#include "i18n/catalogueitems.h"
#include "i18n/language.h"

#include <QStringList>

#include <algorithm>

namespace {

TSwimTexts &swimTexts()
{
    static TSwimTexts texts;
    return texts;
}

// "25;50;100;...;150", the distance list of the event table.
QString distanceText()
{
    QStringList distances;
    for (const int metres : CalcDistances)
        distances << QString::number(metres);
    return distances.join(QLatin1Char(';'));
}

} // namespace

void LoadSwimTexts()
{
    LoadSwimTexts(Language());
}

void LoadSwimTexts(const TLanguage &catalogue)
{
    const QString s = QStringLiteral("S");
    TSwimTexts &texts = swimTexts();
    texts.PoolNames = QStringList{catalogue.GetText(s, 21), catalogue.GetText(s, 22), catalogue.GetText(s, 23),
                                  catalogue.GetText(s, 58), catalogue.GetText(s, 70)}
                          .join(QLatin1Char(';'));
    texts.RelayPrefixes = catalogue.GetText(s, 1);
    texts.StrokeNames = catalogue.GetText(s, 2);
    texts.RelayStrokeNames = catalogue.GetText(s, 28);
    texts.GenderNames = catalogue.GetText(s, 3);
}

const TSwimTexts &SwimTexts()
{
    return swimTexts();
}

QString EventName(int row)
{
    if (row < 0 || row >= CalcEventCount)
        return QString();
    static const QString distances = distanceText();
    const TCalcEventRow &event = CalcEvents[row];
    const TSwimTexts &texts = swimTexts();
    QString name;
    if (event.relayIndex > 0)
        name = CatalogueItem(texts.RelayPrefixes, event.relayIndex + 1) + QLatin1Char(' ');
    name += (CatalogueItem(distances, event.distanceIndex + 1) + QLatin1Char('m')).trimmed();
    name += QLatin1Char(' ');
    name += CatalogueItem(event.relayIndex > 0 ? texts.RelayStrokeNames : texts.StrokeNames, event.strokeIndex + 1);
    return name;
}

QString PoolName(int i)
{
    return CatalogueItem(swimTexts().PoolNames, i + 1);
}

QString GenderName(int i)
{
    return CatalogueItem(swimTexts().GenderNames, std::clamp(i, 0, 2) + 1);
}
