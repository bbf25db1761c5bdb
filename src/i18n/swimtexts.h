#pragma once

#include <QString>

class TLanguage;

// The swim lists of the calculator, filled once from section S of the numbered catalogue: pool names
// (S 21, 22, 23, 58 and 70 joined with ";"), relay prefixes (S 1), stroke names (S 2), relay stroke names
// (S 28) and gender names (S 3). A language loaded later does not refill them.
struct TSwimTexts {
    QString PoolNames;
    QString RelayPrefixes;
    QString StrokeNames;
    QString RelayStrokeNames;
    QString GenderNames;
};

// Fills the lists from Language().
void LoadSwimTexts();
// Fills the lists from the given catalogue.
void LoadSwimTexts(const TLanguage &catalogue);
const TSwimTexts &SwimTexts();

// Display name of event row 0..33 of the calculator ("4 x 100m Freestyle Relay"); empty outside.
QString EventName(int row);
// Name of pool row i (item i + 1 of the pool list).
QString PoolName(int i);
// Gender name of radio index i, clamped to 0..2 (item i + 1 of the gender list).
QString GenderName(int i);
