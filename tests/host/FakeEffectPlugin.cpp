/*
    A fake effect plug-in for the host's run-time tests, laid out the way the framework's client
    lays out its algorithm (audio in and out, block length, bypass port, private instance data,
    dummy meter and side-chain fields). Its effect-parameters and GUI objects implement the host
    interfaces directly: a "Gain" parameter and the master bypass, the host round trip of
    set-value requests, a bypass packet, an 'elck' and a per-thread 'juce' chunk, and a GUI that
    reports the view container it was given. It checks the host's threading as it goes.
*/
#include <AAX_Exports.cpp>

#include "AAX_Errors.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_UIDs.h"
#include "ACF/ACFPtr.h"
#include "CACFUnknown.h"
#include "FakeEffect.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace
{
class FakeEffectParameters;

struct AlgorithmContext
{
    float** inputChannels;
    float** outputChannels;
    int32_t* bufferSize;
    int32_t* bypass;
    FakeEffectParameters** instance;
    int32_t* prepared;
    float* const* meterTaps;
    int32_t* sideChain;
};

enum Field : AAX_CFieldIndex
{
    kInputs = AAX_FIELD_INDEX (AlgorithmContext, inputChannels),
    kOutputs = AAX_FIELD_INDEX (AlgorithmContext, outputChannels),
    kBufferSize = AAX_FIELD_INDEX (AlgorithmContext, bufferSize),
    kBypass = AAX_FIELD_INDEX (AlgorithmContext, bypass),
    kInstance = AAX_FIELD_INDEX (AlgorithmContext, instance),
    kPrepared = AAX_FIELD_INDEX (AlgorithmContext, prepared),
    kMeterTaps = AAX_FIELD_INDEX (AlgorithmContext, meterTaps),
    kSideChain = AAX_FIELD_INDEX (AlgorithmContext, sideChain)
};
static_assert (kBypass == fake::kBypassPort, "the bypass port of the tests");

constexpr AAX_CTypeID kControlsChunk = 'elck';
constexpr AAX_CTypeID kStateChunk = 'juce';

std::mutex gLiveLock;
std::set<const void*> gLiveEffects; // to tell the GUI's effect parameters from anything else
std::atomic<int32_t> gInstanceNumbers { 0 };

class FakeEffectParameters final : public AAX_IACFEffectParameters_V4, public CACFUnknown
{
public:
    FakeEffectParameters() : mNumber (++gInstanceNumbers)
    {
        std::lock_guard<std::mutex> guard (gLiveLock);
        gLiveEffects.insert (this);
    }

    ~FakeEffectParameters() override
    {
        std::lock_guard<std::mutex> guard (gLiveLock);
        gLiveEffects.erase (this);
    }

    static IACFUnknown* Create() { return static_cast<AAX_IACFEffectParameters_V4*> (new FakeEffectParameters()); }

    int32_t Number() const { return mNumber; }

    ACF_DECLARE_STANDARD_UNKNOWN()

    acfResult InternalQueryInterface (const acfIID& iid, void** ppOut) override
    {
        if (ppOut == nullptr)
            return ACF_E_POINTER;
        if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 || iid == IID_IAAXEffectParametersV3 ||
            iid == IID_IAAXEffectParametersV4)
        {
            *ppOut = static_cast<AAX_IACFEffectParameters_V4*> (this);
            AddRef();
            return ACF_OK;
        }
        return CACFUnknown::InternalQueryInterface (iid, ppOut);
    }

    AAX_Result Initialize (IACFUnknown* host) override
    {
        mMainThread = std::this_thread::get_id();
        if (host == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;
        ACFQuery (host, IID_IAAXControllerV3, mController);
        ACFQuery (host, IID_IAAXAutomationDelegateV1, mAutomation);
        ACFQuery (host, IID_IAAXTransportV1, mTransport);
        if (!mController || !mAutomation)
            return AAX_ERROR_NOT_INITIALIZED;
        mController->GetSampleRate (&mDiagnostics.sampleRate);
        AAX_EStemFormat input = AAX_eStemFormat_None, output = AAX_eStemFormat_None;
        mController->GetInputStemFormat (&input);
        mController->GetOutputStemFormat (&output);
        mDiagnostics.inputStemFormat = input;
        mDiagnostics.outputStemFormat = output;
        mChannels = AAX_STEM_FORMAT_CHANNEL_COUNT (output);
        AAX_CBoolean audioSuite = 1;
        mController->GetIsAudioSuite (&audioSuite);
        mDiagnostics.hostIsAudioSuite = audioSuite;
        mController->SetSignalLatency (0);
        mAutomation->RegisterParameter (fake::kGainID);
        mAutomation->RegisterParameter (fake::kBypassID);
        return AAX_SUCCESS;
    }

    AAX_Result Uninitialize() override
    {
        Check();
        if (mAutomation)
        {
            mAutomation->UnregisterParameter (fake::kGainID);
            mAutomation->UnregisterParameter (fake::kBypassID);
        }
        mController.Reset();
        mAutomation.Reset();
        mTransport.Reset();
        return AAX_SUCCESS;
    }

    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override
    {
        Check();
        if (type == fake::kSetFromOtherThread && data != nullptr && size == sizeof (double) && mAutomation)
        {
            double value = 0.0;
            std::memcpy (&value, data, sizeof (value));
            AAX_IACFAutomationDelegate* automation = mAutomation.Get();
            std::thread worker ([automation, value] { automation->PostSetValueRequest (fake::kGainID, value); });
            worker.join();
        }
        return AAX_SUCCESS;
    }

    AAX_Result GetNumberOfParameters (int32_t* out) const override
    {
        Check();
        *out = 2;
        return AAX_SUCCESS;
    }

    AAX_Result GetMasterBypassParameter (AAX_IString* out) const override
    {
        out->Set (fake::kBypassID);
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* out) const override
    {
        *out = Known (id) ? 1 : 0;
        return Known (id) ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }

    AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, int32_t* out) const override
    {
        *out = IsBypass (id) ? 2 : 128;
        return Known (id) ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }

    AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* out) const override
    {
        out->Set (IsBypass (id) ? "Master Bypass" : Known (id) ? "Gain" : "");
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* out, int32_t) const override
    {
        return GetParameterName (id, out);
    }

    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* out) const override
    {
        *out = IsBypass (id) ? 0.0 : 0.5;
        return Known (id) ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }

    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID, double) override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* out) const override
    {
        *out = IsBypass (id) ? AAX_eParameterType_Discrete : AAX_eParameterType_Continuous;
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterOrientation (AAX_CParamID, AAX_EParameterOrientation* out) const override
    {
        *out = AAX_eParameterOrientation_Default;
        return AAX_SUCCESS;
    }

    AAX_Result GetParameter (AAX_CParamID, AAX_IParameter** out) override
    {
        *out = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    }

    AAX_Result GetParameterIndex (AAX_CParamID id, int32_t* out) const override
    {
        *out = IsBypass (id) ? 1 : Known (id) ? 0 : -1;
        return *out >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }

    AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* out) const override
    {
        Check();
        out->Set (index == 0 ? fake::kGainID : index == 1 ? fake::kBypassID : "");
        return index == 0 || index == 1 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }

    AAX_Result GetParameterValueInfo (AAX_CParamID, int32_t, int32_t* out) const override
    {
        *out = 0;
        return AAX_ERROR_UNIMPLEMENTED;
    }

    // Gain is shown as a factor from 0 to 2; the bypass as on or off.
    AAX_Result GetParameterValueFromString (AAX_CParamID id, double* out, const AAX_IString& text) const override
    {
        if (!Known (id))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        const std::string value = text.Get();
        if (IsBypass (id))
        {
            *out = value == "on" || value == "1" ? 1.0 : 0.0;
            return AAX_SUCCESS;
        }
        char* end = nullptr;
        const double factor = std::strtod (value.c_str(), &end);
        if (end == value.c_str())
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        *out = std::min (1.0, std::max (0.0, factor / 2.0));
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* out, int32_t) const override
    {
        if (!Known (id))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        char text[32];
        if (IsBypass (id))
            std::snprintf (text, sizeof (text), "%s", value >= 0.5 ? "on" : "off");
        else
            std::snprintf (text, sizeof (text), "%.2f", value * 2.0);
        out->Set (text);
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* out, int32_t maxLength) const override
    {
        double value = 0.0;
        GetParameterNormalizedValue (id, &value);
        return GetParameterStringFromValue (id, value, out, maxLength);
    }

    AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* out) const override
    {
        Check();
        if (!Known (id))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        *out = IsBypass (id) ? mBypass.load() : mGain.load();
        return AAX_SUCCESS;
    }

    // A change of the plug-in's own: asked of the host, stored when the host answers.
    AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) override
    {
        Check();
        if (!Known (id))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        mAutomation->PostTouchRequest (id);
        mAutomation->PostSetValueRequest (id, value);
        mAutomation->PostReleaseRequest (id);
        return AAX_SUCCESS;
    }

    AAX_Result SetParameterNormalizedRelative (AAX_CParamID, double) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result TouchParameter (AAX_CParamID id) override { return mAutomation->PostTouchRequest (id); }
    AAX_Result ReleaseParameter (AAX_CParamID id) override { return mAutomation->PostReleaseRequest (id); }
    AAX_Result UpdateParameterTouch (AAX_CParamID, AAX_CBoolean) override { return AAX_SUCCESS; }

    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource) override
    {
        Check();
        if (!Known (id))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        ++mDiagnostics.updates;
        if (IsBypass (id))
        {
            mBypass = value;
            mBypassDirty = true;
        }
        else
            mGain = value;
        mAutomation->PostCurrentValue (id, value);
        return AAX_SUCCESS;
    }

    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID, double) override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result GenerateCoefficients() override
    {
        Check();
        if (!mBypassDirty)
            return AAX_SUCCESS;
        mBypassDirty = false;
        const float bypass = mBypass.load() >= 0.5 ? 1.0f : 0.0f;
        const AAX_Result result = mController->PostPacket (fake::kBypassPort, &bypass, sizeof (bypass));
        mDiagnostics.packetsPosted += result == AAX_SUCCESS;
        return result;
    }

    AAX_Result ResetFieldData (AAX_CFieldIndex field, void* data, uint32_t size) const override
    {
        Check();
        ++mDiagnostics.resetFields;
        std::memset (data, 0, size);
        if (field == kInstance && size >= sizeof (FakeEffectParameters*))
            *static_cast<const FakeEffectParameters**> (data) = this;
        if (field == kPrepared && size >= sizeof (int32_t))
            *static_cast<int32_t*> (data) = 1;
        return AAX_SUCCESS;
    }

    AAX_Result GetNumberOfChunks (int32_t* out) const override
    {
        Check();
        *out = 2;
        return AAX_SUCCESS;
    }

    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* out) const override
    {
        *out = index == 0 ? kControlsChunk : index == 1 ? kStateChunk : 0;
        return index == 0 || index == 1 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
    }

    // The state chunk is serialised by the size request and kept for the asking thread only,
    // as the framework does: its data must be asked for on the same thread.
    AAX_Result GetChunkSize (AAX_CTypeID id, uint32_t* out) const override
    {
        Check();
        if (id == kControlsChunk)
        {
            *out = sizeof (double);
            return AAX_SUCCESS;
        }
        if (id != kStateChunk)
            return AAX_ERROR_INVALID_CHUNK_ID;
        std::lock_guard<std::mutex> guard (mChunkLock);
        const double values[2] = { mGain.load(), mBypass.load() };
        mPendingState[std::this_thread::get_id()] = std::string (reinterpret_cast<const char*> (values), sizeof (values));
        *out = sizeof (values);
        return AAX_SUCCESS;
    }

    AAX_Result GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* chunk) const override
    {
        Check();
        if (id == kControlsChunk)
        {
            const double gain = mGain.load();
            chunk->fSize = sizeof (gain);
            std::memcpy (chunk->fData, &gain, sizeof (gain));
            return AAX_SUCCESS;
        }
        if (id != kStateChunk)
            return AAX_ERROR_INVALID_CHUNK_ID;
        std::lock_guard<std::mutex> guard (mChunkLock);
        const auto pending = mPendingState.find (std::this_thread::get_id());
        if (pending == mPendingState.end())
            return 20700; // the framework's "wrong thread" code
        chunk->fSize = static_cast<int32_t> (pending->second.size());
        std::memcpy (chunk->fData, pending->second.data(), pending->second.size());
        mPendingState.erase (pending);
        return AAX_SUCCESS;
    }

    AAX_Result SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk) override
    {
        Check();
        double values[2] = { 0.0, 0.0 };
        if (id == kControlsChunk && chunk->fSize == sizeof (double))
            std::memcpy (values, chunk->fData, sizeof (double));
        else if (id == kStateChunk && chunk->fSize == sizeof (values))
            std::memcpy (values, chunk->fData, sizeof (values));
        else
            return AAX_ERROR_INVALID_CHUNK_ID;
        // Restored values go to the host, which answers with updates.
        SetParameterNormalizedValue (fake::kGainID, values[0]);
        if (id == kStateChunk)
            SetParameterNormalizedValue (fake::kBypassID, values[1]);
        return AAX_SUCCESS;
    }

    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const override
    {
        Check();
        double gain = -1.0;
        if (chunk->fChunkID != kControlsChunk)
            *isEqual = 1;
        else if (chunk->fSize == sizeof (double))
        {
            std::memcpy (&gain, chunk->fData, sizeof (gain));
            *isEqual = gain == mGain.load() ? 1 : 0;
        }
        else
            *isEqual = 0;
        return AAX_SUCCESS;
    }

    AAX_Result GetNumberOfChanges (int32_t* out) const override
    {
        *out = mDiagnostics.updates;
        return AAX_SUCCESS;
    }

    AAX_Result TimerWakeup() override
    {
        Check();
        ++mDiagnostics.timerWakeups;
        return AAX_SUCCESS;
    }

    AAX_Result GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result GetCustomData (AAX_CTypeID id, uint32_t size, void* out, uint32_t* written) const override
    {
        if (id != fake::kDiagnosticsID || size < sizeof (fake::Diagnostics))
            return AAX_ERROR_INVALID_ARGUMENT;
        fake::Diagnostics diagnostics = mDiagnostics;
        diagnostics.instanceNumber = mNumber;
        diagnostics.offMainThreadCalls = mOffMainThread.load();
        diagnostics.blocks = mBlocks.load();
        diagnostics.blocksOffAudioThread = mBlocksOnMainThread.load();
        std::memcpy (out, &diagnostics, sizeof (diagnostics));
        *written = sizeof (diagnostics);
        return AAX_SUCCESS;
    }

    AAX_Result SetCustomData (AAX_CTypeID, uint32_t, const void*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result DoMIDITransfers() override { return AAX_SUCCESS; }
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&) override { return AAX_SUCCESS; }
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&) override { return AAX_SUCCESS; }
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const override
    {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result UpdatePageTable (uint32_t, int32_t, IACFUnknown*, IACFUnknown*) const override { return AAX_SUCCESS; }

    // The audio thread's part: gain, or the input untouched while the bypass packet says so.
    void Process (const AlgorithmContext& context)
    {
        ++mBlocks;
        if (std::this_thread::get_id() == mMainThread)
            ++mBlocksOnMainThread;
        const int32_t length = *context.bufferSize;
        const float gain = static_cast<float> (mGain.load() * 2.0);
        for (int c = 0; c < mChannels; ++c)
            for (int32_t i = 0; i < length; ++i)
                context.outputChannels[c][i] =
                    *context.bypass != 0 ? context.inputChannels[c][i] : context.inputChannels[c][i] * gain;
    }

private:
    static bool IsBypass (AAX_CParamID id) { return id != nullptr && std::strcmp (id, fake::kBypassID) == 0; }
    static bool Known (AAX_CParamID id) { return id != nullptr && (IsBypass (id) || std::strcmp (id, fake::kGainID) == 0); }

    void Check() const
    {
        if (std::this_thread::get_id() != mMainThread)
            ++mOffMainThread;
    }

    const int32_t mNumber;
    std::thread::id mMainThread;
    int mChannels = 0;
    ACFPtr<AAX_IACFController_V3> mController;
    ACFPtr<AAX_IACFAutomationDelegate> mAutomation;
    ACFPtr<AAX_IACFTransport> mTransport;
    std::atomic<double> mGain { 0.5 };
    std::atomic<double> mBypass { 0.0 };
    bool mBypassDirty = true;
    mutable fake::Diagnostics mDiagnostics {};
    mutable std::atomic<int32_t> mOffMainThread { 0 };
    std::atomic<int32_t> mBlocks { 0 };
    std::atomic<int32_t> mBlocksOnMainThread { 0 };
    mutable std::mutex mChunkLock;
    mutable std::map<std::thread::id, std::string> mPendingState;
};

