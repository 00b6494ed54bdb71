/*
    AAX_VComponentDescriptor: forwards component descriptions to the host and registers process
    procedures, by hand from the map's properties on hosts without the newest version.
*/
#include "AAX_VComponentDescriptor.h"

#include "AAX_Assert.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_HostFactory.h"
#include "AAX_UIDs.h"

namespace
{
// Assertions here report this source name so host logs stay stable across builds.
constexpr const char* kAssertSource = "Libs/AAXLibrary/source/AAX_VComponentDescriptor";

const void* ReadPointerProperty (const AAX_IPropertyMap& properties, AAX_EProperty property)
{
    const void* value = nullptr;
    if (!properties.GetPointerProperty (property, &value))
        return nullptr;
    return value;
}

// Like ReadPointerProperty, but a missing value is worth a trace: the host will refuse the
// registration or run nothing.
const void* ReadRequiredPointerProperty (const AAX_IPropertyMap& properties, AAX_EProperty property, const char* name)
{
    const void* value = nullptr;
    if (!properties.GetPointerProperty (property, &value))
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High,
                                  "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for %s", name);
        return nullptr;
    }
    return value;
}

bool HasProperty (const AAX_IPropertyMap& properties, AAX_EProperty property)
{
    AAX_CPropertyValue value = 0;
    return properties.GetProperty (property, &value) != 0;
}
} // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* hostUnknown)
    : mHostUnknown (ACFPtr<IACFUnknown>::AddRefed (hostUnknown))
{
    ACFPtr<IACFComponentFactory> factory;
    // On a throw, the members release what they already hold.
    if (!AAX::AcquireComponentFactoryOrThrow (hostUnknown, factory))
        return;

    AAX::CreateHostObject (*factory, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1, mComponentDescriptorV1);
    ACFQuery (mComponentDescriptorV1.Get(), IID_IAAXComponentDescriptorV2, mComponentDescriptorV2);
    ACFQuery (mComponentDescriptorV1.Get(), IID_IAAXComponentDescriptorV3, mComponentDescriptorV3);
}

// Members go in reverse order: the maps, then V3, V2, V1 and the host unknown.
AAX_VComponentDescriptor::~AAX_VComponentDescriptor() = default;

const std::set<AAX_EProperty>& AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc()
{
    static const std::set<AAX_EProperty> properties { AAX_eProperty_NativeProcessProc,    AAX_eProperty_NativeInstanceInitProc,
                                                      AAX_eProperty_NativeBackgroundProc, AAX_eProperty_TIDLLFileName,
                                                      AAX_eProperty_TIProcessProc,        AAX_eProperty_TIInstanceInitProc,
                                                      AAX_eProperty_TIBackgroundProc };
    return properties;
}

