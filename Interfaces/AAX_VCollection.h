/*
    AAX_VCollection: the proxy over the host's collection, handed to the framework's description
    function. It owns every effect descriptor and property map made through it.
*/
#pragma once

#include "AAX_IACFCollection.h"
#include "AAX_ICollection.h"
#include "AAX_VDescriptionHost.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <vector>

class AAX_VCollection : public AAX_ICollection
{
public:
    // Throws the bare result ACF_E_POINTER when the host claims a factory but hands out none.
    explicit AAX_VCollection (IACFUnknown* hostUnknown);
    ~AAX_VCollection() override;

    AAX_VCollection (const AAX_VCollection&) = delete;
    AAX_VCollection& operator= (const AAX_VCollection&) = delete;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* manufacturerName) override;
    AAX_Result AddPackageName (const char* packageName) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_IDescriptionHost* DescriptionHost() override;
    const AAX_IDescriptionHost* DescriptionHost() const override;
    IACFDefinition* HostDefinition() const override;

    // The host's collection interface (null when the host offers none).
    IACFUnknown* GetIUnknown() const { return mCollection.Get(); }

private:
    ACFPtr<IACFUnknown> mHostUnknown;
    ACFPtr<AAX_IACFCollection> mCollection;
    AAX_VDescriptionHost mDescriptionHost;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> mEffectDescriptors;
};
