#pragma once

#include "i18n/bslanguage.h"

// The English keyed catalogue, read from the built-in resource "BSLanguageData_EN". It registers itself
// as the program's catalogue class when the program starts.
class TBSLanguageEN : public TBSLanguage
{
public:
    // English only (bit 4).
    quint32 AvailableLanguages() const override { return 16; }
    QStringList ReadData() const override;
};

// True once TBSLanguageEN is registered (which happens at program start); referencing this also makes
// sure the registration is part of the program.
bool BSLanguageENRegistered();
