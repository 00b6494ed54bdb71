/*
    AAX_VComponentDescriptor: the proxy over a host component descriptor. It owns the property
    maps made through it and registers process procedures on hosts of every version.
*/
#pragma once

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <set>
#include <vector>

class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    // Throws the bare result ACF_E_POINTER when the host claims a factory but hands out none.
    explicit AAX_VComponentDescriptor (IACFUnknown* hostUnknown);
    ~AAX_VComponentDescriptor() override;

    AAX_VComponentDescriptor (const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator= (const AAX_VComponentDescriptor&) = delete;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                              AAX_EDataInPortType portType = AAX_eDataInPortType_Buffered) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize,
                               uint32_t options = AAX_ePrivateDataOptions_DefaultOptions) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                            uint32_t channelMask) override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;

    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) override;

    using AAX_IComponentDescriptor::AddProcessProc_Native;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                      AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                      AAX_CSelector* outProcID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, AAX_IPropertyMap* properties,
                                  const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                  AAX_CSelector* outProcID) override;
    AAX_Result AddProcessProc (AAX_IPropertyMap* properties, AAX_CSelector* procIDs = nullptr, int32_t procIDsSize = 0) override;

    // The host object this descriptor stands for (its first version; null when there is none).
    IACFUnknown* GetIUnknown() const { return mComponentDescriptorV1.Get(); }

    // Pointer properties that AddProcessProc reads back from a map (the procedures and the
    // names of the TI procedures).
    static const std::set<AAX_EProperty>& PointerPropertiesUsedByAddProcessProc();

private:
    AAX_Result RegisterNativeProcessProc (AAX_IPropertyMap& properties, std::vector<AAX_CSelector>& procIDs);
    AAX_Result RegisterTIProcessProc (AAX_IPropertyMap& properties, std::vector<AAX_CSelector>& procIDs);

    ACFPtr<IACFUnknown> mHostUnknown;
    ACFPtr<AAX_IACFComponentDescriptor> mComponentDescriptorV1;
    ACFPtr<AAX_IACFComponentDescriptor_V2> mComponentDescriptorV2;
    ACFPtr<AAX_IACFComponentDescriptor_V3> mComponentDescriptorV3;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
