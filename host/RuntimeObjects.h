/*
    The host's reference-counted objects an instance reaches while it runs: the host unknown
    handed to the effect-parameters and GUI objects, and behind it the controller, the
    automation delegate, the transport and the view container. What they share with the
    instance lives in InstanceState.
*/
#pragma once

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AlgorithmContext.h"
#include "HostObjects.h"
#include "MainThread.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace duveline::host
{
// The state of one instance that its host objects share; it outlives the instance for as long
// as the plug-in holds any of them.
class InstanceState : public std::enable_shared_from_this<InstanceState>
{
public:
    InstanceState (Session& session, MainThread& mainThread, std::string effectID, float sampleRate, AAX_EStemFormat inputFormat,
                   AAX_EStemFormat outputFormat);

    Session& session;
    MainThread& mainThread;
    const std::string effectID;
    const float sampleRate;
    const AAX_EStemFormat inputFormat;
    const AAX_EStemFormat outputFormat;
    AlgorithmContext context;

    // The instance's effect parameters while it is open (no reference: the instance holds one).
    std::atomic<AAX_IACFEffectParameters*> effect { nullptr };

    std::atomic<int32_t> latency { 0 };
    std::atomic<int64_t> samplePosition { 0 };
    std::atomic<bool> playing { false };

    std::atomic<int32_t> packetsPosted { 0 };
    std::atomic<int32_t> packetsRefused { 0 };
    std::atomic<int32_t> notifications { 0 };
    std::atomic<int32_t> setValueRequests { 0 };
    std::atomic<int32_t> queuedRequests { 0 };

    // Any thread: answers at once on the main thread, else queues the answer for it.
    void RequestSetValue (const std::string& id, double value);
    // Main thread: the host's echo, UpdateParameterNormalizedValue on the same instance.
    void AnswerSetValue (const std::string& id, double value);

    void Register (const std::string& id, bool registered);
    void SetCurrentValue (const std::string& id, double value);
    void SetTouched (const std::string& id, bool touched);
    bool IsRegistered (const std::string& id) const;
    bool IsTouched (const std::string& id) const;
    // The value the plug-in last reported as current, or NaN.
    double CurrentValue (const std::string& id) const;
    int32_t TouchCount() const;

private:
    mutable std::mutex mLock; // guards the automation records below: any thread may post
    std::set<std::string> mRegistered;
    std::set<std::string> mTouched;
    std::map<std::string, double> mCurrentValues;
    int32_t mTouches = 0;
};

class HostController final : public AAX_IACFController_V3, public HostObjectBase
{
public:
    HostController (std::shared_ptr<InstanceState> state, int version);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result GetEffectID (AAX_IString* outEffectID) const override;
    AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetSignalLatency (int32_t* outSamples) const override;
    AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const override;
    AAX_Result GetTODLocation (int64_t* outTODLocation) const override;
    AAX_Result SetSignalLatency (int32_t numSamples) override;
    AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t numValues) override;
    AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const override;
    AAX_Result GetMeterCount (uint32_t* outMeterCount) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) override;
    AAX_Result GetHybridSignalLatency (int32_t* outSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) const override;
    AAX_Result GetHostName (AAX_IString* outHostName) const override;
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const override;

private:
    const std::shared_ptr<InstanceState> mState;
    const int mVersion;
};

class HostAutomationDelegate final : public AAX_IACFAutomationDelegate, public HostObjectBase
{
public:
    explicit HostAutomationDelegate (std::shared_ptr<InstanceState> state);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result RegisterParameter (AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter (AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest (AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest (AAX_CParamID parameterID) override;
    AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

private:
    const std::shared_ptr<InstanceState> mState;
};

class HostTransport final : public AAX_IACFTransport_V3, public HostObjectBase
{
public:
    HostTransport (std::shared_ptr<InstanceState> state, int version);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    AAX_Result GetCurrentTempo (double* outTempo) const override;
    AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying (bool* outIsPlaying) const override;
    AAX_Result GetCurrentTickPosition (int64_t* outTickPosition) const override;
    AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const override;
    AAX_Result GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                   int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter (uint32_t* outTicks) const override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* outTicks) const override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const override;
    AAX_Result IsMetronomeEnabled (int32_t* outIsEnabled) const override;
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const override;

private:
    int64_t TicksAt (int64_t sampleLocation) const;

    const std::shared_ptr<InstanceState> mState;
    const int mVersion;
};

// The native window a view container hands out, and how the host resizes it.
struct ViewTarget
{
    int32_t type = 0;       // AAX_EViewContainer_Type
    void* native = nullptr; // the X11 window (its XID) for the HWND-equivalent type
    std::function<bool (int32_t width, int32_t height)> resize;
};

class HostViewContainer final : public AAX_IACFViewContainer_V2, public HostObjectBase
{
public:
    HostViewContainer (Session& session, ViewTarget target, int version);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (uint32_t* outModifiers) override;
    AAX_Result SetViewSize (AAX_Point& inSize) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                uint32_t modifiers) override;

    // The window is going away: from now on the container hands out no window.
    void Disconnect();
    int32_t ResizeRequests() const { return mResizeRequests; }

private:
    ViewTarget mTarget;
    const int mVersion;
    int32_t mResizeRequests = 0;
};

// The host unknown of one instance's effect-parameters object, or of its GUI object, which
// also answers the effect-parameters interfaces with that same instance.
class InstanceHost final : public IACFUnknown, public HostObjectBase
{
public:
    InstanceHost (std::shared_ptr<InstanceState> state, IACFUnknown* componentFactory, bool answersEffectParameters);

    acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
    DUVELINE_HOST_REFCOUNT()

private:
    const std::shared_ptr<InstanceState> mState;
    const bool mAnswersEffectParameters;
    ACFPtr<IACFUnknown> mComponentFactory;
    ACFPtr<AAX_IACFController_V3> mController;
    ACFPtr<AAX_IACFAutomationDelegate> mAutomation;
    ACFPtr<AAX_IACFTransport_V3> mTransport;
};
} // namespace duveline::host
