/*
    Library-internal helper of the run-time proxies: asking a host unknown for one optional
    interface version.
*/
#pragma once

#include "ACF/ACFPtr.h"

namespace AAX
{
// Queries unknown for iid; a refused version simply stays null. A refusing host hands out no
// reference, so whatever it left in the slot is dropped without a release.
template <typename T> void QueryOptionalInterface (IACFUnknown* unknown, const acfIID& iid, ACFPtr<T>& target)
{
    target.Reset();
    if (unknown == nullptr)
        return;
    if (unknown->QueryInterface (iid, target.ReceiveVoid()) != ACF_OK)
        target.Detach();
}
} // namespace AAX
