/*
    Host interfaces of a component descriptor (one algorithm layout of an effect), versions 1 to 3.
*/
#pragma once

#include "AAX_Callbacks.h"
#include "AAX_IDma.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;                                                                                   // entry 3
    virtual AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0;                         // entry 4
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) = 0;                                                   // entry 5
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) = 0;                                                  // entry 6
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) = 0;                                         // entry 7
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) = 0;                                                // entry 8
    virtual AAX_Result AddClock (AAX_CFieldIndex fieldIndex) = 0;                                                     // entry 9
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) = 0;                                               // entry 10
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType type) = 0; // entry 11
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) = 0;       // entry 12
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) = 0;           // entry 13
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode) = 0;                         // entry 14
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                    uint32_t channelMask) = 0; // entry 15
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                              AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                              AAX_CSelector* outProcID) = 0; // entry 16
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                          const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                          AAX_CSelector* outProcID) = 0;                                             // entry 17
    virtual AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0; // entry 18

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0; // entry 19

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor_V3 : public AAX_IACFComponentDescriptor_V2
{
public:
    // Registers every procedure the property map names; writes the IDs and a terminating 0.
    virtual AAX_Result AddProcessProc (IACFUnknown* properties, AAX_CSelector* outProcIDs, int32_t procIDsSize) = 0; // entry 20

protected:
    ~AAX_IACFComponentDescriptor_V3() = default;
};
