/*
    Host interface of the collection: the whole description of a plug-in bundle. Entries 3 to 6
    are the definition's attribute store.
*/
#pragma once

#include "AAX.h"
#include "ACF/IACFDefinition.h"

class AAX_IACFCollection : public IACFDefinition
{
public:
    virtual AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0; // entry 7
    virtual AAX_Result SetManufacturerName (const char* name) = 0;                          // entry 8
    virtual AAX_Result AddPackageName (const char* name) = 0;                               // entry 9
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;                            // entry 10
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;                        // entry 11

protected:
    ~AAX_IACFCollection() = default;
};
