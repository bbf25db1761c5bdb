#include "i18n/bslanguageen.h"

#include "frame/resourcetext.h"

namespace {

bool registerEnglish()
{
    RegisterLanguageClass<TBSLanguageEN>();
    return true;
}

const bool registered = registerEnglish();

} // namespace

QStringList TBSLanguageEN::ReadData() const
{
    return ReadResourceLines(QStringLiteral("BSLanguageData_EN"));
}

bool BSLanguageENRegistered()
{
    return registered;
}
