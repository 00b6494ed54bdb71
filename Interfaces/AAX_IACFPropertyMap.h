/*
    Host interfaces of a property map, versions 1 to 3.
*/
#pragma once

#include "AAX_Enums.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) = 0; // entry 3
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;       // entry 4
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;                              // entry 5

protected:
    ~AAX_IACFPropertyMap() = default;
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t numPluginIDs) = 0; // entry 6
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                 uint32_t* outNumPluginIDs) = 0; // entry 7

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

class AAX_IACFPropertyMap_V3 : public AAX_IACFPropertyMap_V2
{
public:
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) = 0; // entry 8
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;       // entry 9

protected:
    ~AAX_IACFPropertyMap_V3() = default;
};
