/*
    Host interfaces that describe the host itself during description: the description host and
    the support information of one feature.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_UIDs.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFDescriptionHost : public IACFUnknown
{
public:
    // The feature's information object comes back with one reference for the caller.
    virtual AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& feature, IACFUnknown** outFeatureInfo) = 0; // entry 3

protected:
    ~AAX_IACFDescriptionHost() = default;
};

class AAX_IACFFeatureInfo : public IACFUnknown
{
public:
    virtual AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) = 0; // entry 3
    // The property map comes back with one reference for the caller.
    virtual AAX_Result AcquireProperties (IACFUnknown** outProperties) = 0; // entry 4

protected:
    ~AAX_IACFFeatureInfo() = default;
};
