#include "base/streamable.h"

#include "base/assertion.h"

#include <vector>

namespace {

struct Registration {
    QString name;
    TBSStreamableFactory factory;
};

std::vector<Registration> &registry()
{
    static std::vector<Registration> classes;
    return classes;
}

const Registration *find(const QString &className)
{
    for (const Registration &r : registry())
        if (r.name.compare(className, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

} // namespace

void RegisterStreamableClass(const QString &className, bool offersStreamable, const TBSStreamableFactory &factory)
{
    if (find(className))
        return;
    BSAssert(offersStreamable && factory, QStringLiteral("Klasse unterstützt IBSStreamable nicht!"));
    registry().push_back(Registration{className, factory});
}

bool IsStreamableClass(const QString &className)
{
    return find(className) != nullptr;
}

QStringList StreamableClassNames()
{
    QStringList names;
    for (const Registration &r : registry())
        names << r.name;
    return names;
}

BSRef<IBSStreamable> NewStreamableObject(const QString &className)
{
    const Registration *r = find(className);
    return r ? Supports<IBSStreamable>(r->factory()) : nullptr;
}
