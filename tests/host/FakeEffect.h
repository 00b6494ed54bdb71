/*
    What the host tests and the fake effect plug-in share: the fake's parameter IDs, the custom
    data block and notifications through which the tests read and steer it.
*/
#pragma once

#include "AAX.h"

namespace fake
{
constexpr const char* kGainID = "Gain";
constexpr const char* kBypassID = "MasterBypassID";
constexpr AAX_CFieldIndex kBypassPort = 3;

// GetCustomData with this ID fills a Diagnostics record.
constexpr AAX_CTypeID kDiagnosticsID = 'diag';
// NotificationReceived with this type and a double: the fake posts that value for Gain as a
// set-value request from a thread of its own, as a plug-in's worker thread might.
constexpr AAX_CTypeID kSetFromOtherThread = 'thrd';

struct Diagnostics
{
    int32_t instanceNumber;
    int32_t offMainThreadCalls; // effect calls that came on another thread than Initialize's
    int32_t updates;            // UpdateParameterNormalizedValue calls
    int32_t timerWakeups;
    int32_t resetFields;
    int32_t packetsPosted;
    int32_t blocks;
    int32_t blocksOffAudioThread; // blocks processed on the host's main thread
    float sampleRate;
    int32_t inputStemFormat;
    int32_t outputStemFormat;
    int32_t hostIsAudioSuite;
};
} // namespace fake
