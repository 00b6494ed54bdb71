/*
    A run-time host for the library's unit tests: one host unknown that offers the controller,
    automation delegate, transport, page-table controller and component factory in the
    versions a test asks for, view containers and page tables, all reference counted and
    recording every call a plug-in makes.
*/
#pragma once

#include "AAX_Errors.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFPageTable.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_UIDs.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace duveline::test
{
struct RuntimeConfig
{
    int controllerVersion = 3; // 0: none
    bool automation = true;
    int transportVersion = 3;
    int pageTableControllerVersion = 2;
    bool componentFactory = true;
    AAX_Result pageTableCopyResult = AAX_SUCCESS;
    int pageTableVersion = 2;
    // The effect object the host answers the effect-parameters interface with (GUI hosts).
    IACFUnknown* effect = nullptr;
};

struct HostCall
{
    std::string name;
    std::string id;
    double value = 0.0;
    const void* data = nullptr;
    uint32_t size = 0;
};

// What every host object of one test shares: the live-object count and the call record.
class RuntimeRecord
{
public:
    void Add (HostCall call)
    {
        std::lock_guard<std::mutex> lock (mMutex);
        mCalls.push_back (std::move (call));
    }
    std::vector<HostCall> Calls() const
    {
        std::lock_guard<std::mutex> lock (mMutex);
        return mCalls;
    }
    std::vector<HostCall> CallsNamed (const std::string& name) const
    {
        std::vector<HostCall> result;
        for (const HostCall& call : Calls())
            if (call.name == name)
                result.push_back (call);
        return result;
    }
    void ClearCalls()
    {
        std::lock_guard<std::mutex> lock (mMutex);
        mCalls.clear();
    }
    std::atomic<int> liveObjects { 0 };

private:
    mutable std::mutex mMutex;
    std::vector<HostCall> mCalls;
};

class RuntimeObject
{
public:
    explicit RuntimeObject (RuntimeRecord& record) : mRecord (record) { ++mRecord.liveObjects; }
    virtual ~RuntimeObject() { --mRecord.liveObjects; }
    RuntimeObject (const RuntimeObject&) = delete;
    RuntimeObject& operator= (const RuntimeObject&) = delete;

protected:
    acfUInt32 DoAddRef() { return ++mRefCount; }
    acfUInt32 DoRelease()
    {
        const acfUInt32 count = --mRefCount;
        if (count == 0)
            delete this;
        return count;
    }
    void Record (const char* name, const char* id = nullptr, double value = 0.0, const void* data = nullptr,
                 uint32_t size = 0) const
    {
        mRecord.Add (HostCall { name, id != nullptr ? id : "", value, data, size });
    }

    RuntimeRecord& mRecord;

private:
    std::atomic<acfUInt32> mRefCount { 0 };
};

#define DUVELINE_RUNTIME_REFCOUNT()                                                                                              \
    acfUInt32 AddRef() override                                                                                                  \
    {                                                                                                                            \
        return DoAddRef();                                                                                                       \
    }                                                                                                                            \
    acfUInt32 Release() override                                                                                                 \
    {                                                                                                                            \
        return DoRelease();                                                                                                      \
    }

// Hands out an interface of a new object, which goes away if the query fails.
template <typename Object> acfResult HandOutRuntime (Object* object, const acfIID& iid, void** out)
{
    object->AddRef();
    const acfResult result = object->QueryInterface (iid, out);
    object->Release();
    return result;
}

class FakePageTable final : public AAX_IACFPageTable_V2, public RuntimeObject
{
public:
    FakePageTable (RuntimeRecord& record, int version) : RuntimeObject (record), mVersion (version) {}
    DUVELINE_RUNTIME_REFCOUNT()

    acfResult QueryInterface (const acfIID& iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IACFUnknown || (iid == IID_IAAXPageTableV1 && mVersion >= 1) ||
            (iid == IID_IAAXPageTableV2 && mVersion >= 2))
        {
            *out = static_cast<AAX_IACFPageTable_V2*> (this);
            AddRef();
            return ACF_OK;
        }
        return ACF_E_NOINTERFACE;
    }

    AAX_Result Clear() override { return Note ("Clear"); }
    AAX_Result Empty (AAX_CBoolean& outEmpty) const override { return outEmpty = 1, Note ("Empty"); }
    AAX_Result GetNumPages (int32_t& outNumPages) const override { return outNumPages = 2, Note ("GetNumPages"); }
    AAX_Result InsertPage (int32_t) override { return Note ("InsertPage"); }
    AAX_Result RemovePage (int32_t) override { return Note ("RemovePage"); }
    AAX_Result GetNumMappedParameterIDs (int32_t, int32_t&) const override { return Note ("GetNumMappedParameterIDs"); }
    AAX_Result ClearMappedParameter (int32_t, int32_t) override { return Note ("ClearMappedParameter"); }
    AAX_Result GetMappedParameterID (int32_t, int32_t, AAX_IString&) const override { return Note ("GetMappedParameterID"); }
    AAX_Result MapParameterID (AAX_CParamID, int32_t, int32_t) override { return Note ("MapParameterID"); }
    AAX_Result GetNumParametersWithNameVariations (int32_t&) const override
    {
        return Note ("GetNumParametersWithNameVariations");
    }
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t, AAX_IString&) const override { return Note ("GetNameVariation"); }
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID, int32_t&) const override { return Note ("GetNumNameVariations"); }
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID, int32_t, AAX_IString&, int32_t&) const override
    {
        return Note ("GetParameterNameVariationAtIndex");
    }
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID, int32_t, AAX_IString&) const override
    {
        return Note ("GetParameterNameVariationOfLength");
    }
    AAX_Result ClearParameterNameVariations() override { return Note ("ClearParameterNameVariations"); }
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID) override { return Note ("ClearNameVariationsForParameter"); }
    AAX_Result SetParameterNameVariation (AAX_CParamID, const AAX_IString&, int32_t) override
    {
        return Note ("SetParameterNameVariation");
    }

