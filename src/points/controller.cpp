#include "points/controller.h"

#include "base/assertion.h"
#include "points/cantables.h"
#include "points/finatables.h"
#include "points/gertables.h"

void TBSSwPointTableController::Register(const TBSSwPointTableClassRef &cls)
{
    BSAssert(cls != nullptr, QStringLiteral("Punktewertung ohne Klasse!"));
    BSAssert(!FindClass(cls->ID()), QStringLiteral("Doppelt belegte ID für Punktewertungen!"));
    m_classes.push_back(cls);
}

TBSSwPointTableClassRef TBSSwPointTableController::FindClass(int32_t id) const
{
    for (const TBSSwPointTableClassRef &cls : m_classes)
        if (cls->ID() == id)
            return cls;
    return {};
}

BSRef<IBSSwPoints> TBSSwPointTableController::GetPointTable(int32_t id) const
{
    if (const TBSSwPointTableClassRef cls = FindClass(id))
        return cls->Create();
    return BSNew<TBSSwPointTable>();
}

BSRef<IBSLookupItems> TBSSwPointTableController::GetPointTableList() const
{
    BSRef<IBSLookupItems> items = NewLookupItems();
    for (const TBSSwPointTableClassRef &cls : m_classes)
        items->SetTextOf(cls->ID(), (cls->Name() + QLatin1Char(' ') + cls->Version()).trimmed());
    items->SortByText();
    return items;
}

TBSSwPointTableController &Controller()
{
    // The three table units register in this order at start-up; doing it here, on first use, keeps the
    // order fixed and does not depend on the linker keeping static initialisers of a library.
    static TBSSwPointTableController controller;
    static const bool registered = [] {
        RegisterFinaPointTables(controller);
        RegisterCanPointTables(controller);
        RegisterGerPointTables(controller);
        return true;
    }();
    (void)registered;
    return controller;
}
