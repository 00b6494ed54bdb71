/*
    AAX_VTransport: forwards transport queries to the host version that offers them.
*/
#include "AAX_VTransport.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_UIDs.h"

AAX_VTransport::AAX_VTransport (IACFUnknown* hostUnknown)
{
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXTransportV1, mTransportV1);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXTransportV2, mTransportV2);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXTransportV3, mTransportV3);
}

AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo (double* outTempo) const
{
    return mTransportV1 ? mTransportV1->GetCurrentTempo (outTempo) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const
{
    return mTransportV1 ? mTransportV1->GetCurrentMeter (outNumerator, outDenominator) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* outIsPlaying) const
{
    return mTransportV1 ? mTransportV1->IsTransportPlaying (outIsPlaying) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (int64_t* outTickPosition) const
{
    return mTransportV1 ? mTransportV1->GetCurrentTickPosition (outTickPosition) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick) const
{
    return mTransportV1 ? mTransportV1->GetCurrentLoopPosition (outLooping, outLoopStartTick, outLoopEndTick)
                        : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const
{
    return mTransportV1 ? mTransportV1->GetCurrentNativeSampleLocation (outSampleLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const
{
    return mTransportV1 ? mTransportV1->GetCustomTickPosition (outTickPosition, sampleLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                               int64_t sampleLocation) const
{
    return mTransportV1 ? mTransportV1->GetBarBeatPosition (outBars, outBeats, outDisplayTicks, sampleLocation)
                        : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (uint32_t* outTicks) const
{
    return mTransportV1 ? mTransportV1->GetTicksPerQuarter (outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (uint32_t* outTicks) const
{
    return mTransportV1 ? mTransportV1->GetCurrentTicksPerBeat (outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const
{
    return mTransportV2 ? mTransportV2->GetTimelineSelectionStartPosition (outSampleLocation) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const
{
    return mTransportV2 ? mTransportV2->GetTimeCodeInfo (outFrameRate, outOffset) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const
{
    return mTransportV2 ? mTransportV2->GetFeetFramesInfo (outFeetFramesRate, outOffset) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (int32_t* outIsEnabled) const
{
    return mTransportV2 ? mTransportV2->IsMetronomeEnabled (outIsEnabled) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const
{
    return mTransportV3 ? mTransportV3->GetHDTimeCodeInfo (outFrameRate, outOffset) : AAX_ERROR_UNIMPLEMENTED;
}
