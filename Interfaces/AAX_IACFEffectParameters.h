/*
    Host interfaces of an effect's data-model object, versions 1 to 4: the
    calls a host makes on an instance's parameters, chunks and packets. Entry
    numbers count from QueryInterface = 0.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"
#include "AAX_Records.h"
#include "ACF/IACFUnknown.h"

class AAX_IParameter;
struct AAX_SHybridRenderInfo;

class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* hostUnknown) = 0;                                                   // 3
    virtual AAX_Result Uninitialize() = 0;                                                                          // 4
    virtual AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) = 0;               // 5
    virtual AAX_Result GetNumberOfParameters (int32_t* outNumParameters) const = 0;                                // 6
    virtual AAX_Result GetMasterBypassParameter (AAX_IString* outID) const = 0;                                    // 7
    virtual AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outIsAutomatable) const = 0;      // 8
    virtual AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, int32_t* outNumSteps) const = 0;                // 9
    virtual AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* outName) const = 0;                         // 10
    virtual AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName, int32_t length) const = 0; // 11
    virtual AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const = 0;           // 12
    virtual AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID id, double value) = 0;                     // 13
    virtual AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const = 0;                  // 14
    virtual AAX_Result GetParameterOrientation (AAX_CParamID id, AAX_EParameterOrientation* outOrientation) const = 0; // 15
    virtual AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** outParameter) = 0;                          // 16
    virtual AAX_Result GetParameterIndex (AAX_CParamID id, int32_t* outIndex) const = 0;                           // 17
    virtual AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* outID) const = 0;                      // 18
    virtual AAX_Result GetParameterValueInfo (AAX_CParamID id, int32_t selector, int32_t* outValue) const = 0;     // 19
    virtual AAX_Result GetParameterValueFromString (AAX_CParamID id, double* outValue, const AAX_IString& text) const = 0; // 20
    virtual AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                                    int32_t maxLength) const = 0;                                  // 21
    virtual AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* outText, int32_t maxLength) const = 0; // 22
    virtual AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const = 0;                  // 23
    virtual AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) = 0;                            // 24
    virtual AAX_Result SetParameterNormalizedRelative (AAX_CParamID id, double delta) = 0;                         // 25
    virtual AAX_Result TouchParameter (AAX_CParamID id) = 0;                                                       // 26
    virtual AAX_Result ReleaseParameter (AAX_CParamID id) = 0;                                                     // 27
    virtual AAX_Result UpdateParameterTouch (AAX_CParamID id, AAX_CBoolean touchState) = 0;                        // 28
    virtual AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) = 0; // 29
    virtual AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID id, double delta) = 0;                      // 30
    virtual AAX_Result GenerateCoefficients() = 0;                                                                 // 31
    virtual AAX_Result ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, uint32_t dataSize) const = 0;       // 32
    virtual AAX_Result GetNumberOfChunks (int32_t* outNumChunks) const = 0;                                        // 33
    virtual AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* outChunkID) const = 0;                     // 34
    virtual AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* outSize) const = 0;                            // 35
    virtual AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) const = 0;                       // 36
    virtual AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) = 0;                          // 37
    virtual AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const = 0;     // 38
    virtual AAX_Result GetNumberOfChanges (int32_t* outNumChanges) const = 0;                                      // 39
    virtual AAX_Result TimerWakeup() = 0;                                                                          // 40

protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_Result GetCurveData (AAX_CTypeID curveType, const float* values, uint32_t numValues,
                                     float* outValues) const = 0;                                                   // 41
    virtual AAX_Result GetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, void* outData,
                                      uint32_t* outDataWritten) const = 0;                                          // 42
    virtual AAX_Result SetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, const void* data) = 0;            // 43
    virtual AAX_Result DoMIDITransfers() = 0;                                                                       // 44

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) = 0;                 // 45
    virtual AAX_Result UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) = 0;   // 46
    virtual AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& packet) = 0;    // 47

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};

class AAX_IACFEffectParameters_V4 : public AAX_IACFEffectParameters_V3
{
public:
    virtual AAX_Result GetCurveDataMeterIds (AAX_CTypeID curveType, uint32_t* outXMeterID, uint32_t* outYMeterID) const = 0; // 48
    virtual AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curveType, float* outXMin, float* outXMax, float* outYMin,
                                                 float* outYMax) const = 0;                                                 // 49
    virtual AAX_Result UpdatePageTable (uint32_t tableType, int32_t tablePageSize, IACFUnknown* hostUnknown,
                                        IACFUnknown* pageTableUnknown) const = 0;                                           // 50

protected:
    ~AAX_IACFEffectParameters_V4() = default;
};
