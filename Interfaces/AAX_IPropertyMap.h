/*
    AAX_IPropertyMap: the library's view of a host property map (numbered integer and pointer
    properties of an effect, component or meter).
*/
#pragma once

#include "AAX_Enums.h"

class IACFUnknown;

class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    // Non-zero when the property exists; outValue is then set.
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t numPluginIDs) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                 uint32_t* outNumPluginIDs) const = 0;
    // The host object this map stands for (null when there is none).
    virtual IACFUnknown* GetIUnknown() const = 0;
};