private:
    AAX_Result Note (const char* name) const
    {
        Record (name);
        return AAX_SUCCESS;
    }
    int mVersion;
};

class FakeViewContainer final : public AAX_IACFViewContainer_V2, public RuntimeObject
{
public:
    FakeViewContainer (RuntimeRecord& record, int version, void* nativeView)
        : RuntimeObject (record), mVersion (version), mNativeView (nativeView)
    {
    }
    DUVELINE_RUNTIME_REFCOUNT()

    acfResult QueryInterface (const acfIID& iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IACFUnknown || (iid == IID_IAAXViewContainerV1 && mVersion >= 1) ||
            (iid == IID_IAAXViewContainerV2 && mVersion >= 2))
        {
            *out = static_cast<AAX_IACFViewContainer_V2*> (this);
            AddRef();
            return ACF_OK;
        }
        return ACF_E_NOINTERFACE;
    }

    int32_t GetType() override { return 3; }
    void* GetPtr() override { return mNativeView; }
    AAX_Result GetModifiers (uint32_t* outModifiers) override { return *outModifiers = 1, AAX_SUCCESS; }
    AAX_Result SetViewSize (AAX_Point& size) override
    {
        Record ("SetViewSize", nullptr, size.horz);
        return AAX_SUCCESS;
    }
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t) override { return Note ("MouseDown", id); }
    AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t) override { return Note ("MouseDrag", id); }
    AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t) override { return Note ("MouseUp", id); }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID*, uint32_t count, uint32_t) override
    {
        Record ("MultipleMouseDown", nullptr, count);
        return AAX_SUCCESS;
    }
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID*, uint32_t, uint32_t) override
    {
        return Note ("MultipleMouseDrag");
    }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID*, uint32_t, uint32_t) override
    {
        return Note ("MultipleMouseUp");
    }

private:
    AAX_Result Note (const char* name, const char* id = nullptr)
    {
        Record (name, id);
        return AAX_SUCCESS;
    }
    int mVersion;
    void* mNativeView;
};

