/*
    The host objects: version-gated interface answers, recording of the description, and the
    component factory that makes them.
*/
#include "HostObjects.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

namespace duveline::host
{
namespace
{
// Host-private identifiers: a host object answers its own so the host can tell its objects
// from anything else the plug-in might pass back.
constexpr acfUID kIdentityPropertyMap = { 0x6B1E0C21, 0x3D0A, 0x4F4E, { 0x9A, 0x51, 0x44, 0x75, 0x76, 0x65, 0x01, 0x01 } };
constexpr acfUID kIdentityComponentDescriptor = {
    0x6B1E0C21, 0x3D0A, 0x4F4E, { 0x9A, 0x51, 0x44, 0x75, 0x76, 0x65, 0x01, 0x02 }
};
constexpr acfUID kIdentityEffectDescriptor = { 0x6B1E0C21, 0x3D0A, 0x4F4E, { 0x9A, 0x51, 0x44, 0x75, 0x76, 0x65, 0x01, 0x03 } };
constexpr acfUID kIdentityCollection = { 0x6B1E0C21, 0x3D0A, 0x4F4E, { 0x9A, 0x51, 0x44, 0x75, 0x76, 0x65, 0x01, 0x04 } };

template <typename T> T* FromIdentity (IACFUnknown* unknown, const acfUID& identity)
{
    if (unknown == nullptr)
        return nullptr;
    void* answer = nullptr;
    if (unknown->QueryInterface (identity, &answer) != ACF_OK || answer == nullptr)
        return nullptr;
    T* object = static_cast<T*> (answer);
    // The caller holds the object already; the query's reference is not needed.
    object->Release();
    return object;
}

// Keeps a reference on the property map behind unknown, or nothing when it is not one of ours.
ACFPtr<AAX_IACFPropertyMap> HoldPropertyMap (IACFUnknown* unknown)
{
    return ACFPtr<AAX_IACFPropertyMap>::AddRefed (HostPropertyMap::From (unknown));
}

PropertyRecords RecordsOf (const ACFPtr<AAX_IACFPropertyMap>& map)
{
    const HostPropertyMap* hostMap = HostPropertyMap::From (map.Get());
    return hostMap != nullptr ? hostMap->Records() : PropertyRecords {};
}

std::string TextOf (const char* text)
{
    return text != nullptr ? text : "";
}

constexpr acfResult kAttributesUnsupported = AAX_ERROR_UNIMPLEMENTED;
} // namespace

// ---------------------------------------------------------------------------------------------

HostObjectBase::HostObjectBase (Session& session, ObjectKind kind) : mSession (session), mKind (kind)
{
    mSession.ObjectCreated (mKind);
}

HostObjectBase::~HostObjectBase()
{
    mSession.ObjectDestroyed (mKind);
}

acfUInt32 HostObjectBase::DoAddRef()
{
    return mRefCount.fetch_add (1) + 1;
}

acfUInt32 HostObjectBase::DoRelease()
{
    const acfUInt32 count = mRefCount.fetch_sub (1) - 1;
    if (count == 0)
        delete this;
    return count;
}

// ---------------------------------------------------------------------------------------------

HostPropertyMap::HostPropertyMap (Session& session, int version)
    : HostObjectBase (session, ObjectKind::PropertyMap), mVersion (version)
{
}

HostPropertyMap* HostPropertyMap::From (IACFUnknown* unknown)
{
    return FromIdentity<HostPropertyMap> (unknown, kIdentityPropertyMap);
}

acfResult HostPropertyMap::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == kIdentityPropertyMap)
        return AnswerQuery (this, ppOut);
    if (iid == IID_IACFUnknown || (iid == IID_IAAXPropertyMapV1 && mVersion >= 1) ||
        (iid == IID_IAAXPropertyMapV2 && mVersion >= 2) || (iid == IID_IAAXPropertyMapV3 && mVersion >= 3))
        return AnswerQuery (static_cast<AAX_IACFPropertyMap_V3*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_CBoolean HostPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue)
{
    const auto found = mValues.find (property);
    if (found == mValues.end() || outValue == nullptr)
        return false;
    *outValue = found->second;
    return true;
}

