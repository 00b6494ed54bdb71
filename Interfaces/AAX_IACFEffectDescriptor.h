/*
    Host interfaces of an effect descriptor, versions 1 and 2.
*/
#pragma once

#include "AAX_Enums.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent (IACFUnknown* componentDescriptor) = 0;                                      // entry 3
    virtual AAX_Result AddName (const char* name) = 0;                                                           // entry 4
    virtual AAX_Result AddCategory (uint32_t category) = 0;                                                      // entry 5
    virtual AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) = 0;             // entry 6
    virtual AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) = 0;                                    // entry 7
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;                                             // entry 8
    virtual AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) = 0;                           // entry 9
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, IACFUnknown* properties) = 0; // entry 10

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                           uint32_t channelMask) = 0; // entry 11

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};