class FakeRuntimeHost final : public AAX_IACFController_V3,
                              public AAX_IACFAutomationDelegate,
                              public AAX_IACFTransport_V3,
                              public AAX_IACFPageTableController_V2,
                              public IACFComponentFactory,
                              public RuntimeObject
{
public:
    FakeRuntimeHost (RuntimeRecord& record, RuntimeConfig config) : RuntimeObject (record), mConfig (config) {}
    DUVELINE_RUNTIME_REFCOUNT()

    IACFUnknown* Unknown() { return static_cast<AAX_IACFController_V3*> (this); }

    acfResult QueryInterface (const acfIID& iid, void** out) override
    {
        *out = nullptr;
        void* answer = nullptr;
        const int controller = mConfig.controllerVersion;
        if (iid == IID_IACFUnknown)
            answer = Unknown();
        else if ((iid == IID_IAAXControllerV1 && controller >= 1) || (iid == IID_IAAXControllerV2 && controller >= 2) ||
                 (iid == IID_IAAXControllerV3 && controller >= 3))
            answer = static_cast<AAX_IACFController_V3*> (this);
        else if (iid == IID_IAAXAutomationDelegateV1 && mConfig.automation)
            answer = static_cast<AAX_IACFAutomationDelegate*> (this);
        else if ((iid == IID_IAAXTransportV1 && mConfig.transportVersion >= 1) ||
                 (iid == IID_IAAXTransportV2 && mConfig.transportVersion >= 2) ||
                 (iid == IID_IAAXTransportV3 && mConfig.transportVersion >= 3))
            answer = static_cast<AAX_IACFTransport_V3*> (this);
        else if ((iid == IID_IAAXPageTableController && mConfig.pageTableControllerVersion >= 1) ||
                 (iid == IID_IAAXPageTableControllerV2 && mConfig.pageTableControllerVersion >= 2))
            answer = static_cast<AAX_IACFPageTableController_V2*> (this);
        else if (iid == IID_IACFComponentFactory && mConfig.componentFactory)
            answer = static_cast<IACFComponentFactory*> (this);
        else if (iid == IID_IAAXEffectParametersV1 && mConfig.effect != nullptr)
            return mConfig.effect->QueryInterface (iid, out);
        if (answer == nullptr)
            return ACF_E_NOINTERFACE;
        AddRef();
        *out = answer;
        return ACF_OK;
    }

    // Controller
    AAX_Result GetEffectID (AAX_IString* out) const override { return out->Set ("com.test.effect"), Note ("GetEffectID"); }
    AAX_Result GetSampleRate (AAX_CSampleRate* out) const override { return *out = 48000.0f, Note ("GetSampleRate"); }
    AAX_Result GetInputStemFormat (AAX_EStemFormat* out) const override { return *out = AAX_eStemFormat_Stereo, AAX_SUCCESS; }
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* out) const override { return *out = AAX_eStemFormat_Stereo, AAX_SUCCESS; }
    AAX_Result GetSignalLatency (int32_t* out) const override { return *out = 7, AAX_SUCCESS; }
    AAX_Result GetCycleCount (AAX_EProperty, AAX_CPropertyValue* out) const override { return *out = 0, AAX_SUCCESS; }
    AAX_Result GetTODLocation (int64_t* out) const override { return *out = 0, AAX_SUCCESS; }
    AAX_Result SetSignalLatency (int32_t samples) override
    {
        Record ("SetSignalLatency", nullptr, samples);
        return AAX_SUCCESS;
    }
    AAX_Result SetCycleCount (AAX_EProperty*, AAX_CPropertyValue*, int32_t) override { return AAX_SUCCESS; }
    AAX_Result PostPacket (AAX_CFieldIndex port, const void* payload, uint32_t size) override
    {
        float value = 0.0f;
        if (size == sizeof (float))
            std::memcpy (&value, payload, sizeof (value));
        Record ("PostPacket", nullptr, value, payload, size);
        lastPostedPort = port;
        return postPacketResult;
    }
    AAX_Result GetCurrentMeterValue (AAX_CTypeID, float*) const override { return AAX_SUCCESS; }
    AAX_Result GetMeterPeakValue (AAX_CTypeID, float*) const override { return AAX_SUCCESS; }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID) const override { return AAX_SUCCESS; }
    AAX_Result GetMeterClipped (AAX_CTypeID, AAX_CBoolean*) const override { return AAX_SUCCESS; }
    AAX_Result ClearMeterClipped (AAX_CTypeID) const override { return AAX_SUCCESS; }
    AAX_Result GetMeterCount (uint32_t* out) const override { return *out = 0, AAX_SUCCESS; }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) override { return AAX_SUCCESS; }
    AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) override
    {
        Record ("SendNotification", nullptr, type, data, size);
        return AAX_SUCCESS;
    }
    AAX_Result GetHybridSignalLatency (int32_t* out) const override { return *out = 0, AAX_SUCCESS; }
    AAX_Result GetCurrentAutomationTimestamp (int64_t* out) const override { return *out = 0, AAX_SUCCESS; }
    AAX_Result GetHostName (AAX_IString* out) const override { return out->Set ("Test host"), AAX_SUCCESS; }
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* out) const override { return *out = 1, AAX_SUCCESS; }
    AAX_Result GetIsAudioSuite (AAX_CBoolean* out) const override { return *out = 0, AAX_SUCCESS; }

    // Automation delegate
    AAX_Result RegisterParameter (AAX_CParamID id) override { return Note ("RegisterParameter", id); }
    AAX_Result UnregisterParameter (AAX_CParamID id) override { return Note ("UnregisterParameter", id); }
    AAX_Result PostSetValueRequest (AAX_CParamID id, double value) const override
    {
        return Note ("PostSetValueRequest", id, value);
    }
    AAX_Result PostCurrentValue (AAX_CParamID id, double value) const override { return Note ("PostCurrentValue", id, value); }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { return Note ("PostTouchRequest", id); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { return Note ("PostReleaseRequest", id); }
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* out) override { return *out = 1, Note ("GetTouchState", id); }

    // Transport
    AAX_Result GetCurrentTempo (double* out) const override { return *out = 120.0, AAX_SUCCESS; }
    AAX_Result GetCurrentMeter (int32_t* n, int32_t* d) const override { return *n = 3, *d = 4, AAX_SUCCESS; }
    AAX_Result IsTransportPlaying (bool* out) const override { return *out = true, AAX_SUCCESS; }
    AAX_Result GetCurrentTickPosition (int64_t* out) const override { return *out = 960000, AAX_SUCCESS; }
    AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* start, int64_t* end) const override
    {
        return *looping = false, *start = 0, *end = 0, AAX_SUCCESS;
    }
    AAX_Result GetCurrentNativeSampleLocation (int64_t* out) const override { return *out = 4800, AAX_SUCCESS; }
    AAX_Result GetCustomTickPosition (int64_t* out, int64_t location) const override { return *out = location, AAX_SUCCESS; }
    AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* ticks, int64_t) const override
    {
        return *bars = 1, *beats = 1, *ticks = 0, AAX_SUCCESS;
    }
    AAX_Result GetTicksPerQuarter (uint32_t* out) const override { return *out = 960000, AAX_SUCCESS; }
    AAX_Result GetCurrentTicksPerBeat (uint32_t* out) const override { return *out = 960000, AAX_SUCCESS; }
    AAX_Result GetTimelineSelectionStartPosition (int64_t* out) const override { return *out = 48, AAX_SUCCESS; }
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* rate, int32_t* offset) const override
    {
        return *rate = AAX_eFrameRate_25Frame, *offset = 0, AAX_SUCCESS;
    }
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) const override
    {
        return *rate = AAX_eFeetFramesRate_24, *offset = 0, AAX_SUCCESS;
    }
    AAX_Result IsMetronomeEnabled (int32_t* out) const override { return *out = 1, AAX_SUCCESS; }
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* rate, int64_t* offset) const override
    {
        return *rate = AAX_eFrameRate_24Frame, *offset = 5, AAX_SUCCESS;
    }

    // Page-table controller: copies fill the caller's table, or fail as configured.
    AAX_Result CopyTableForEffect (AAX_CPropertyValue, AAX_CPropertyValue, AAX_CPropertyValue, uint32_t, int32_t,
                                   IACFUnknown* table) const override
    {
        return Copy ("CopyTableForEffect", table);
    }
    AAX_Result CopyTableOfLayoutForEffect (const char*, const char*, uint32_t, int32_t, IACFUnknown* table) const override
    {
        return Copy ("CopyTableOfLayoutForEffect", table);
    }
    AAX_Result CopyTableForEffectFromFile (const char*, AAX_ETextEncoding, AAX_CPropertyValue, AAX_CPropertyValue,
                                           AAX_CPropertyValue, uint32_t, int32_t, IACFUnknown* table) const override
    {
        return Copy ("CopyTableForEffectFromFile", table);
    }
    AAX_Result CopyTableOfLayoutFromFile (const char*, AAX_ETextEncoding, const char*, uint32_t, int32_t,
                                          IACFUnknown* table) const override
    {
        return Copy ("CopyTableOfLayoutFromFile", table);
    }

    // Component factory: page tables only.
    acfResult CreateInstance (const acfUID& componentID, IACFUnknown*, const acfIID& iid, void** out) override
    {
        *out = nullptr;
        if (componentID != AAXCompID_PageTable)
            return ACF_E_NOINTERFACE;
        return HandOutRuntime (new FakePageTable (mRecord, mConfig.pageTableVersion), iid, out);
    }

    AAX_Result postPacketResult = AAX_SUCCESS;
    AAX_CFieldIndex lastPostedPort = -1;

