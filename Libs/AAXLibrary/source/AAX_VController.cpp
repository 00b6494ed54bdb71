/*
    AAX_VController: forwards run-time controller calls to the host version that offers them and
    makes page-table copies through the host's component factory.
*/
#include "AAX_VController.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_IACFPageTable.h"
#include "AAX_UIDs.h"
#include "AAX_VPageTable.h"

AAX_VController::AAX_VController (IACFUnknown* hostUnknown)
{
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXControllerV1, mControllerV1);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXControllerV2, mControllerV2);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXControllerV3, mControllerV3);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXPageTableController, mPageTableController);
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXPageTableControllerV2, mPageTableControllerV2);

    // Only an error code means refusal here; any other answer is kept.
    if (hostUnknown != nullptr && hostUnknown->QueryInterface (IID_IACFComponentFactory, mComponentFactory.ReceiveVoid()) < 0)
        mComponentFactory.Detach();
}

AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID (AAX_IString* outEffectID) const
{
    return mControllerV1 ? mControllerV1->GetEffectID (outEffectID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSampleRate (AAX_CSampleRate* outSampleRate) const
{
    return mControllerV1 ? mControllerV1->GetSampleRate (outSampleRate) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    return mControllerV1 ? mControllerV1->GetInputStemFormat (outStemFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    return mControllerV1 ? mControllerV1->GetOutputStemFormat (outStemFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSignalLatency (int32_t* outSamples) const
{
    return mControllerV1 ? mControllerV1->GetSignalLatency (outSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const
{
    return mControllerV1 ? mControllerV1->GetCycleCount (whichCycleCount, outValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetTODLocation (int64_t* outTODLocation) const
{
    return mControllerV1 ? mControllerV1->GetTODLocation (outTODLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetSignalLatency (int32_t numSamples)
{
    return mControllerV1 ? mControllerV1->SetSignalLatency (numSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t numValues)
{
    return mControllerV1 ? mControllerV1->SetCycleCount (whichCycleCounts, values, numValues) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize)
{
    return mControllerV1 ? mControllerV1->PostPacket (fieldIndex, payload, payloadSize) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize)
{
    return mControllerV2 ? mControllerV2->SendNotification (notificationType, data, dataSize) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID notificationType)
{
    return SendNotification (notificationType, nullptr, 0);
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const
{
    return mControllerV1 ? mControllerV1->GetCurrentMeterValue (meterID, outValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const
{
    return mControllerV1 ? mControllerV1->GetMeterPeakValue (meterID, outValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID meterID) const
{
    return mControllerV1 ? mControllerV1->ClearMeterPeakValue (meterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterCount (uint32_t* outMeterCount) const
{
    return mControllerV1 ? mControllerV1->GetMeterCount (outMeterCount) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const
{
    return mControllerV1 ? mControllerV1->GetMeterClipped (meterID, outClipped) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID meterID) const
{
    return mControllerV1 ? mControllerV1->ClearMeterClipped (meterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket)
{
    return mControllerV1 ? mControllerV1->GetNextMIDIPacket (outPort, outPacket) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetHybridSignalLatency (int32_t* outSamples) const
{
    return mControllerV2 ? mControllerV2->GetHybridSignalLatency (outSamples) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (int64_t* outTimestamp) const
{
    return mControllerV2 ? mControllerV2->GetCurrentAutomationTimestamp (outTimestamp) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetHostName (AAX_IString* outHostName) const
{
    return mControllerV2 ? mControllerV2->GetHostName (outHostName) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (AAX_CTargetPlatform* outTargetPlatform) const
{
    return mControllerV3 ? mControllerV3->GetPlugInTargetPlatform (outTargetPlatform) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const
{
    return mControllerV3 ? mControllerV3->GetIsAudioSuite (outIsAudioSuite) : AAX_ERROR_UNIMPLEMENTED;
}

ACFPtr<IACFUnknown> AAX_VController::CreatePageTable() const
{
    ACFPtr<IACFUnknown> table;
    if (!mComponentFactory)
        return table;
    if (mComponentFactory->CreateInstance (AAXCompID_PageTable, nullptr, IID_IAAXPageTableV2, table.ReceiveVoid()) != ACF_OK)
        table.Reset();
    return table;
}

AAX_IPageTable* AAX_VController::AdoptFilledTable (AAX_Result result, ACFPtr<IACFUnknown>& table)
{
    if (result != AAX_SUCCESS || !table)
        return nullptr;
    // The proxy takes references of its own; the local one goes with table.
    return new AAX_VPageTable (table.Get());
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                           AAX_CPropertyValue plugInID, uint32_t tableType,
                                                           int32_t tablePageSize) const
{
    if (!mPageTableController)
        return nullptr;
    ACFPtr<IACFUnknown> table = CreatePageTable();
    const AAX_Result result =
        mPageTableController->CopyTableForEffect (manufacturerID, productID, plugInID, tableType, tablePageSize, table.Get());
    return AdoptFilledTable (result, table);
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                                           int32_t tablePageSize) const
{
    if (!mPageTableController)
        return nullptr;
    ACFPtr<IACFUnknown> table = CreatePageTable();
    const AAX_Result result =
        mPageTableController->CopyTableOfLayoutForEffect (effectID, layoutName, tableType, tablePageSize, table.Get());
    return AdoptFilledTable (result, table);
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffectFromFile (const char* pageTableFilePath,
                                                                   AAX_ETextEncoding filePathEncoding,
                                                                   AAX_CPropertyValue manufacturerID,
                                                                   AAX_CPropertyValue productID, AAX_CPropertyValue plugInID,
                                                                   uint32_t tableType, int32_t tablePageSize) const
{
    if (!mPageTableControllerV2)
        return nullptr;
    ACFPtr<IACFUnknown> table = CreatePageTable();
    const AAX_Result result = mPageTableControllerV2->CopyTableForEffectFromFile (
        pageTableFilePath, filePathEncoding, manufacturerID, productID, plugInID, tableType, tablePageSize, table.Get());
    return AdoptFilledTable (result, table);
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayoutFromFile (const char* pageTableFilePath,
                                                                   AAX_ETextEncoding filePathEncoding, const char* layoutName,
                                                                   uint32_t tableType, int32_t tablePageSize) const
{
    if (!mPageTableControllerV2)
        return nullptr;
    ACFPtr<IACFUnknown> table = CreatePageTable();
    const AAX_Result result = mPageTableControllerV2->CopyTableOfLayoutFromFile (pageTableFilePath, filePathEncoding, layoutName,
                                                                                 tableType, tablePageSize, table.Get());
    return AdoptFilledTable (result, table);
}
