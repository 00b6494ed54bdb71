/*
    AAX_VEffectDescriptor: forwards an effect's description to the host's effect descriptor.
*/
#include "AAX_VEffectDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_HostFactory.h"
#include "AAX_UIDs.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* hostUnknown)
    : mHostUnknown (ACFPtr<IACFUnknown>::AddRefed (hostUnknown))
{
    ACFPtr<IACFComponentFactory> factory;
    // On a throw, the members release what they already hold.
    if (!AAX::AcquireComponentFactoryOrThrow (hostUnknown, factory))
        return;

    AAX::CreateHostObject (*factory, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1, mEffectDescriptorV1);
    ACFQuery (mEffectDescriptorV1.Get(), IID_IAAXEffectDescriptorV2, mEffectDescriptorV2);
}

// Members go in reverse order: component descriptors, maps, then V2, V1 and the host unknown.
AAX_VEffectDescriptor::~AAX_VEffectDescriptor() = default;

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    mComponentDescriptors.push_back (std::make_unique<AAX_VComponentDescriptor> (mHostUnknown.Get()));
    return mComponentDescriptors.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* componentDescriptor)
{
    if (!mEffectDescriptorV1)
        return AAX_ERROR_NULL_OBJECT;
    const auto* proxy = dynamic_cast<const AAX_VComponentDescriptor*> (componentDescriptor);
    return mEffectDescriptorV1->AddComponent (proxy != nullptr ? proxy->GetIUnknown() : nullptr);
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* name)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory (uint32_t category)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddCategory (category) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddCategoryBypassParameter (category, parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddProcPtr (procPtr, procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    mPropertyMaps.push_back (AAX_VPropertyMap::Create (mHostUnknown.Get()));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->SetProperties (AAX_HostObjectOf (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddResourceInfo (type, info) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties)
{
    return mEffectDescriptorV1 ? mEffectDescriptorV1->AddMeterDescription (meterID, name, AAX_HostObjectOf (properties))
                               : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                                      uint32_t channelMask)
{
    return mEffectDescriptorV2 ? mEffectDescriptorV2->AddControlMIDINode (nodeID, nodeType, nodeName, channelMask)
                               : AAX_ERROR_UNIMPLEMENTED;
}
