#pragma once

#include <QString>
#include <QStringList>

// The version values of the program: what a Windows program reads from its version resource. The build
// fills them from the CMake project (company, product and the four-part file version); tests construct
// their own.
struct TBSVersionInfo
{
    QString CompanyName;
    QString ProductName;
    // Optional; when empty the product name stands in (see EffectiveProductGroup).
    QString ProductGroup;
    QString FileVersion;
    bool IsDebugBuild = false;

    // The values this program was built with.
    static const TBSVersionInfo &Build();

    QString EffectiveProductGroup() const { return ProductGroup.isEmpty() ? ProductName : ProductGroup; }
    // "FileVersion" divided at ".".
    QStringList VersionParts() const;
    // Part n (1-based) of the file version, empty when the version has fewer parts.
    QString VersionPart(int n) const;
    // Product name, a blank and file-version part 1: "Mirevo 2006".
    QString ProductTitle() const;
    // "DEBUG Build" for a debug build, otherwise "Build " and file-version part 4.
    QString BuildText() const;
    // For a debug build the first version part followed by ".xxx", otherwise parts 1 and 4 joined by ".".
    QString VersionText() const;
};
