/*
    The host's component factory: every host object a proxy wraps is made here.
*/
#pragma once

#include "IACFUnknown.h"

class IACFComponentFactory : public IACFUnknown
{
public:
    // The object comes back with one reference that the caller releases.
    virtual acfResult CreateInstance (const acfUID& componentID, IACFUnknown* outer, const acfIID& iid,
                                      void** ppOut) = 0; // entry 3

protected:
    ~IACFComponentFactory() = default;
};
