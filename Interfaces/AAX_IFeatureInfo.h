/*
    AAX_IFeatureInfo: what the host says about its support of one feature.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_UIDs.h"

class AAX_IPropertyMap;

class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    virtual AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) const = 0;
    // A new map owned by the caller, or null.
    virtual const AAX_IPropertyMap* AcquireProperties() const = 0;
    virtual const AAX_Feature_UID& ID() const = 0;
};
