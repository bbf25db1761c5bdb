#pragma once

#include "domain/agerange.h"
#include "domain/swimcodes.h"

#include <QString>

class TBSLanguage;

// The swimming vocabulary of the keyed catalogue (section BSSwLanguage), as arrays by the codes of the
// swimming domain. It follows every change of the keyed catalogue.
class TBSSwLanguage
{
public:
    TBSSwLanguage();
    ~TBSSwLanguage();
    TBSSwLanguage(const TBSSwLanguage &) = delete;
    TBSSwLanguage &operator=(const TBSSwLanguage &) = delete;

    // Entry i is ";"-item i (from 0) of the catalogue text.
    QString GenderNames[4];  // "#BSSwLanguage.GenderNames", by gender code
    QString GenderNames2[4]; // "#BSSwLanguage.GenderNames2", names for youth classes
    QString StrokeCodes[6];  // "#BSSwLanguage.StrokeCodes", by stroke code

    void Load(const TBSLanguage &catalogue);
};

// The one vocabulary, created on first use.
TBSSwLanguage &SwimLanguage();
// Frees the vocabulary; the next SwimLanguage() creates it again.
void FreeSwimLanguage();

// The gender's name; for a range whose upper end lies within 1 to 16 the youth class name. Empty for an
// unknown code.
QString SwimGenderName(TBSSwGender gender, const BSRef<IBSSwAgeRange> &range = {});
// The stroke's short code ("Fr", "Bk", ...; empty for none). Empty for an unknown code.
QString SwimStrokeCode(TBSSwStroke stroke);
