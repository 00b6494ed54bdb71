/*
    AAX_IController: the plug-in's view of the host controller while an instance runs: sample
    rate, stem formats, latency, packets to the algorithm, notifications, meters, host name and
    page-table copies.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"
#include "AAX_Records.h"

class AAX_IPageTable;

class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    virtual AAX_Result GetEffectID (AAX_IString* outEffectID) const = 0;
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const = 0;
    virtual AAX_Result GetSignalLatency (int32_t* outSamples) const = 0;
    virtual AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result GetTODLocation (int64_t* outTODLocation) const = 0;
    virtual AAX_Result SetSignalLatency (int32_t numSamples) = 0;
    virtual AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t numValues) = 0;
    virtual AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) = 0;
    virtual AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) = 0;
    virtual AAX_Result SendNotification (AAX_CTypeID notificationType) = 0;
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const = 0;
    virtual AAX_Result GetMeterCount (uint32_t* outMeterCount) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) = 0;
    virtual AAX_Result GetHybridSignalLatency (int32_t* outSamples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* outHostName) const = 0;
    virtual AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const = 0;

    // Each returns a new table owned by the caller, or null.
    virtual AAX_IPageTable* CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                      AAX_CPropertyValue plugInID, uint32_t tableType,
                                                      int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                                      int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForEffectFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                              AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                              AAX_CPropertyValue plugInID, uint32_t tableType,
                                                              int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForLayoutFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                              const char* layoutName, uint32_t tableType,
                                                              int32_t tablePageSize) const = 0;
};
