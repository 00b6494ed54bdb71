/*
    The run-time host objects: the controller, automation delegate, transport, view container
    and the instance's host unknown.
*/
#include "RuntimeObjects.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

#include <cmath>
#include <limits>

namespace duveline::host
{
namespace
{
constexpr double kTempo = 120.0;
constexpr uint32_t kTicksPerQuarter = 960000;
constexpr const char* kHostName = "Duveline Host";
// The platform the plug-in is built for; this host runs native code only.
constexpr AAX_CTargetPlatform kTargetPlatformNative = 1;
} // namespace

// ---------------------------------------------------------------------------------------------

InstanceState::InstanceState (Session& s, MainThread& m, std::string id, float rate, AAX_EStemFormat in, AAX_EStemFormat out)
    : session (s), mainThread (m), effectID (std::move (id)), sampleRate (rate), inputFormat (in), outputFormat (out)
{
}

void InstanceState::RequestSetValue (const std::string& id, double value)
{
    ++setValueRequests;
    if (mainThread.IsCurrent())
    {
        AnswerSetValue (id, value);
        return;
    }
    ++queuedRequests;
    std::shared_ptr<InstanceState> self = shared_from_this();
    mainThread.Post ([self, id, value] { self->AnswerSetValue (id, value); });
}

void InstanceState::AnswerSetValue (const std::string& id, double value)
{
    // An instance closed while its request waited gets no answer.
    if (AAX_IACFEffectParameters* instance = effect.load())
        instance->UpdateParameterNormalizedValue (id.c_str(), value, AAX_eUpdateSource_Parameter);
}

void InstanceState::Register (const std::string& id, bool registered)
{
    std::lock_guard<std::mutex> guard (mLock);
    if (registered)
        mRegistered.insert (id);
    else
        mRegistered.erase (id);
}

void InstanceState::SetCurrentValue (const std::string& id, double value)
{
    std::lock_guard<std::mutex> guard (mLock);
    mCurrentValues[id] = value;
}

void InstanceState::SetTouched (const std::string& id, bool touched)
{
    std::lock_guard<std::mutex> guard (mLock);
    if (touched)
    {
        mTouched.insert (id);
        ++mTouches;
    }
    else
        mTouched.erase (id);
}

bool InstanceState::IsRegistered (const std::string& id) const
{
    std::lock_guard<std::mutex> guard (mLock);
    return mRegistered.count (id) != 0;
}

bool InstanceState::IsTouched (const std::string& id) const
{
    std::lock_guard<std::mutex> guard (mLock);
    return mTouched.count (id) != 0;
}

double InstanceState::CurrentValue (const std::string& id) const
{
    std::lock_guard<std::mutex> guard (mLock);
    const auto found = mCurrentValues.find (id);
    return found != mCurrentValues.end() ? found->second : std::numeric_limits<double>::quiet_NaN();
}

int32_t InstanceState::TouchCount() const
{
    std::lock_guard<std::mutex> guard (mLock);
    return mTouches;
}

// ---------------------------------------------------------------------------------------------

HostController::HostController (std::shared_ptr<InstanceState> state, int version)
    : HostObjectBase (state->session, ObjectKind::Controller), mState (std::move (state)), mVersion (version)
{
}

acfResult HostController::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || (iid == IID_IAAXControllerV1 && mVersion >= 1) ||
        (iid == IID_IAAXControllerV2 && mVersion >= 2) || (iid == IID_IAAXControllerV3 && mVersion >= 3))
        return AnswerQuery (static_cast<AAX_IACFController_V3*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostController::GetEffectID (AAX_IString* outEffectID) const
{
    if (outEffectID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    outEffectID->Set (mState->effectID.c_str());
    return AAX_SUCCESS;
}

AAX_Result HostController::GetSampleRate (AAX_CSampleRate* outSampleRate) const
{
    if (outSampleRate == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outSampleRate = mState->sampleRate;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetInputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    if (outStemFormat == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outStemFormat = mState->inputFormat;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    if (outStemFormat == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outStemFormat = mState->outputFormat;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetSignalLatency (int32_t* outSamples) const
{
    if (outSamples == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outSamples = mState->latency.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::GetCycleCount (AAX_EProperty, AAX_CPropertyValue* outValue) const
{
    if (outValue == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outValue = 0;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetTODLocation (int64_t* outTODLocation) const
{
    if (outTODLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTODLocation = mState->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::SetSignalLatency (int32_t numSamples)
{
    if (numSamples < 0)
        return AAX_ERROR_INVALID_ARGUMENT;
    mState->latency = numSamples;
    return AAX_SUCCESS;
}

AAX_Result HostController::SetCycleCount (AAX_EProperty*, AAX_CPropertyValue*, int32_t)
{
    return AAX_SUCCESS;
}

AAX_Result HostController::PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize)
{
    PacketMailbox* port = mState->context.Port (fieldIndex);
    if (port == nullptr)
    {
        ++mState->packetsRefused;
        return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
    }
    if (!port->Post (payload, payloadSize))
    {
        ++mState->packetsRefused;
        return AAX_ERROR_POST_PACKET_FAILED;
    }
    ++mState->packetsPosted;
    return AAX_SUCCESS;
}

// This host keeps no meters of its own: the plug-in describes none.
AAX_Result HostController::GetCurrentMeterValue (AAX_CTypeID, float*) const
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::GetMeterPeakValue (AAX_CTypeID, float*) const
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::ClearMeterPeakValue (AAX_CTypeID) const
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::GetMeterClipped (AAX_CTypeID, AAX_CBoolean*) const
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::ClearMeterClipped (AAX_CTypeID) const
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::GetMeterCount (uint32_t* outMeterCount) const
{
    if (outMeterCount == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outMeterCount = 0;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostController::SendNotification (AAX_CTypeID, const void*, uint32_t)
{
    ++mState->notifications;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetHybridSignalLatency (int32_t* outSamples) const
{
    if (outSamples == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outSamples = 0;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetCurrentAutomationTimestamp (int64_t* outTimestamp) const
{
    if (outTimestamp == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTimestamp = mState->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::GetHostName (AAX_IString* outHostName) const
{
    if (outHostName == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    outHostName->Set (kHostName);
    return AAX_SUCCESS;
}

AAX_Result HostController::GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const
{
    if (outTargetPlatform == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTargetPlatform = kTargetPlatformNative;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const
{
    if (outIsAudioSuite == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outIsAudioSuite = 0;
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------

HostAutomationDelegate::HostAutomationDelegate (std::shared_ptr<InstanceState> state)
    : HostObjectBase (state->session, ObjectKind::AutomationDelegate), mState (std::move (state))
{
}

acfResult HostAutomationDelegate::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || iid == IID_IAAXAutomationDelegateV1)
        return AnswerQuery (static_cast<AAX_IACFAutomationDelegate*> (this), ppOut);
    return RefuseQuery (ppOut);
}

AAX_Result HostAutomationDelegate::RegisterParameter (AAX_CParamID parameterID)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mState->Register (parameterID, true);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::UnregisterParameter (AAX_CParamID parameterID)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mState->Register (parameterID, false);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    if (!mState->IsRegistered (parameterID))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    mState->RequestSetValue (parameterID, normalizedValue);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mState->SetCurrentValue (parameterID, normalizedValue);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::PostTouchRequest (AAX_CParamID parameterID)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mState->SetTouched (parameterID, true);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::PostReleaseRequest (AAX_CParamID parameterID)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    mState->SetTouched (parameterID, false);
    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched)
{
    if (parameterID == nullptr || outTouched == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTouched = mState->IsTouched (parameterID) ? 1 : 0;
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------

HostTransport::HostTransport (std::shared_ptr<InstanceState> state, int version)
    : HostObjectBase (state->session, ObjectKind::Transport), mState (std::move (state)), mVersion (version)
{
}

acfResult HostTransport::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || (iid == IID_IAAXTransportV1 && mVersion >= 1) ||
        (iid == IID_IAAXTransportV2 && mVersion >= 2) || (iid == IID_IAAXTransportV3 && mVersion >= 3))
        return AnswerQuery (static_cast<AAX_IACFTransport_V3*> (this), ppOut);
    return RefuseQuery (ppOut);
}

int64_t HostTransport::TicksAt (int64_t sampleLocation) const
{
    const double quarters = static_cast<double> (sampleLocation) * kTempo / 60.0 / static_cast<double> (mState->sampleRate);
    return static_cast<int64_t> (std::llround (quarters * kTicksPerQuarter));
}

AAX_Result HostTransport::GetCurrentTempo (double* outTempo) const
{
    if (outTempo == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTempo = kTempo;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const
{
    if (outNumerator == nullptr || outDenominator == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outNumerator = 4;
    *outDenominator = 4;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::IsTransportPlaying (bool* outIsPlaying) const
{
    if (outIsPlaying == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outIsPlaying = mState->playing.load();
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTickPosition (int64_t* outTickPosition) const
{
    if (outTickPosition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTickPosition = TicksAt (mState->samplePosition.load());
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick) const
{
    if (outLooping == nullptr || outLoopStartTick == nullptr || outLoopEndTick == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outLooping = false;
    *outLoopStartTick = 0;
    *outLoopEndTick = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const
{
    if (outSampleLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outSampleLocation = mState->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const
{
    if (outTickPosition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTickPosition = TicksAt (sampleLocation);
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                              int64_t sampleLocation) const
{
    if (outBars == nullptr || outBeats == nullptr || outDisplayTicks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    const int64_t ticks = TicksAt (sampleLocation);
    const int64_t quarters = ticks / kTicksPerQuarter;
    *outBars = static_cast<int32_t> (quarters / 4) + 1;
    *outBeats = static_cast<int32_t> (quarters % 4) + 1;
    *outDisplayTicks = ticks % kTicksPerQuarter;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTicksPerQuarter (uint32_t* outTicks) const
{
    if (outTicks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outTicks = kTicksPerQuarter;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTicksPerBeat (uint32_t* outTicks) const
{
    return GetTicksPerQuarter (outTicks);
}

AAX_Result HostTransport::GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const
{
    if (outSampleLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outSampleLocation = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const
{
    if (outFrameRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outFrameRate = AAX_eFrameRate_Undeclared;
    *outOffset = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const
{
    if (outFeetFramesRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outFeetFramesRate = AAX_eFeetFramesRate_24;
    *outOffset = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::IsMetronomeEnabled (int32_t* outIsEnabled) const
{
    if (outIsEnabled == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outIsEnabled = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const
{
    if (outFrameRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outFrameRate = AAX_eFrameRate_Undeclared;
    *outOffset = 0;
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------

HostViewContainer::HostViewContainer (Session& session, ViewTarget target, int version)
    : HostObjectBase (session, ObjectKind::ViewContainer), mTarget (std::move (target)), mVersion (version)
{
}

acfResult HostViewContainer::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IACFUnknown || iid == IID_IAAXViewContainerV1 || (iid == IID_IAAXViewContainerV2 && mVersion >= 2))
        return AnswerQuery (static_cast<AAX_IACFViewContainer_V2*> (this), ppOut);
    return RefuseQuery (ppOut);
}

int32_t HostViewContainer::GetType()
{
    return mTarget.native != nullptr ? mTarget.type : AAX_eViewContainer_Type_NULL;
}

void* HostViewContainer::GetPtr()
{
    return mTarget.native;
}

AAX_Result HostViewContainer::GetModifiers (uint32_t* outModifiers)
{
    if (outModifiers == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outModifiers = AAX_eModifiers_None;
    return AAX_SUCCESS;
}

AAX_Result HostViewContainer::SetViewSize (AAX_Point& inSize)
{
    ++mResizeRequests;
    if (!(inSize.horz >= 1.0f && inSize.vert >= 1.0f && inSize.horz <= 16384.0f && inSize.vert <= 16384.0f))
        return AAX_ERROR_INVALID_VIEW_SIZE;
    if (!mTarget.resize)
        return AAX_ERROR_NULL_OBJECT;
    return mTarget.resize (static_cast<int32_t> (inSize.horz), static_cast<int32_t> (inSize.vert)) ? AAX_SUCCESS
                                                                                                   : AAX_ERROR_INVALID_VIEW_SIZE;
}

// The host offers no parameter gestures of its own on the plug-in's controls: it declines, and
// the plug-in handles the mouse itself.
AAX_Result HostViewContainer::HandleParameterMouseDown (AAX_CParamID, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostViewContainer::HandleParameterMouseDrag (AAX_CParamID, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostViewContainer::HandleParameterMouseUp (AAX_CParamID, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID*, uint32_t, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID*, uint32_t, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID*, uint32_t, uint32_t)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

void HostViewContainer::Disconnect()
{
    mTarget = ViewTarget {};
}

// ---------------------------------------------------------------------------------------------

InstanceHost::InstanceHost (std::shared_ptr<InstanceState> state, IACFUnknown* componentFactory, bool answersEffectParameters)
    : HostObjectBase (state->session, ObjectKind::InstanceHost), mState (std::move (state)),
      mAnswersEffectParameters (answersEffectParameters), mComponentFactory (ACFPtr<IACFUnknown>::AddRefed (componentFactory))
{
    const HostConfig& config = mState->session.Config();
    if (config.controllerVersion >= 1)
        mController = ACFPtr<AAX_IACFController_V3>::AddRefed (new HostController (mState, config.controllerVersion));
    if (config.offerAutomation)
        mAutomation = ACFPtr<AAX_IACFAutomationDelegate>::AddRefed (new HostAutomationDelegate (mState));
    if (config.transportVersion >= 1)
        mTransport = ACFPtr<AAX_IACFTransport_V3>::AddRefed (new HostTransport (mState, config.transportVersion));
}

acfResult InstanceHost::QueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    *ppOut = nullptr;
    if (iid == IID_IACFUnknown)
        return AnswerQuery (static_cast<IACFUnknown*> (this), ppOut);
    if (iid == IID_IAAXControllerV1 || iid == IID_IAAXControllerV2 || iid == IID_IAAXControllerV3)
        return mController ? mController->QueryInterface (iid, ppOut) : RefuseQuery (ppOut);
    if (iid == IID_IAAXAutomationDelegateV1)
        return mAutomation ? mAutomation->QueryInterface (iid, ppOut) : RefuseQuery (ppOut);
    if (iid == IID_IAAXTransportV1 || iid == IID_IAAXTransportV2 || iid == IID_IAAXTransportV3)
        return mTransport ? mTransport->QueryInterface (iid, ppOut) : RefuseQuery (ppOut);
    if (iid == IID_IACFComponentFactory)
        return mComponentFactory ? mComponentFactory->QueryInterface (iid, ppOut) : RefuseQuery (ppOut);
    if (mAnswersEffectParameters && (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 ||
                                     iid == IID_IAAXEffectParametersV3 || iid == IID_IAAXEffectParametersV4))
    {
        AAX_IACFEffectParameters* instance = mState->effect.load();
        return instance != nullptr ? instance->QueryInterface (iid, ppOut) : RefuseQuery (ppOut);
    }
    return RefuseQuery (ppOut);
}
} // namespace duveline::host
