#include "points/pointtableclass.h"

#include "points/tabletext.h"

#include <QHash>

namespace {

// Identifier -> header Name and Version, filled on first use and kept until the program ends.
struct NameMaps {
    QHash<int32_t, QString> names;
    QHash<int32_t, QString> versions;
};

NameMaps &nameMaps()
{
    static NameMaps maps;
    return maps;
}

} // namespace

BSRef<IBSSwPoints> TBSSwPointTableClass::Create() const
{
    return BSNew<TBSSwPointTable>(shared_from_this());
}

void TBSSwBaseTimesPointTableClass::readNamesOnce() const
{
    NameMaps &maps = nameMaps();
    const int32_t id = ID();
    if (maps.names.contains(id))
        return;
    const TBSSwTableNames names = ReadTableNames(TableText());
    maps.names.insert(id, names.Name);
    maps.versions.insert(id, names.Version);
}

QString TBSSwBaseTimesPointTableClass::Name() const
{
    readNamesOnce();
    return nameMaps().names.value(ID());
}

QString TBSSwBaseTimesPointTableClass::Version() const
{
    readNamesOnce();
    return nameMaps().versions.value(ID());
}

BSRef<IBSSwPoints> TBSSwBaseTimesPointTableClass::Create() const
{
    return BSNew<TBSSwBaseTimesPointTable>(self());
}

QString TBSSwBaseTimesPointTableClass::TableText() const
{
    return LoadTableResource(ResourceName());
}

std::shared_ptr<const TBSSwBaseTimesPointTableClass> TBSSwBaseTimesPointTableClass::self() const
{
    return std::static_pointer_cast<const TBSSwBaseTimesPointTableClass>(shared_from_this());
}

TBSSwTextPointTableClass::TBSSwTextPointTableClass(int32_t id, const QString &text, const QString &sourceName)
    : m_id(id), m_text(text), m_sourceName(sourceName)
{
    const TBSSwTableNames names = ReadTableNames(text);
    m_name = names.Name;
    m_version = names.Version;
}
