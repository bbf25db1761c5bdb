#include "base/notifyeventlist.h"

#include "base/assertion.h"

#include <algorithm>

void TBSNotifyEventList::Add(const TBSNotifyEvent &handler)
{
    BSAssert(!Contains(handler), QStringLiteral("Doppeltes NotifyEvent in Liste!"));
    m_handlers.push_back(handler);
}

void TBSNotifyEventList::Remove(const TBSNotifyEvent &handler)
{
    const auto it = std::find(m_handlers.begin(), m_handlers.end(), handler);
    if (it != m_handlers.end())
        m_handlers.erase(it);
}

bool TBSNotifyEventList::Contains(const TBSNotifyEvent &handler) const
{
    return std::find(m_handlers.begin(), m_handlers.end(), handler) != m_handlers.end();
}

void TBSNotifyEventList::Notify(void *sender)
{
    // Work on a copy: a handler may change the list.
    const std::vector<TBSNotifyEvent> handlers = m_handlers;
    for (const TBSNotifyEvent &handler : handlers)
        if (Contains(handler))
            handler(sender);
}

BSRef<IBSNotifyEventList> NewNotifyEventList()
{
    return BSNew<TBSNotifyEventList>();
}
