/*
    AAX_VCollection: forwards the bundle's description to the host's collection and owns the
    descriptors and maps made during it.
*/
#include "AAX_VCollection.h"

#include "AAX_Errors.h"
#include "AAX_HostFactory.h"
#include "AAX_UIDs.h"

AAX_VCollection::AAX_VCollection (IACFUnknown* hostUnknown)
    : mHostUnknown (ACFPtr<IACFUnknown>::AddRefed (hostUnknown)), mDescriptionHost (hostUnknown)
{
    ACFPtr<IACFComponentFactory> factory;
    // On a throw, the members release what they already hold.
    if (!AAX::AcquireComponentFactoryOrThrow (hostUnknown, factory))
        return;

    AAX::CreateHostObject (*factory, AAXCompID_AAXCollection, IID_IAAXCollectionV1, mCollection);
}

// Members go in reverse order: effect descriptors, maps, the description host, then the
// collection interface and the host unknown.
AAX_VCollection::~AAX_VCollection() = default;

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    mEffectDescriptors.push_back (std::make_unique<AAX_VEffectDescriptor> (mHostUnknown.Get()));
    return mEffectDescriptors.back().get();
}

AAX_Result AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor)
{
    if (!mCollection || effectDescriptor == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const auto* proxy = dynamic_cast<const AAX_VEffectDescriptor*> (effectDescriptor);
    return mCollection->AddEffect (effectID, proxy != nullptr ? proxy->GetIUnknown() : nullptr);
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* manufacturerName)
{
    return mCollection ? mCollection->SetManufacturerName (manufacturerName) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName (const char* packageName)
{
    return mCollection ? mCollection->AddPackageName (packageName) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion (uint32_t version)
{
    return mCollection ? mCollection->SetPackageVersion (version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    mPropertyMaps.push_back (AAX_VPropertyMap::Create (mHostUnknown.Get()));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    return mCollection ? mCollection->SetProperties (AAX_HostObjectOf (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_IDescriptionHost* AAX_VCollection::DescriptionHost()
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

IACFDefinition* AAX_VCollection::HostDefinition() const
{
    return mDescriptionHost.HostDefinition();
}
