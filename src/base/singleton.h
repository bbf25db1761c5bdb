#pragma once

#include "base/assertion.h"
#include "base/managed.h"

// Stores a process-wide object in its slot; a second registration is an assertion error
// ("Singleton-Pattern verletzt.").
template<class T>
void RegisterSingleton(T *&slot, T *object)
{
    BSAssert(slot == nullptr, QStringLiteral("Singleton-Pattern verletzt."));
    slot = object;
}

template<class T>
void RegisterSingleton(BSRef<T> &slot, const BSRef<T> &object)
{
    BSAssert(slot == nullptr, QStringLiteral("Singleton-Pattern verletzt."));
    slot = object;
}