class FakeEffectGUI final : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    static IACFUnknown* Create() { return static_cast<AAX_IACFEffectGUI*> (new FakeEffectGUI()); }

    ACF_DECLARE_STANDARD_UNKNOWN()

    acfResult InternalQueryInterface (const acfIID& iid, void** ppOut) override
    {
        if (ppOut == nullptr)
            return ACF_E_POINTER;
        if (iid == IID_IAAXEffectGUIV1)
        {
            *ppOut = static_cast<AAX_IACFEffectGUI*> (this);
            AddRef();
            return ACF_OK;
        }
        return CACFUnknown::InternalQueryInterface (iid, ppOut);
    }

    AAX_Result Initialize (IACFUnknown* host) override
    {
        if (host == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;
        ACFQuery (host, IID_IAAXEffectParametersV1, mEffect);
        ACFQuery (host, IID_IAAXControllerV1, mController);
        std::lock_guard<std::mutex> guard (gLiveLock);
        if (mEffect && gLiveEffects.count (static_cast<AAX_IACFEffectParameters_V4*> (mEffect.Get())) != 0)
            mEffectNumber =
                static_cast<FakeEffectParameters*> (static_cast<AAX_IACFEffectParameters_V4*> (mEffect.Get()))->Number();
        return AAX_SUCCESS;
    }

    AAX_Result Uninitialize() override
    {
        mContainer.Reset();
        mEffect.Reset();
        mController.Reset();
        return AAX_SUCCESS;
    }

    AAX_Result NotificationReceived (AAX_CTypeID, const void*, uint32_t) override { return AAX_SUCCESS; }

    AAX_Result SetViewContainer (IACFUnknown* container) override
    {
        mContainer.Reset();
        mViewType = 0;
        mWindow = 0;
        if (container == nullptr)
            return AAX_SUCCESS;
        ACFQuery (container, IID_IAAXViewContainerV1, mContainer);
        if (!mContainer)
            return AAX_ERROR_NULL_OBJECT;
        mViewType = mContainer->GetType();
        mWindow = reinterpret_cast<uintptr_t> (mContainer->GetPtr());
        AAX_Point size (kHeight, kWidth);
        mResizeResult = mContainer->SetViewSize (size);
        return AAX_SUCCESS;
    }

    AAX_Result GetViewSize (AAX_Point* size) const override
    {
        *size = AAX_Point (kHeight, kWidth);
        return AAX_SUCCESS;
    }

    AAX_Result Draw (AAX_Rect*) override { return AAX_SUCCESS; }

    AAX_Result TimerWakeup() override
    {
        ++mWakeups;
        return AAX_SUCCESS;
    }

    AAX_Result ParameterUpdated (AAX_CParamID) override { return AAX_SUCCESS; }

    // The tests read what the GUI saw through its analysis label.
    AAX_Result GetCustomLabel (AAX_EPlugInStrings, AAX_IString* out) const override
    {
        char text[160];
        std::snprintf (text, sizeof (text), "effect=%d type=%d window=%lu resize=%d wakeups=%d", mEffectNumber, mViewType,
                       static_cast<unsigned long> (mWindow), mResizeResult, mWakeups);
        out->Set (text);
        return AAX_SUCCESS;
    }

    AAX_Result SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor) override { return AAX_SUCCESS; }

