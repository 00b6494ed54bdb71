/*
    AAX_CEffectParameters: the base of an effect's data-model object. It owns the parameters,
    answers the host's parameter queries by ID, turns value updates into packets for the
    algorithm, keeps the controls chunk and holds the run-time host proxies. The framework's
    client derives its processor wrapper from it.
*/
#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_ITransport.h"

#include <memory>
#include <set>
#include <string>

class AAX_IPageTable;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

// Well-known parameter IDs.
extern const char* const cDefaultMasterBypassID; // "MasterBypassID"
extern const char* const cPreviewID;             // "PreviewID"

class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    // Removes any parameters left and deletes the host proxies even when the host never called
    // Uninitialize, in that order, so each parameter can still unregister itself.
    ~AAX_CEffectParameters() override;

    AAX_CEffectParameters (const AAX_CEffectParameters&) = delete;
    AAX_CEffectParameters& operator= (const AAX_CEffectParameters&) = delete;

    // Host interface, entries 3 to 50.
    AAX_Result Initialize (IACFUnknown* hostUnknown) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result GetNumberOfParameters (int32_t* outNumParameters) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* outID) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outIsAutomatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, int32_t* outNumSteps) const override;
    AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* outName) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName, int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID id, AAX_EParameterOrientation* outOrientation) const override;
    AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** outParameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID id, int32_t* outIndex) const override;
    AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* outID) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID id, int32_t selector, int32_t* outValue) const override;
    AAX_Result GetParameterValueFromString (AAX_CParamID id, double* outValue, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                            int32_t maxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* outText, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result TouchParameter (AAX_CParamID id) override;
    AAX_Result ReleaseParameter (AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID id, AAX_CBoolean touchState) override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, uint32_t dataSize) const override;
    AAX_Result GetNumberOfChunks (int32_t* outNumChunks) const override;
    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* outChunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* outSize) const override;
    AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) const override;
    AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const override;
    AAX_Result GetNumberOfChanges (int32_t* outNumChanges) const override;
    // Runs the process-wide idle hook (the framework's message queue on Linux); always 0.
    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData (AAX_CTypeID curveType, const float* values, uint32_t numValues, float* outValues) const override;
    AAX_Result GetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, void* outData, uint32_t* outDataWritten) const override;
    AAX_Result SetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& packet) override;
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID curveType, uint32_t* outXMeterID, uint32_t* outYMeterID) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curveType, float* outXMin, float* outXMax, float* outYMin,
                                         float* outYMax) const override;
    AAX_Result UpdatePageTable (uint32_t tableType, int32_t tablePageSize, IACFUnknown* hostUnknown,
                                IACFUnknown* pageTableUnknown) const override;

    // For derived classes: creates and adds the parameters and registers packets.
    virtual AAX_Result EffectInit();
    virtual AAX_Result UpdatePageTable (uint32_t tableType, int32_t tablePageSize, AAX_IPageTable& pageTable) const;

    // The run-time host proxies; null before Initialize and after Uninitialize.
    AAX_IController* Controller();
    const AAX_IController* Controller() const;
    const AAX_ITransport* Transport() const;
    AAX_IAutomationDelegate* AutomationDelegate();

    // Keeps id out of the controls chunk; null is ignored.
    void FilterParameterIDOnSave (AAX_CParamID id);
    // Refills the chunk parser from the current parameter values.
    void BuildChunkData() const;

protected:
    // The framework's client reads and changes these directly.
    int32_t mNumPlugInChanges = 0;
    mutable int32_t mChunkSize = 0;
    mutable AAX_CChunkDataParser mChunkParser;
    int32_t mNumChunkedParameters = 0;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameterIDs;
    std::unique_ptr<AAX_VController> mController;
    std::unique_ptr<AAX_VTransport> mTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;

private:
    // The parameter at index for the chunk walks, or null when it is missing or filtered.
    const AAX_IParameter* ChunkedParameter (int32_t index, bool assertMissing) const;
    void DeleteHostProxies();
};
