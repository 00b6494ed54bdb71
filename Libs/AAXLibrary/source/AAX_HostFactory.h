/*
    Library-internal helpers for proxies whose host objects come from the host's component
    factory: finding the factory and asking it for one interface.
*/
#pragma once

#include "AAX_UIDs.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"

namespace AAX
{
enum class EFactoryLookup
{
    Found,     // the factory is held
    Refused,   // no host, or the host refused the query: proxies stay empty
    NullAnswer // the query succeeded without an object
};

inline EFactoryLookup AcquireComponentFactory (IACFUnknown* host, ACFPtr<IACFComponentFactory>& factory)
{
    factory.Reset();
    if (host == nullptr)
        return EFactoryLookup::Refused;
    if (host->QueryInterface (IID_IACFComponentFactory, factory.ReceiveVoid()) != ACF_OK)
    {
        // A refusing host hands out no reference; whatever it left in the slot is not ours.
        factory.Detach();
        return EFactoryLookup::Refused;
    }
    return factory ? EFactoryLookup::Found : EFactoryLookup::NullAnswer;
}

// For proxies that cannot exist half-made: true with the factory held, false when the host has
// none to offer, and the bare result ACF_E_POINTER thrown when it claims one but hands out none.
inline bool AcquireComponentFactoryOrThrow (IACFUnknown* host, ACFPtr<IACFComponentFactory>& factory)
{
    switch (AcquireComponentFactory (host, factory))
    {
    case EFactoryLookup::Found:
        return true;
    case EFactoryLookup::NullAnswer:
        throw static_cast<int32_t> (ACF_E_POINTER);
    case EFactoryLookup::Refused:
        break;
    }
    return false;
}

// Asks the factory for one host object; the factory's result is not examined, a refused
// interface simply stays null.
template <typename T>
void CreateHostObject (IACFComponentFactory& factory, const acfUID& componentID, const acfIID& iid, ACFPtr<T>& target)
{
    factory.CreateInstance (componentID, nullptr, iid, target.ReceiveVoid());
}
} // namespace AAX
