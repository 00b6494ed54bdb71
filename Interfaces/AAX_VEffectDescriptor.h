/*
    AAX_VEffectDescriptor: the proxy over a host effect descriptor. It owns the component
    descriptors and property maps made through it.
*/
#pragma once

#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <vector>

class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    // Throws the bare result ACF_E_POINTER when the host claims a factory but hands out none.
    explicit AAX_VEffectDescriptor (IACFUnknown* hostUnknown);
    ~AAX_VEffectDescriptor() override;

    AAX_VEffectDescriptor (const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator= (const AAX_VEffectDescriptor&) = delete;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                   uint32_t channelMask) override;

    // The host object this descriptor stands for (its first version; null when there is none).
    IACFUnknown* GetIUnknown() const { return mEffectDescriptorV1.Get(); }

private:
    ACFPtr<IACFUnknown> mHostUnknown;
    ACFPtr<AAX_IACFEffectDescriptor> mEffectDescriptorV1;
    ACFPtr<AAX_IACFEffectDescriptor_V2> mEffectDescriptorV2;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> mComponentDescriptors;
};
