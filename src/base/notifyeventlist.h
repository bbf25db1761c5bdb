#pragma once

#include "base/managed.h"

#include <QByteArray>

#include <cstring>
#include <functional>
#include <vector>

// A notification handler: a method of an object (or a free function) taking the sender. Two handlers are
// the same when they name the same method of the same object.
class TBSNotifyEvent
{
public:
    using Function = void (*)(void *sender);

    TBSNotifyEvent() = default;
    TBSNotifyEvent(Function function)
        : m_method(reinterpret_cast<const char *>(&function), int(sizeof function))
        , m_call([function](void *sender) { function(sender); })
    {
    }
    template<class T>
    TBSNotifyEvent(T *object, void (T::*method)(void *sender))
        : m_object(object)
        , m_method(reinterpret_cast<const char *>(&method), int(sizeof method))
        , m_call([object, method](void *sender) { (object->*method)(sender); })
    {
    }

    bool isEmpty() const { return !m_call; }
    bool operator==(const TBSNotifyEvent &other) const
    {
        return m_object == other.m_object && m_method == other.m_method;
    }
    void operator()(void *sender) const
    {
        if (m_call)
            m_call(sender);
    }
    // The object whose method is called; null for a free function.
    const void *object() const { return m_object; }

private:
    const void *m_object = nullptr;
    QByteArray m_method;
    std::function<void(void *)> m_call;
};

class IBSNotifyEventList : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{6F3B8D20-A4C1-4E79-B2D5-19E7C0A6F83B}";
    // A handler already in the list is an assertion error ("Doppeltes NotifyEvent in Liste!").
    virtual void Add(const TBSNotifyEvent &handler) = 0;
    // No error when the handler is absent.
    virtual void Remove(const TBSNotifyEvent &handler) = 0;
    // Calls every handler in list order. A handler may remove itself or others while being called; a
    // handler removed before its turn is not called.
    virtual void Notify(void *sender) = 0;
    virtual int Count() const = 0;
    virtual bool Contains(const TBSNotifyEvent &handler) const = 0;
};

class TBSNotifyEventList : public TBSManagedInterface, public IBSNotifyEventList
{
public:
    void Add(const TBSNotifyEvent &handler) override;
    void Remove(const TBSNotifyEvent &handler) override;
    void Notify(void *sender) override;
    int Count() const override { return int(m_handlers.size()); }
    bool Contains(const TBSNotifyEvent &handler) const override;

private:
    std::vector<TBSNotifyEvent> m_handlers;
};

BSRef<IBSNotifyEventList> NewNotifyEventList();
