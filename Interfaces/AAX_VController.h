/*
    AAX_VController: the proxy over the host's run-time controller (versions 1 to 3), its
    page-table controllers and its component factory. A version the host lacks answers with a
    fixed code instead of a call.
*/
#pragma once

#include "AAX_IACFController.h"
#include "AAX_IController.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"

class AAX_IACFPageTable;

class AAX_VController : public AAX_IController
{
public:
    // A null unknown leaves every interface absent; refused versions stay absent. Never throws
    // for a refused version.
    explicit AAX_VController (IACFUnknown* hostUnknown);
    ~AAX_VController() override;

    AAX_VController (const AAX_VController&) = delete;
    AAX_VController& operator= (const AAX_VController&) = delete;

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
    AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const override;
    AAX_Result GetMeterCount (uint32_t* outMeterCount) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result GetHybridSignalLatency (int32_t* outSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) const override;
    AAX_Result GetHostName (AAX_IString* outHostName) const override;
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const override;

    AAX_IPageTable* CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                              AAX_CPropertyValue plugInID, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForEffectFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                      AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                      AAX_CPropertyValue plugInID, uint32_t tableType,
                                                      int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayoutFromFile (const char* pageTableFilePath, AAX_ETextEncoding filePathEncoding,
                                                      const char* layoutName, uint32_t tableType,
                                                      int32_t tablePageSize) const override;

private:
    // A fresh host table with one reference held by the result, or empty.
    ACFPtr<IACFUnknown> CreatePageTable() const;
    // Wraps a table the host filled (result 0) in a proxy; releases it otherwise.
    static AAX_IPageTable* AdoptFilledTable (AAX_Result result, ACFPtr<IACFUnknown>& table);

    // Declaration order is release order reversed: the factory goes first, controller V1 last.
    ACFPtr<AAX_IACFController> mControllerV1;
    ACFPtr<AAX_IACFController_V2> mControllerV2;
    ACFPtr<AAX_IACFController_V3> mControllerV3;
    ACFPtr<AAX_IACFPageTableController> mPageTableController;
    ACFPtr<AAX_IACFPageTableController_V2> mPageTableControllerV2;
    ACFPtr<IACFComponentFactory> mComponentFactory;
};
