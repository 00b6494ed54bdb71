/*
    AAX_VPropertyMap: forwards property operations to the host's property map, version by
    version, and applies the stem-format rule and the pointer-property cache.
*/
#include "AAX_VPropertyMap.h"

#include "AAX_Errors.h"
#include "AAX_HostFactory.h"
#include "AAX_UIDs.h"
#include "AAX_VComponentDescriptor.h"

namespace
{
bool IsStemFormatProperty (AAX_EProperty property)
{
    return property == AAX_eProperty_InputStemFormat || property == AAX_eProperty_OutputStemFormat;
}

// Stem formats from this index on are unknown to hosts that cannot be asked about them; "none"
// and "any" are understood everywhere.
bool NeedsDescriptionHost (AAX_CPropertyValue stemFormat)
{
    const uint32_t value = static_cast<uint32_t> (stemFormat);
    return value >= AAX_kStemFormatFirstNeedingDescriptionHost && value != static_cast<uint32_t> (AAX_eStemFormat_None) &&
           value != static_cast<uint32_t> (AAX_eStemFormat_Any);
}
} // namespace

std::unique_ptr<AAX_VPropertyMap> AAX_VPropertyMap::Create (IACFUnknown* hostUnknown)
{
    ACFPtr<IACFComponentFactory> factory;
    const AAX::EFactoryLookup lookup = AAX::AcquireComponentFactory (hostUnknown, factory);
    if (lookup == AAX::EFactoryLookup::Refused)
        return nullptr;

    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    if (lookup == AAX::EFactoryLookup::Found)
        map->InitWithFactory (*factory, hostUnknown);
    return map;
}

std::unique_ptr<AAX_VPropertyMap> AAX_VPropertyMap::Acquire (IACFUnknown* propertyMapUnknown)
{
    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    map->InitWithPropertyMap (propertyMapUnknown);
    return map;
}

AAX_VPropertyMap::~AAX_VPropertyMap() = default;

void AAX_VPropertyMap::InitWithFactory (IACFComponentFactory& factory, IACFUnknown* hostUnknown)
{
    AAX::CreateHostObject (factory, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1, mPropertyMapV1);
    QueryNewerVersions();

    // The description host may be reached through any of the objects at hand; the first that
    // answers wins.
    ACFQuery (hostUnknown, IID_IAAXDescriptionHostV1, mDescriptionHost);
    IACFUnknown* const candidates[] = { &factory, mPropertyMapV2.Get(), mPropertyMapV3.Get(), mPropertyMapV1.Get() };
    for (IACFUnknown* candidate : candidates)
    {
        if (mDescriptionHost)
            break;
        ACFQuery (candidate, IID_IAAXDescriptionHostV1, mDescriptionHost);
    }
}

void AAX_VPropertyMap::InitWithPropertyMap (IACFUnknown* propertyMapUnknown)
{
    ACFQuery (propertyMapUnknown, IID_IAAXPropertyMapV1, mPropertyMapV1);
    ACFQuery (propertyMapUnknown, IID_IAAXPropertyMapV2, mPropertyMapV2);
    ACFQuery (propertyMapUnknown, IID_IAAXPropertyMapV3, mPropertyMapV3);
    ACFQuery (propertyMapUnknown, IID_IAAXDescriptionHostV1, mDescriptionHost);
}

void AAX_VPropertyMap::QueryNewerVersions()
{
    ACFQuery (mPropertyMapV1.Get(), IID_IAAXPropertyMapV2, mPropertyMapV2);
    ACFQuery (mPropertyMapV1.Get(), IID_IAAXPropertyMapV3, mPropertyMapV3);
}

AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const
{
    if (!mPropertyMapV1)
        return false;
    return mPropertyMapV1->GetProperty (property, outValue);
}

AAX_CBoolean AAX_VPropertyMap::GetPointerProperty (AAX_EProperty property, const void** outValue) const
{
    if (mPropertyMapV3)
        return mPropertyMapV3->GetPointerProperty (property, outValue);

    if (outValue == nullptr)
        return false;
    const auto found = mLocalPointerProperties.find (property);
    if (found == mLocalPointerProperties.end())
        return false;
    *outValue = found->second;
    return true;
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    if (IsStemFormatProperty (property) && NeedsDescriptionHost (value) && !mDescriptionHost)
        return AAX_ERROR_PROPERTY_UNDEFINED;
    if (!mPropertyMapV1)
        return AAX_ERROR_NULL_OBJECT;
    return mPropertyMapV1->AddProperty (property, value);
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    if (mPropertyMapV3)
        return mPropertyMapV3->AddPointerProperty (property, value);

    // Without the host's pointer properties only those the process-procedure registration
    // reads back are kept, locally.
    if (AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc().count (property) == 0)
        return AAX_ERROR_UNIMPLEMENTED;
    mLocalPointerProperties[property] = value;
    return AAX_SUCCESS;
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const char* value)
{
    return AddPointerProperty (property, static_cast<const void*> (value));
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    if (!mPropertyMapV1)
        return AAX_ERROR_NULL_OBJECT;
    return mPropertyMapV1->RemoveProperty (property);
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                     uint32_t numPluginIDs)
{
    if (!mPropertyMapV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mPropertyMapV2->AddPropertyWithIDArray (property, pluginIDs, numPluginIDs);
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                       uint32_t* outNumPluginIDs) const
{
    if (!mPropertyMapV2)
        return false;
    return mPropertyMapV2->GetPropertyWithIDArray (property, outPluginIDs, outNumPluginIDs);
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const
{
    if (mPropertyMapV3)
        return mPropertyMapV3.Get();
    if (mPropertyMapV2)
        return mPropertyMapV2.Get();
    return mPropertyMapV1.Get();
}
