#pragma once

#include "base/managed.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <type_traits>

class IBSStreamReader;
class IBSStreamWriter;

// An object that can be written to and read back from a stream.
class IBSStreamable : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{2D9E6B14-8A3F-4C70-B5E2-41F7C9A0D683}";
    virtual void WriteToStream(IBSStreamWriter &writer) const = 0;
    virtual void ReadFromStream(IBSStreamReader &reader) = 0;
};

using TBSStreamableFactory = std::function<BSRef<IBSUnknown>()>;

// Registers a class by name. A name registered before (compared without regard to case) is ignored; a
// class that does not offer IBSStreamable is an assertion error ("Klasse unterstützt IBSStreamable
// nicht!").
void RegisterStreamableClass(const QString &className, bool offersStreamable, const TBSStreamableFactory &factory);

template<class T>
void RegisterStreamableClass(const QString &className)
{
    RegisterStreamableClass(className, std::is_base_of_v<IBSStreamable, T>, [] {
        if constexpr (std::is_base_of_v<IBSUnknown, T>)
            return BSRef<IBSUnknown>(BSNew<T>());
        else
            return BSRef<IBSUnknown>();
    });
}

bool IsStreamableClass(const QString &className);
QStringList StreamableClassNames();
// A new object of a registered class; null for an unknown name.
BSRef<IBSStreamable> NewStreamableObject(const QString &className);
