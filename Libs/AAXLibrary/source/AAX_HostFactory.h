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

// Asks the factory for one host object; the factory's result is not examined, a refused
// interface simply stays null.
template <typename T>
void CreateHostObject (IACFComponentFactory& factory, const acfUID& componentID, const acfIID& iid, ACFPtr<T>& target)
{
    factory.CreateInstance (componentID, nullptr, iid, target.ReceiveVoid());
}
} // namespace AAX