private:
    AAX_Result Note (const char* name, const char* id = nullptr, double value = 0.0) const
    {
        Record (name, id, value);
        return AAX_SUCCESS;
    }
    AAX_Result Copy (const char* name, IACFUnknown* table) const
    {
        Record (name, nullptr, table != nullptr ? 1.0 : 0.0);
        return mConfig.pageTableCopyResult;
    }

    RuntimeConfig mConfig;
};

// Owns one run-time host for a test and checks that every host object is gone at the end.
class RuntimeHost
{
public:
    explicit RuntimeHost (RuntimeConfig config = {})
        : mHostObject (new FakeRuntimeHost (mRecord, config)), mHost (ACFPtr<IACFUnknown>::AddRefed (mHostObject->Unknown()))
    {
    }

    IACFUnknown* Unknown() const { return mHost.Get(); }
    FakeRuntimeHost& Object() const { return *mHostObject; }
    RuntimeRecord& Record() { return mRecord; }

    // Host objects alive besides those this test holds itself (host unknown, views, tables).
    int ObjectsHandedOut() const
    {
        return mRecord.liveObjects.load() - (mHost ? 1 : 0) - static_cast<int> (mViewContainers.size() + mPageTables.size());
    }
    // References the plug-in holds on the host unknown itself.
    acfUInt32 ReferencesOnHost() const
    {
        mHost->AddRef();
        return mHost->Release() - 1;
    }

    // A new view container with no reference: the first query takes one.
    IACFUnknown* NewViewContainer (int version, void* nativeView = nullptr)
    {
        auto* container = new FakeViewContainer (mRecord, version, nativeView);
        mViewContainers.push_back (ACFPtr<IACFUnknown>::AddRefed (static_cast<AAX_IACFViewContainer_V2*> (container)));
        return mViewContainers.back().Get();
    }
    void DropViewContainers() { mViewContainers.clear(); }

    IACFUnknown* NewPageTable (int version)
    {
        auto* table = new FakePageTable (mRecord, version);
        mPageTables.push_back (ACFPtr<IACFUnknown>::AddRefed (static_cast<AAX_IACFPageTable_V2*> (table)));
        return mPageTables.back().Get();
    }

private:
    RuntimeRecord mRecord;
    FakeRuntimeHost* mHostObject;
    ACFPtr<IACFUnknown> mHost;
    std::vector<ACFPtr<IACFUnknown>> mViewContainers;
    std::vector<ACFPtr<IACFUnknown>> mPageTables;
};
} // namespace duveline::test