AAX_Result AAX_VComponentDescriptor::Clear()
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->Clear() : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddReservedField (fieldIndex, fieldType) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddAudioIn (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddAudioOut (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddAudioBufferLength (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddSampleRate (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddClock (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddSideChainIn (fieldIndex) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddDataInPort (fieldIndex, packetSize, portType)
                                  : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddAuxOutputStem (fieldIndex, stemFormat, name)
                                  : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddPrivateData (fieldIndex, dataSize, options)
                                  : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    return mComponentDescriptorV2 ? mComponentDescriptorV2->AddTemporaryData (fieldIndex, dataElementSize)
                                  : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode mode)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddDmaInstance (fieldIndex, mode) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddMeters (fieldIndex, meterIDs, meterCount) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                                  uint32_t channelMask)
{
    return mComponentDescriptorV1 ? mComponentDescriptorV1->AddMIDINode (fieldIndex, nodeType, nodeName, channelMask)
                                  : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap()
{
    // A refused map is kept too (as null), like every map this descriptor was asked for.
    mPropertyMaps.push_back (AAX_VPropertyMap::Create (mHostUnknown.Get()));
    return mPropertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source)
{
    if (source == nullptr)
        return nullptr;
    AAX_IPropertyMap* const copy = NewPropertyMap();
    if (copy == nullptr)
        return nullptr;

    for (int32_t number = AAX_eProperty_MinProp; number <= AAX_eProperty_MaxProp; ++number)
    {
        const auto property = static_cast<AAX_EProperty> (number);
        AAX_CPropertyValue value = 0;
        const void* pointer = nullptr;
        if (source->GetProperty (property, &value))
            copy->AddProperty (property, value);
        else if (source->GetPointerProperty (property, &pointer))
            copy->AddPointerProperty (property, pointer);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                                            AAX_CInstanceInitProc instanceInitProc,
                                                            AAX_CBackgroundProc backgroundProc, AAX_CSelector* outProcID)
{
    if (!mComponentDescriptorV1)
        return AAX_ERROR_NULL_OBJECT;
    return mComponentDescriptorV1->AddProcessProc_Native (processProc, AAX_HostObjectOf (properties), instanceInitProc,
                                                          backgroundProc, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                        AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                                        const char* backgroundProcSymbol, AAX_CSelector* outProcID)
{
    if (!mComponentDescriptorV1)
        return AAX_ERROR_NULL_OBJECT;
    return mComponentDescriptorV1->AddProcessProc_TI (dllFileName, processProcSymbol, AAX_HostObjectOf (properties),
                                                      instanceInitProcSymbol, backgroundProcSymbol, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc (AAX_IPropertyMap* properties, AAX_CSelector* procIDs, int32_t procIDsSize)
{
    if (mComponentDescriptorV3)
    {
        // The host writes the IDs and a terminator: it needs an array with room for them.
        const bool wantsIDs = procIDs != nullptr || procIDsSize > 0;
        if (wantsIDs && (procIDs == nullptr || procIDsSize <= 0))
            return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;
        return mComponentDescriptorV3->AddProcessProc (AAX_HostObjectOf (properties), procIDs, procIDsSize);
    }

    if (properties == nullptr || !mComponentDescriptorV1)
        return AAX_ERROR_NULL_OBJECT;

    std::vector<AAX_CSelector> registered;
    AAX_Result result = AAX_SUCCESS;

    if (HasProperty (*properties, AAX_eProperty_PlugInID_Native) || HasProperty (*properties, AAX_eProperty_PlugInID_AudioSuite))
        result = RegisterNativeProcessProc (*properties, registered);

    if (result == AAX_SUCCESS && HasProperty (*properties, AAX_eProperty_PlugInID_TI))
        result = RegisterTIProcessProc (*properties, registered);

    if (result != AAX_SUCCESS)
        return result;
    if (procIDs == nullptr && procIDsSize <= 0)
        return AAX_SUCCESS;

    // Room for every ID and the terminating 0, or nothing is written at all.
    if (procIDs == nullptr || procIDsSize <= 0 || registered.size() >= static_cast<size_t> (procIDsSize))
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;
    for (size_t i = 0; i < registered.size(); ++i)
        procIDs[i] = registered[i];
    procIDs[registered.size()] = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_VComponentDescriptor::RegisterNativeProcessProc (AAX_IPropertyMap& properties, std::vector<AAX_CSelector>& procIDs)
{
    const void* processProc =
        ReadRequiredPointerProperty (properties, AAX_eProperty_NativeProcessProc, "AAX_eProperty_NativeProcessProc");
    const void* instanceInitProc = ReadPointerProperty (properties, AAX_eProperty_NativeInstanceInitProc);
    const void* backgroundProc = ReadPointerProperty (properties, AAX_eProperty_NativeBackgroundProc);

    // The host must not see the native buffer length on the map it registers with: a copy
    // without it goes instead, and the caller's map keeps it.
    AAX_IPropertyMap* mapToPass = &properties;
    if (HasProperty (properties, AAX_eProperty_AudioBufferLength))
    {
        AAX_IPropertyMap* const copy = DuplicatePropertyMap (&properties);
        if (copy != nullptr && copy->GetIUnknown() != nullptr)
        {
            AAX_CPropertyValue bufferLength = 0;
            const AAX_CBoolean gotPropertySuccess = copy->GetProperty (AAX_eProperty_AudioBufferLength, &bufferLength);
            AAX_ASSERT_AT (kAssertSource, 89, 0 != gotPropertySuccess);
            if (gotPropertySuccess)
            {
                const AAX_Result removeNativeAudioBufferLengthResult = copy->RemoveProperty (AAX_eProperty_AudioBufferLength);
                AAX_ASSERT_AT (kAssertSource, 93, AAX_SUCCESS == removeNativeAudioBufferLengthResult);
                mapToPass = copy;
            }
        }
    }

    // The map stores untyped pointers; they were stored from procedures of exactly these types.
    AAX_CSelector procID = 0;
    const AAX_Result result =
        AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (const_cast<void*> (processProc)), mapToPass,
                               reinterpret_cast<AAX_CInstanceInitProc> (const_cast<void*> (instanceInitProc)),
                               reinterpret_cast<AAX_CBackgroundProc> (const_cast<void*> (backgroundProc)), &procID);
    if (result == AAX_SUCCESS)
        procIDs.push_back (procID);
    return result;
}

AAX_Result AAX_VComponentDescriptor::RegisterTIProcessProc (AAX_IPropertyMap& properties, std::vector<AAX_CSelector>& procIDs)
{
    const auto* dllFileName = static_cast<const char*> (
        ReadRequiredPointerProperty (properties, AAX_eProperty_TIDLLFileName, "AAX_eProperty_TIDLLFileName"));
    const auto* processProc = static_cast<const char*> (
        ReadRequiredPointerProperty (properties, AAX_eProperty_TIProcessProc, "AAX_eProperty_TIProcessProc"));
    const auto* instanceInitProc = static_cast<const char*> (ReadPointerProperty (properties, AAX_eProperty_TIInstanceInitProc));
    const auto* backgroundProc = static_cast<const char*> (ReadPointerProperty (properties, AAX_eProperty_TIBackgroundProc));

    AAX_CSelector procID = 0;
    const AAX_Result result =
        AddProcessProc_TI (dllFileName, processProc, &properties, instanceInitProc, backgroundProc, &procID);
    if (result == AAX_SUCCESS)
        procIDs.push_back (procID);
    return result;
}