AAX_Result HostPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    mValues[property] = value;
    return AAX_SUCCESS;
}

AAX_Result HostPropertyMap::RemoveProperty (AAX_EProperty property)
{
    return mValues.erase (property) + mPointers.erase (property) + mIDArrays.erase (property) != 0 ? AAX_SUCCESS
                                                                                                   : AAX_ERROR_PROPERTY_UNDEFINED;
}

AAX_Result HostPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                    uint32_t numPluginIDs)
{
    if (pluginIDs == nullptr && numPluginIDs != 0)
        return AAX_ERROR_NULL_ARGUMENT;
    mIDArrays[property].assign (pluginIDs, pluginIDs + numPluginIDs);
    return AAX_SUCCESS;
}

AAX_CBoolean HostPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                      uint32_t* outNumPluginIDs)
{
    const auto found = mIDArrays.find (property);
    if (found == mIDArrays.end() || outPluginIDs == nullptr || outNumPluginIDs == nullptr)
        return false;
    *outPluginIDs = found->second.data();
    *outNumPluginIDs = static_cast<uint32_t> (found->second.size());
    return true;
}

AAX_CBoolean HostPropertyMap::GetPointerProperty (AAX_EProperty property, const void** outValue)
{
    const auto found = mPointers.find (property);
    if (found == mPointers.end() || outValue == nullptr)
        return false;
    *outValue = found->second;
    return true;
}

AAX_Result HostPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    mPointers[property] = value;
    return AAX_SUCCESS;
}

PropertyRecords HostPropertyMap::Records() const
{
    PropertyRecords records;
    records.values = mValues;
    for (const auto& [property, pointer] : mPointers)
        records.pointers[property] = pointer != nullptr;
    for (const auto& [property, ids] : mIDArrays)
        records.idArrays[property] = static_cast<uint32_t> (ids.size());
    return records;
}

// ---------------------------------------------------------------------------------------------

HostComponentDescriptor::HostComponentDescriptor (Session& session, int version)
    : HostObjectBase (session, ObjectKind::ComponentDescriptor), mVersion (version)
{
}

HostComponentDescriptor* HostComponentDescriptor::From (IACFUnknown* unknown)
{
    return FromIdentity<HostComponentDescriptor> (unknown, kIdentityComponentDescriptor);
}

acfResult HostComponentDescriptor::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == kIdentityComponentDescriptor)
        return AnswerQuery (this, ppOut);
    if (iid == IID_IACFUnknown || (iid == IID_IAAXComponentDescriptorV1 && mVersion >= 1) ||
        (iid == IID_IAAXComponentDescriptorV2 && mVersion >= 2) || (iid == IID_IAAXComponentDescriptorV3 && mVersion >= 3))
        return AnswerQuery (static_cast<AAX_IACFComponentDescriptor_V3*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostComponentDescriptor::AddField (const char* call, AAX_CFieldIndex fieldIndex, std::vector<int64_t> arguments,
                                              const char* text)
{
    mFields.push_back ({ call, fieldIndex, std::move (arguments), TextOf (text) });
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::Clear()
{
    mFields.clear();
    mProcessProcs.clear();
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return AddField ("AddReservedField", fieldIndex, { fieldType });
}

AAX_Result HostComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddAudioIn", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddAudioOut", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddAudioBufferLength", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddSampleRate", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddClock", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    return AddField ("AddSideChainIn", fieldIndex);
}

AAX_Result HostComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType type)
{
    return AddField ("AddDataInPort", fieldIndex, { packetSize, type });
}

AAX_Result HostComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    return AddField ("AddAuxOutputStem", fieldIndex, { stemFormat }, name);
}

AAX_Result HostComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    return AddField ("AddPrivateData", fieldIndex, { dataSize, options });
}

AAX_Result HostComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode)
{
    return AddField ("AddDmaInstance", fieldIndex, { mode });
}

AAX_Result HostComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                                 uint32_t channelMask)
{
    return AddField ("AddMIDINode", fieldIndex, { nodeType, channelMask }, nodeName);
}

