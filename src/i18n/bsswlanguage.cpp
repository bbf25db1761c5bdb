#include "i18n/bsswlanguage.h"

#include "i18n/bslanguage.h"

#include <memory>

TBSSwLanguage::TBSSwLanguage()
{
    BSLanguageInstance().AddLanguageHandler(TBSLanguage::VocabularyHandlers, true, this,
                                            [this](TBSLanguage &sender) { Load(sender); });
}

TBSSwLanguage::~TBSSwLanguage()
{
    if (TBSLanguage *catalogue = ExistingBSLanguage())
        catalogue->RemoveLanguageHandler(this);
}

void TBSSwLanguage::Load(const TBSLanguage &catalogue)
{
    for (int i = 0; i < 4; ++i) {
        GenderNames[i] = catalogue.GetText(QStringLiteral("#BSSwLanguage.GenderNames"), i);
        GenderNames2[i] = catalogue.GetText(QStringLiteral("#BSSwLanguage.GenderNames2"), i);
    }
    for (int i = 0; i < 6; ++i)
        StrokeCodes[i] = catalogue.GetText(QStringLiteral("#BSSwLanguage.StrokeCodes"), i);
}

namespace {

std::unique_ptr<TBSSwLanguage> &swimLanguageInstance()
{
    static std::unique_ptr<TBSSwLanguage> instance;
    return instance;
}

} // namespace

TBSSwLanguage &SwimLanguage()
{
    auto &instance = swimLanguageInstance();
    if (!instance)
        instance = std::make_unique<TBSSwLanguage>();
    return *instance;
}

void FreeSwimLanguage()
{
    swimLanguageInstance().reset();
}

QString SwimGenderName(TBSSwGender gender, const BSRef<IBSSwAgeRange> &range)
{
    if (gender > bssgMixed)
        return QString();
    const TBSSwLanguage &vocabulary = SwimLanguage();
    if (range && range->MaxAge() >= 1 && range->MaxAge() <= 16)
        return vocabulary.GenderNames2[gender];
    return vocabulary.GenderNames[gender];
}

QString SwimStrokeCode(TBSSwStroke stroke)
{
    if (stroke >= BSSwStrokeCount)
        return QString();
    return SwimLanguage().StrokeCodes[stroke];
}
