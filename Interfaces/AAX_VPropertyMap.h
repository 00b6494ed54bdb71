/*
    AAX_VPropertyMap: the proxy over a host property map. Hosts without the pointer-property
    version get a local cache of the pointer properties process procedures need.
*/
#pragma once

#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IPropertyMap.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"

#include <map>
#include <memory>

class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    // A map made by the host's factory; null when the host refuses the factory. A factory that
    // is claimed but not handed out gives a map without host interfaces.
    static std::unique_ptr<AAX_VPropertyMap> Create (IACFUnknown* hostUnknown);
    // A map over a property-map object the host handed out; takes references of its own.
    static std::unique_ptr<AAX_VPropertyMap> Acquire (IACFUnknown* propertyMapUnknown);

    ~AAX_VPropertyMap() override;

    AAX_VPropertyMap (const AAX_VPropertyMap&) = delete;
    AAX_VPropertyMap& operator= (const AAX_VPropertyMap&) = delete;

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) const override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t numPluginIDs) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                         uint32_t* outNumPluginIDs) const override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_VPropertyMap() = default;

    void InitWithFactory (IACFComponentFactory& factory, IACFUnknown* hostUnknown);
    void InitWithPropertyMap (IACFUnknown* propertyMapUnknown);
    void QueryNewerVersions();

    ACFPtr<AAX_IACFPropertyMap> mPropertyMapV1;
    ACFPtr<AAX_IACFPropertyMap_V2> mPropertyMapV2;
    ACFPtr<AAX_IACFPropertyMap_V3> mPropertyMapV3;
    ACFPtr<AAX_IACFDescriptionHost> mDescriptionHost;
    std::map<AAX_EProperty, const void*> mLocalPointerProperties;
};

// What the host receives for a map argument: the map's host object, or null for no map.
inline IACFUnknown* AAX_HostObjectOf (const AAX_IPropertyMap* properties)
{
    return properties != nullptr ? properties->GetIUnknown() : nullptr;
}
