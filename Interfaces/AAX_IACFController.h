/*
    Host interfaces of the run-time controller, versions 1 to 3, and of the
    page-table controller, versions 1 and 2. Entry numbers count from
    QueryInterface = 0.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"
#include "AAX_Records.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFController : public IACFUnknown
{
public:
    virtual AAX_Result GetEffectID (AAX_IString* outEffectID) const = 0;                                           // 3
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) const = 0;                                   // 4
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) const = 0;                              // 5
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const = 0;                             // 6
    virtual AAX_Result GetSignalLatency (int32_t* outSamples) const = 0;                                           // 7
    virtual AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const = 0;       // 8
    virtual AAX_Result GetTODLocation (int64_t* outTODLocation) const = 0;                                         // 9
    virtual AAX_Result SetSignalLatency (int32_t numSamples) = 0;                                                  // 10
    virtual AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t numValues) = 0; // 11
    virtual AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) = 0;    // 12
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const = 0;                      // 13
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const = 0;                         // 14
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const = 0;                                        // 15
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const = 0;                  // 16
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const = 0;                                          // 17
    virtual AAX_Result GetMeterCount (uint32_t* outMeterCount) const = 0;                                          // 18
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) = 0;               // 19

protected:
    ~AAX_IACFController() = default;
};

class AAX_IACFController_V2 : public AAX_IACFController
{
public:
    virtual AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) = 0; // 20
    virtual AAX_Result GetHybridSignalLatency (int32_t* outSamples) const = 0;                                 // 21
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) const = 0;                        // 22
    virtual AAX_Result GetHostName (AAX_IString* outHostName) const = 0;                                       // 23

protected:
    ~AAX_IACFController_V2() = default;
};

class AAX_IACFController_V3 : public AAX_IACFController_V2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const = 0; // 24
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const = 0;                 // 25

protected:
    ~AAX_IACFController_V3() = default;
};

// Makes copies of the host's control-surface page tables into a table the caller created.
class AAX_IACFPageTableController : public IACFUnknown
{
public:
    virtual AAX_Result CopyTableForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                           AAX_CPropertyValue plugInID, uint32_t tableType, int32_t tablePageSize,
                                           IACFUnknown* outPageTable) const = 0; // 3
    virtual AAX_Result CopyTableOfLayoutForEffect (const char* effectID, const char* layoutName, uint32_t tableType,
                                                   int32_t tablePageSize, IACFUnknown* outPageTable) const = 0; // 4

protected:
    ~AAX_IACFPageTableController() = default;
};

class AAX_IACFPageTableController_V2 : public AAX_IACFPageTableController
{
public:
    virtual AAX_Result CopyTableForEffectFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                   AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                   AAX_CPropertyValue plugInID, uint32_t tableType, int32_t tablePageSize,
                                                   IACFUnknown* outPageTable) const = 0; // 5
    virtual AAX_Result CopyTableOfLayoutFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                  const char* layoutName, uint32_t tableType, int32_t tablePageSize,
                                                  IACFUnknown* outPageTable) const = 0; // 6

protected:
    ~AAX_IACFPageTableController_V2() = default;
};
