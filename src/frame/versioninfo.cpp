#include "frame/versioninfo.h"

#include "frame/buildversion.h"

const TBSVersionInfo &TBSVersionInfo::Build()
{
    static const TBSVersionInfo info = [] {
        TBSVersionInfo v;
        v.CompanyName = QStringLiteral(MIREVO_BUILD_COMPANY);
        v.ProductName = QStringLiteral(MIREVO_BUILD_PRODUCT);
        v.FileVersion = QStringLiteral(MIREVO_BUILD_FILE_VERSION);
#if MIREVO_DEBUG_BUILD
        v.IsDebugBuild = true;
#endif
        return v;
    }();
    return info;
}

QStringList TBSVersionInfo::VersionParts() const
{
    return FileVersion.split(QLatin1Char('.'));
}

QString TBSVersionInfo::VersionPart(int n) const
{
    const QStringList parts = VersionParts();
    return n >= 1 && n <= parts.size() ? parts.at(n - 1) : QString();
}

QString TBSVersionInfo::ProductTitle() const
{
    return ProductName + QLatin1Char(' ') + VersionPart(1);
}

QString TBSVersionInfo::BuildText() const
{
    if (IsDebugBuild)
        return QStringLiteral("DEBUG Build");
    return QStringLiteral("Build %1").arg(VersionPart(4));
}

QString TBSVersionInfo::VersionText() const
{
    if (FileVersion.isEmpty())
        return QString();
    if (IsDebugBuild)
        return VersionPart(1) + QStringLiteral(".xxx");
    return QStringLiteral("%1.%2").arg(VersionPart(1), VersionPart(4));
}