private:
    static constexpr float kWidth = 320.0f;
    static constexpr float kHeight = 200.0f;

    ACFPtr<IACFUnknown> mEffect;
    ACFPtr<AAX_IACFController> mController;
    ACFPtr<AAX_IACFViewContainer> mContainer;
    int32_t mEffectNumber = 0;
    int32_t mViewType = 0;
    uintptr_t mWindow = 0;
    int32_t mResizeResult = 1;
    int32_t mWakeups = 0;
};

void AAX_CALLBACK ProcessInstances (AlgorithmContext* const begin[], const void* end)
{
    for (AlgorithmContext* const* context = begin; context < end; ++context)
        (*(*context)->instance)->Process (**context);
}

void DescribeComponent (AAX_IEffectDescriptor& effect, AAX_EStemFormat format, AAX_CTypeID pluginID)
{
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    component->AddAudioIn (kInputs);
    component->AddAudioOut (kOutputs);
    component->AddAudioBufferLength (kBufferSize);
    component->AddDataInPort (kBypass, sizeof (int32_t));
    component->AddPrivateData (kInstance, sizeof (FakeEffectParameters*));
    component->AddPrivateData (kPrepared, sizeof (int32_t));
    component->AddPrivateData (kMeterTaps, sizeof (uintptr_t));
    component->AddPrivateData (kSideChain, sizeof (uintptr_t));
    AAX_IPropertyMap* properties = component->NewPropertyMap();
    properties->AddProperty (AAX_eProperty_ManufacturerID, 'Fkmf');
    properties->AddProperty (AAX_eProperty_ProductID, 'Fkpr');
    properties->AddProperty (AAX_eProperty_PlugInID_Native, static_cast<AAX_CPropertyValue> (pluginID));
    properties->AddProperty (AAX_eProperty_CanBypass, true);
    properties->AddProperty (AAX_eProperty_InputStemFormat, format);
    properties->AddProperty (AAX_eProperty_OutputStemFormat, format);
    component->AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (&ProcessInstances), properties);
    effect.AddComponent (component);
}
} // namespace

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    AAX_IEffectDescriptor* effect = collection->NewDescriptor();
    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    effect->AddName ("Fake Gain");
    effect->AddCategory (512);
    effect->AddProcPtr (reinterpret_cast<void*> (&FakeEffectGUI::Create), kAAX_ProcPtrID_Create_EffectGUI);
    effect->AddProcPtr (reinterpret_cast<void*> (&FakeEffectParameters::Create), kAAX_ProcPtrID_Create_EffectParameters);
    DescribeComponent (*effect, AAX_eStemFormat_Mono, 'Fkm1');
    DescribeComponent (*effect, AAX_eStemFormat_Stereo, 'Fks2');
    collection->AddEffect ("com.Tolvane.FakeGain", effect);
    collection->SetManufacturerName ("Tolvane");
    collection->AddPackageName ("Fake Gain");
    collection->SetPackageVersion (0x10000);
    return AAX_SUCCESS;
}