AAX_Result HostComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount)
{
    if (meterIDs == nullptr && meterCount != 0)
        return AAX_ERROR_NULL_ARGUMENT;
    return AddField ("AddMeters", fieldIndex, std::vector<int64_t> (meterIDs, meterIDs + meterCount));
}

AAX_Result HostComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    return AddField ("AddTemporaryData", fieldIndex, { dataElementSize });
}

AAX_Result HostComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                                           AAX_CInstanceInitProc instanceInitProc,
                                                           AAX_CBackgroundProc backgroundProc, AAX_CSelector* outProcID)
{
    ProcessProc entry;
    entry.record.kind = "native";
    entry.record.id = mSession.NextProcessProcID();
    entry.record.hasProcessProc = processProc != nullptr;
    entry.record.hasInstanceInitProc = instanceInitProc != nullptr;
    entry.record.hasBackgroundProc = backgroundProc != nullptr;
    entry.record.processProc = processProc;
    entry.record.instanceInitProc = instanceInitProc;
    entry.properties = HoldPropertyMap (properties);
    if (outProcID != nullptr)
        *outProcID = entry.record.id;
    mProcessProcs.push_back (std::move (entry));
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                       IACFUnknown* properties, const char* instanceInitProcSymbol,
                                                       const char* backgroundProcSymbol, AAX_CSelector* outProcID)
{
    ProcessProc entry;
    entry.record.kind = "TI";
    entry.record.id = mSession.NextProcessProcID();
    entry.record.hasProcessProc = processProcSymbol != nullptr;
    entry.record.hasInstanceInitProc = instanceInitProcSymbol != nullptr;
    entry.record.hasBackgroundProc = backgroundProcSymbol != nullptr;
    entry.record.symbols = { TextOf (dllFileName), TextOf (processProcSymbol), TextOf (instanceInitProcSymbol),
                             TextOf (backgroundProcSymbol) };
    entry.properties = HoldPropertyMap (properties);
    if (outProcID != nullptr)
        *outProcID = entry.record.id;
    mProcessProcs.push_back (std::move (entry));
    return AAX_SUCCESS;
}

// The newest form: the host reads the procedures from the map itself.
AAX_Result HostComponentDescriptor::AddProcessProc (IACFUnknown* properties, AAX_CSelector* outProcIDs, int32_t procIDsSize)
{
    HostPropertyMap* map = HostPropertyMap::From (properties);
    if (map == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    std::vector<AAX_CSelector> registered;
    AAX_CPropertyValue value = 0;
    if (map->GetProperty (AAX_eProperty_PlugInID_Native, &value) || map->GetProperty (AAX_eProperty_PlugInID_AudioSuite, &value))
    {
        const void* procs[3] = {};
        map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &procs[0]);
        map->GetPointerProperty (AAX_eProperty_NativeInstanceInitProc, &procs[1]);
        map->GetPointerProperty (AAX_eProperty_NativeBackgroundProc, &procs[2]);
        ProcessProc entry;
        entry.record.kind = "native";
        entry.record.id = mSession.NextProcessProcID();
        entry.record.hasProcessProc = procs[0] != nullptr;
        entry.record.hasInstanceInitProc = procs[1] != nullptr;
        entry.record.hasBackgroundProc = procs[2] != nullptr;
        entry.record.processProc = reinterpret_cast<AAX_CProcessProc> (const_cast<void*> (procs[0]));
        entry.record.instanceInitProc = reinterpret_cast<AAX_CInstanceInitProc> (const_cast<void*> (procs[1]));
        entry.properties = HoldPropertyMap (properties);
        registered.push_back (entry.record.id);
        mProcessProcs.push_back (std::move (entry));
    }

    if (outProcIDs == nullptr)
        return AAX_SUCCESS;
    if (procIDsSize <= 0 || registered.size() >= static_cast<size_t> (procIDsSize))
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;
    for (size_t i = 0; i < registered.size(); ++i)
        outProcIDs[i] = registered[i];
    outProcIDs[registered.size()] = 0;
    return AAX_SUCCESS;
}

