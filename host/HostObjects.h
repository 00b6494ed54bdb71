/*
    The host's reference-counted objects behind every interface a plug-in reaches during
    description: the host unknown with its component factory, host services, the collection,
    effect and component descriptors, property maps, the description host and feature info.
    Each records what the plug-in tells it and counts itself in the session.
*/
#pragma once

#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"
#include "ACF/IACFDefinition.h"
#include "Description.h"
#include "HostSession.h"

#include <atomic>
#include <string>
#include <utility>
#include <vector>

namespace duveline::host
{
// Counting and self-deletion shared by every host object.
class HostObjectBase
{
public:
    HostObjectBase (const HostObjectBase&) = delete;
    HostObjectBase& operator= (const HostObjectBase&) = delete;

protected:
    HostObjectBase (Session& session, ObjectKind kind);
    virtual ~HostObjectBase();

    acfUInt32 DoAddRef();
    acfUInt32 DoRelease();

    Session& mSession;

private:
    const ObjectKind mKind;
    std::atomic<acfUInt32> mRefCount { 0 };
};

#define DUVELINE_HOST_REFCOUNT()                                                                                                 \
    acfUInt32 AddRef() override                                                                                                  \
    {                                                                                                                            \
        return DoAddRef();                                                                                                       \
    }                                                                                                                            \
    acfUInt32 Release() override                                                                                                 \
    {                                                                                                                            \
        return DoRelease();                                                                                                      \
    }

// Answers a query with p (one reference for the caller).
template <typename T> acfResult AnswerQuery (T* p, void** ppOut)
{
    *ppOut = p;
    p->AddRef();
    return ACF_OK;
}

inline acfResult RefuseQuery (void** ppOut)
{
    *ppOut = nullptr;
    return ACF_E_NOINTERFACE;
}

// Creates an object with no reference, asks it for iid into out and lets it go again when the
// query fails: the object either ends up with exactly the caller's reference or is gone.
template <typename T> acfResult HandOut (T* object, const acfIID& iid, void** out)
{
    object->AddRef();
    const acfResult result = object->QueryInterface (iid, out);
    object->Release();
    return result;
}

class HostPropertyMap final : public AAX_IACFPropertyMap_V3, public HostObjectBase
{
public:
    HostPropertyMap (Session& session, int version);

    // The map behind an unknown the plug-in passed back, or null when it is not one of ours.
    static HostPropertyMap* From (IACFUnknown* unknown);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t numPluginIDs) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                         uint32_t* outNumPluginIDs) override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;

    PropertyRecords Records() const;

private:
    const int mVersion;
    std::map<int32_t, int32_t> mValues;
    std::map<int32_t, const void*> mPointers;
    std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> mIDArrays;
};

class HostComponentDescriptor final : public AAX_IACFComponentDescriptor_V3, public HostObjectBase
{
public:
    HostComponentDescriptor (Session& session, int version);

    static HostComponentDescriptor* From (IACFUnknown* unknown);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result Clear() override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType type) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                            uint32_t channelMask) override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                      AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                      AAX_CSelector* outProcID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                  const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                  AAX_CSelector* outProcID) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddProcessProc (IACFUnknown* properties, AAX_CSelector* outProcIDs, int32_t procIDsSize) override;

    ComponentRecord Record() const;

private:
    AAX_Result AddField (const char* call, AAX_CFieldIndex fieldIndex, std::vector<int64_t> arguments = {},
                         const char* text = nullptr);

    struct ProcessProc
    {
        ProcessProcRecord record;
        ACFPtr<AAX_IACFPropertyMap> properties; // read when the description is printed
    };

    const int mVersion;
    std::vector<FieldRecord> mFields;
    std::vector<ProcessProc> mProcessProcs;
};

class HostEffectDescriptor final : public AAX_IACFEffectDescriptor_V2, public HostObjectBase
{
public:
    HostEffectDescriptor (Session& session, int version);

    static HostEffectDescriptor* From (IACFUnknown* unknown);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result AddComponent (IACFUnknown* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, IACFUnknown* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                   uint32_t channelMask) override;

    EffectRecord Record() const;

private:
    const int mVersion;
    EffectRecord mRecord; // everything but components, meters' maps and properties
    std::vector<ACFPtr<AAX_IACFComponentDescriptor>> mComponents;
    std::vector<std::pair<MeterRecord, ACFPtr<AAX_IACFPropertyMap>>> mMeters;
    ACFPtr<AAX_IACFPropertyMap> mProperties;
};

// Both the collection the plug-in fills and the plug-in definition it hands back.
class HostCollection final : public AAX_IACFCollection, public IACFPluginDefinition, public HostObjectBase
{
public:
    explicit HostCollection (Session& session);

    static HostCollection* From (IACFUnknown* unknown);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    acfResult DefineAttribute (const acfUID&, const acfUID&, const void*, acfUInt32) override;
    acfResult GetAttributeInfo (const acfUID&, acfUID*, acfUInt32*) override;
    acfResult CopyAttribute (const acfUID&, const acfUID&, void*, acfUInt32) override;
    acfResult GetAttribute (const acfUID&, const acfUID&, const void**) override;

    AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* name) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;

    Description Record() const;

private:
    Description mRecord; // everything but effects and properties
    std::vector<std::pair<std::string, ACFPtr<AAX_IACFEffectDescriptor>>> mEffects;
    ACFPtr<AAX_IACFPropertyMap> mProperties;
};

class HostServices final : public AAX_IACFHostServices_V3, public HostObjectBase
{
public:
    HostServices (Session& session, int version);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result Assert (const char* file, int32_t line, const char* note) override;
    AAX_Result Trace (int32_t priority, const char* message) override;
    AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) override;
    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override;

private:
    const int mVersion;
};

class HostFeatureInfo final : public AAX_IACFFeatureInfo, public HostObjectBase
{
public:
    explicit HostFeatureInfo (Session& session);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) override;
    AAX_Result AcquireProperties (IACFUnknown** outProperties) override;
};

class HostDescriptionHost final : public AAX_IACFDescriptionHost, public HostObjectBase
{
public:
    explicit HostDescriptionHost (Session& session);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& feature, IACFUnknown** outFeatureInfo) override;
};

class HostDefinition final : public IACFDefinition, public HostObjectBase
{
public:
    explicit HostDefinition (Session& session);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    acfResult DefineAttribute (const acfUID&, const acfUID&, const void*, acfUInt32) override;
    acfResult GetAttributeInfo (const acfUID&, acfUID*, acfUInt32*) override;
    acfResult CopyAttribute (const acfUID&, const acfUID&, void*, acfUInt32) override;
    acfResult GetAttribute (const acfUID&, const acfUID&, const void**) override;
};

// The unknown the host hands to every entry point; also the component factory.
class HostUnknown final : public IACFComponentFactory, public HostObjectBase
{
public:
    explicit HostUnknown (Session& session);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    acfResult CreateInstance (const acfUID& componentID, IACFUnknown* outer, const acfIID& iid, void** ppOut) override;
};
} // namespace duveline::host
