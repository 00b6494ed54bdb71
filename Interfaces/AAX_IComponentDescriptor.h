/*
    AAX_IComponentDescriptor: describes one algorithm layout of an effect (its context fields,
    ports and process procedures).
*/
#pragma once

#include "AAX_Callbacks.h"
#include "AAX_IDma.h"

class AAX_IPropertyMap;

class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                      AAX_EDataInPortType portType = AAX_eDataInPortType_Buffered) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                       uint32_t options = AAX_ePrivateDataOptions_DefaultOptions) = 0;
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                    uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0;

    // Property maps made here are owned by this descriptor.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) = 0;

    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                              AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                              AAX_CSelector* outProcID) = 0;
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, AAX_IPropertyMap* properties,
                                          const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                          AAX_CSelector* outProcID) = 0;
    // Registers every procedure the map names. When procIDs is given it receives the IDs and a
    // terminating 0, so it must hold more than the number of procedures.
    virtual AAX_Result AddProcessProc (AAX_IPropertyMap* properties, AAX_CSelector* procIDs = nullptr,
                                       int32_t procIDsSize = 0) = 0;

    // Typed form for a context structure Ctx; the procedure sees its own context type while the
    // host stores plain pointers.
    template <typename Ctx>
    AAX_Result
    AddProcessProc_Native (void (AAX_CALLBACK* processProc) (Ctx* const inInstancesBegin[], const void* inInstancesEnd),
                           AAX_IPropertyMap* properties = nullptr,
                           int32_t (AAX_CALLBACK* instanceInitProc) (const Ctx*, AAX_EComponentInstanceInitAction) = nullptr,
                           AAX_CBackgroundProc backgroundProc = nullptr, AAX_CSelector* outProcID = nullptr)
    {
        return AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (processProc), properties,
                                      reinterpret_cast<AAX_CInstanceInitProc> (instanceInitProc), backgroundProc, outProcID);
    }
};