ComponentRecord HostComponentDescriptor::Record() const
{
    ComponentRecord record;
    record.fields = mFields;
    for (const ProcessProc& proc : mProcessProcs)
    {
        record.processProcs.push_back (proc.record);
        record.processProcs.back().properties = RecordsOf (proc.properties);
    }
    return record;
}

// ---------------------------------------------------------------------------------------------

HostEffectDescriptor::HostEffectDescriptor (Session& session, int version)
    : HostObjectBase (session, ObjectKind::EffectDescriptor), mVersion (version)
{
}

HostEffectDescriptor* HostEffectDescriptor::From (IACFUnknown* unknown)
{
    return FromIdentity<HostEffectDescriptor> (unknown, kIdentityEffectDescriptor);
}

acfResult HostEffectDescriptor::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == kIdentityEffectDescriptor)
        return AnswerQuery (this, ppOut);
    if (iid == IID_IACFUnknown || (iid == IID_IAAXEffectDescriptorV1 && mVersion >= 1) ||
        (iid == IID_IAAXEffectDescriptorV2 && mVersion >= 2))
        return AnswerQuery (static_cast<AAX_IACFEffectDescriptor_V2*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostEffectDescriptor::AddComponent (IACFUnknown* componentDescriptor)
{
    HostComponentDescriptor* component = HostComponentDescriptor::From (componentDescriptor);
    if (component == nullptr)
        return AAX_ERROR_NULL_COMPONENT;
    mComponents.push_back (ACFPtr<AAX_IACFComponentDescriptor>::AddRefed (component));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddName (const char* name)
{
    if (name == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mRecord.names.push_back (name);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategory (uint32_t category)
{
    mRecord.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID)
{
    mRecord.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    mRecord.procPtrs[procID] = procPtr != nullptr;
    mRecord.procAddresses[procID] = procPtr;
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::SetProperties (IACFUnknown* propertyMap)
{
    mProperties = HoldPropertyMap (propertyMap);
    return mProperties ? AAX_SUCCESS : AAX_ERROR_NULL_ARGUMENT;
}

AAX_Result HostEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
{
    mRecord.resources.push_back (std::to_string (type) + ":" + TextOf (info));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* name, IACFUnknown* properties)
{
    MeterRecord meter;
    meter.id = meterID;
    meter.name = TextOf (name);
    mMeters.emplace_back (std::move (meter), HoldPropertyMap (properties));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, uint32_t)
{
    return AAX_SUCCESS;
}

EffectRecord HostEffectDescriptor::Record() const
{
    EffectRecord record = mRecord;
    for (const auto& component : mComponents)
    {
        const HostComponentDescriptor* hostComponent = HostComponentDescriptor::From (component.Get());
        if (hostComponent != nullptr)
            record.components.push_back (hostComponent->Record());
    }
    for (const auto& [meter, properties] : mMeters)
    {
        record.meters.push_back (meter);
        record.meters.back().properties = RecordsOf (properties);
    }
    record.properties = RecordsOf (mProperties);
    return record;
}

// ---------------------------------------------------------------------------------------------

HostCollection::HostCollection (Session& session) : HostObjectBase (session, ObjectKind::Collection) {}

HostCollection* HostCollection::From (IACFUnknown* unknown)
{
    return FromIdentity<HostCollection> (unknown, kIdentityCollection);
}

acfResult HostCollection::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == kIdentityCollection)
        return AnswerQuery (this, ppOut);
    if (iid == IID_IACFUnknown || iid == IID_IAAXCollectionV1 || iid == IID_IACFDefinition)
        return AnswerQuery (static_cast<AAX_IACFCollection*> (this), ppOut);
    if (iid == IID_IACFPluginDefinition && mSession.Config().offerPluginDefinition)
        return AnswerQuery (static_cast<IACFPluginDefinition*> (this), ppOut);
    return RefuseQuery (ppOut);
}

acfResult HostCollection::DefineAttribute (const acfUID&, const acfUID&, const void*, acfUInt32)
{
    return kAttributesUnsupported;
}

acfResult HostCollection::GetAttributeInfo (const acfUID&, acfUID*, acfUInt32*)
{
    return kAttributesUnsupported;
}

acfResult HostCollection::CopyAttribute (const acfUID&, const acfUID&, void*, acfUInt32)
{
    return kAttributesUnsupported;
}

acfResult HostCollection::GetAttribute (const acfUID&, const acfUID&, const void**)
{
    return kAttributesUnsupported;
}

AAX_Result HostCollection::AddEffect (const char* effectID, IACFUnknown* effectDescriptor)
{
    HostEffectDescriptor* effect = HostEffectDescriptor::From (effectDescriptor);
    if (effectID == nullptr || effect == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    for (const auto& known : mEffects)
        if (known.first == effectID)
            return AAX_ERROR_DUPLICATE_EFFECT_ID;
    mEffects.emplace_back (effectID, ACFPtr<AAX_IACFEffectDescriptor>::AddRefed (effect));
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetManufacturerName (const char* name)
{
    if (name == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mRecord.manufacturerName = name;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::AddPackageName (const char* name)
{
    if (name == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mRecord.packageNames.push_back (name);
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetPackageVersion (uint32_t version)
{
    mRecord.hasPackageVersion = true;
    mRecord.packageVersion = version;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetProperties (IACFUnknown* propertyMap)
{
    mProperties = HoldPropertyMap (propertyMap);
    return mProperties ? AAX_SUCCESS : AAX_ERROR_NULL_ARGUMENT;
}

Description HostCollection::Record() const
{
    Description record = mRecord;
    for (const auto& [effectID, effect] : mEffects)
    {
        const HostEffectDescriptor* hostEffect = HostEffectDescriptor::From (effect.Get());
        if (hostEffect == nullptr)
            continue;
        record.effects.push_back (hostEffect->Record());
        record.effects.back().effectID = effectID;
    }
    record.properties = RecordsOf (mProperties);
    return record;
}

// ---------------------------------------------------------------------------------------------

HostServices::HostServices (Session& session, int version)
    : HostObjectBase (session, ObjectKind::HostServices), mVersion (version)
{
}

acfResult HostServices::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || (iid == IID_IAAXHostServicesV1 && mVersion >= 1) ||
        (iid == IID_IAAXHostServicesV2 && mVersion >= 2) || (iid == IID_IAAXHostServicesV3 && mVersion >= 3))
        return AnswerQuery (static_cast<AAX_IACFHostServices_V3*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostServices::Assert (const char* file, int32_t line, const char* note)
{
    mSession.AddAssert (file, line, note, 0);
    return AAX_SUCCESS;
}

AAX_Result HostServices::Trace (int32_t priority, const char* message)
{
    mSession.AddTrace (priority, message);
    return AAX_SUCCESS;
}

AAX_Result HostServices::StackTrace (int32_t traceLevel, int32_t, const char* message)
{
    mSession.AddTrace (traceLevel, message);
    return AAX_SUCCESS;
}

AAX_Result HostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags)
{
    mSession.AddAssert (file, line, note, flags);
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------

HostFeatureInfo::HostFeatureInfo (Session& session) : HostObjectBase (session, ObjectKind::FeatureInfo) {}

acfResult HostFeatureInfo::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || iid == IID_IAAXFeatureInfoV1)
        return AnswerQuery (static_cast<AAX_IACFFeatureInfo*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostFeatureInfo::SupportLevel (AAX_ESupportLevel& outSupportLevel)
{
    outSupportLevel = mSession.Config().stemFormatSupport;
    return AAX_SUCCESS;
}

// The map lists every stem format this host knows with the level configured for it.
AAX_Result HostFeatureInfo::AcquireProperties (IACFUnknown** outProperties)
{
    if (outProperties == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    auto* map = new HostPropertyMap (mSession, 3);
    for (int32_t index = 0; index < AAX_eStemFormatNum; ++index)
        for (int32_t channels = 0; channels <= 16; ++channels)
            map->AddProperty (static_cast<AAX_EProperty> (AAX_STEM_FORMAT (index, channels)), mSession.Config().stemFormatLevel);
    return HandOut (map, IID_IACFUnknown, reinterpret_cast<void**> (outProperties));
}

// ---------------------------------------------------------------------------------------------

HostDescriptionHost::HostDescriptionHost (Session& session) : HostObjectBase (session, ObjectKind::DescriptionHost) {}

acfResult HostDescriptionHost::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || iid == IID_IAAXDescriptionHostV1)
        return AnswerQuery (static_cast<AAX_IACFDescriptionHost*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostDescriptionHost::AcquireFeatureProperties (const AAX_Feature_UID& feature, IACFUnknown** outFeatureInfo)
{
    if (outFeatureInfo == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outFeatureInfo = nullptr;
    if (feature != AAXATTR_ClientFeature_StemFormat)
        return AAX_ERROR_UNKNOWN_ID;
    return HandOut (new HostFeatureInfo (mSession), IID_IACFUnknown, reinterpret_cast<void**> (outFeatureInfo));
}

// ---------------------------------------------------------------------------------------------

HostDefinition::HostDefinition (Session& session) : HostObjectBase (session, ObjectKind::HostDefinition) {}

acfResult HostDefinition::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || iid == IID_IACFDefinition)
        return AnswerQuery (static_cast<IACFDefinition*> (this), ppOut);
    return RefuseQuery (ppOut);
}

acfResult HostDefinition::DefineAttribute (const acfUID&, const acfUID&, const void*, acfUInt32)
{
    return kAttributesUnsupported;
}

acfResult HostDefinition::GetAttributeInfo (const acfUID&, acfUID*, acfUInt32*)
{
    return kAttributesUnsupported;
}

acfResult HostDefinition::CopyAttribute (const acfUID&, const acfUID&, void*, acfUInt32)
{
    return kAttributesUnsupported;
}

acfResult HostDefinition::GetAttribute (const acfUID&, const acfUID&, const void**)
{
    return kAttributesUnsupported;
}

// ---------------------------------------------------------------------------------------------

HostUnknown::HostUnknown (Session& session) : HostObjectBase (session, ObjectKind::HostUnknown) {}

acfResult HostUnknown::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    *ppOut = nullptr;
    const HostConfig& config = mSession.Config();
    if (iid == IID_IACFUnknown)
        return AnswerQuery (static_cast<IACFComponentFactory*> (this), ppOut);
    if (iid == IID_IACFComponentFactory)
    {
        switch (config.componentFactory)
        {
        case FactoryAnswer::Offer:
            return AnswerQuery (static_cast<IACFComponentFactory*> (this), ppOut);
        case FactoryAnswer::NullAnswer:
            return ACF_OK;
        case FactoryAnswer::Refuse:
            return RefuseQuery (ppOut);
        }
    }
    if (iid == IID_IAAXDescriptionHostV1 && config.offerDescriptionHost)
        return HandOut (new HostDescriptionHost (mSession), iid, ppOut);
    if (iid == IID_IACFDefinition)
        return HandOut (new HostDefinition (mSession), iid, ppOut);
    return RefuseQuery (ppOut);
}

acfResult HostUnknown::CreateInstance (const acfUID& componentID, IACFUnknown* outer, const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    *ppOut = nullptr;
    // Host objects are never aggregated.
    if (outer != nullptr)
        return ACF_E_NOINTERFACE;

    const HostConfig& config = mSession.Config();
    if (componentID == AAXCompID_HostServices)
        return HandOut (new HostServices (mSession, config.hostServicesVersion), iid, ppOut);
    if (componentID == AAXCompID_AAXCollection && config.offerCollection)
        return HandOut (new HostCollection (mSession), iid, ppOut);
    if (componentID == AAXCompID_AAXEffectDescriptor)
        return HandOut (new HostEffectDescriptor (mSession, config.effectDescriptorVersion), iid, ppOut);
    if (componentID == AAXCompID_AAXComponentDescriptor)
        return HandOut (new HostComponentDescriptor (mSession, config.componentDescriptorVersion), iid, ppOut);
    if (componentID == AAXCompID_AAXPropertyMap)
        return HandOut (new HostPropertyMap (mSession, config.propertyMapVersion), iid, ppOut);
    return ACF_E_NOINTERFACE;
}
} // namespace duveline::host
