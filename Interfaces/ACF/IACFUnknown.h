/*
    The base of every interface exchanged between an AAX host and a plug-in. Its three operations
    occupy entries 0, 1 and 2 of every interface table; derived interfaces continue from entry 3.
*/
#pragma once

#include "ACFBase.h"

// A binary interface: nothing but these three virtual functions may ever appear here, and no
// derived interface may add a virtual destructor, or every later entry number would shift.
// The destructor is protected and non-virtual so that nobody deletes an object through it:
// objects behind these interfaces go away through Release only.
class IACFUnknown
{
public:
    virtual acfResult QueryInterface (const acfIID& iid, void** ppOut) = 0; // entry 0
    virtual acfUInt32 AddRef() = 0;                                         // entry 1
    virtual acfUInt32 Release() = 0;                                        // entry 2

protected:
    IACFUnknown() = default;
    IACFUnknown (const IACFUnknown&) = default;
    IACFUnknown& operator= (const IACFUnknown&) = default;
    ~IACFUnknown() = default;
};
