/*
    Host interfaces of the transport, versions 1 to 3. Entry numbers count from
    QueryInterface = 0.
*/
#pragma once

#include "AAX_Enums.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFTransport : public IACFUnknown
{
public:
    virtual AAX_Result GetCurrentTempo (double* outTempo) const = 0;                                           // 3
    virtual AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const = 0;             // 4
    virtual AAX_Result IsTransportPlaying (bool* outIsPlaying) const = 0;                                      // 5
    virtual AAX_Result GetCurrentTickPosition (int64_t* outTickPosition) const = 0;                            // 6
    virtual AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick) const = 0; // 7
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const = 0;                  // 8
    virtual AAX_Result GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const = 0;      // 9
    virtual AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                           int64_t sampleLocation) const = 0;                                  // 10
    virtual AAX_Result GetTicksPerQuarter (uint32_t* outTicks) const = 0;                                      // 11
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* outTicks) const = 0;                                  // 12

protected:
    ~AAX_IACFTransport() = default;
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const = 0;            // 13
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const = 0;          // 14
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const = 0; // 15
    virtual AAX_Result IsMetronomeEnabled (int32_t* outIsEnabled) const = 0;                                  // 16

protected:
    ~AAX_IACFTransport_V2() = default;
};

class AAX_IACFTransport_V3 : public AAX_IACFTransport_V2
{
public:
    virtual AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const = 0; // 17

protected:
    ~AAX_IACFTransport_V3() = default;
};
