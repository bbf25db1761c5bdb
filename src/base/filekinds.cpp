#include "base/filekinds.h"

#include "base/wildcard.h"

#include <QStringList>

namespace {

const char *const kExtensions[BSFileKindCount] = {
    "",     ".bmp", ".cf",  ".csv", ".dat", ".dbf", ".dgn", ".doc", ".dot", ".dsv", ".dxf",
    ".ecw", ".err", ".exe", ".fbk", ".fbz", ".fdb", ".gbk", ".gdf", ".gif", ".htm",
    ".ini", ".jpg", ".kml", ".lef", ".log", ".lxf", ".mdb", ".mif", ".p91", ".pdf",
    ".png", ".shp", ".sql", ".sr*", ".tif", ".txt", ".wmf", ".xls", ".xml", ".xlt",
    ".zip", ".x*",
};

} // namespace

TBSFileKinds BSFileKinds(std::initializer_list<int> kinds)
{
    TBSFileKinds set;
    for (int kind : kinds)
        if (kind >= 0 && kind < BSFileKindCount)
            set.set(size_t(kind));
    return set;
}

QString BSFileKindExtension(int kind)
{
    if (kind <= 0 || kind >= BSFileKindCount)
        return {};
    return QString::fromLatin1(kExtensions[kind]);
}

int BSFileKindOfExtension(const QString &extension)
{
    if (extension.isEmpty())
        return fkNone;
    for (int kind = 1; kind < BSFileKindCount; ++kind)
        if (BSWildcardMatch(QString::fromLatin1(kExtensions[kind]), extension, Qt::CaseInsensitive))
            return kind;
    return fkNone;
}

QString BSFileKindPatterns(const TBSFileKinds &kinds)
{
    QStringList patterns;
    for (int kind = 1; kind < BSFileKindCount; ++kind)
        if (kinds.test(size_t(kind)))
            patterns << QLatin1Char('*') + BSFileKindExtension(kind);
    return patterns.isEmpty() ? QStringLiteral("*.*") : patterns.join(QLatin1Char(';'));
}
