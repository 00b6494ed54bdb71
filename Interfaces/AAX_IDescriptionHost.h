/*
    AAX_IDescriptionHost: the host's answers about itself during description.
*/
#pragma once

#include "AAX_UIDs.h"

class AAX_IFeatureInfo;

class AAX_IDescriptionHost
{
public:
    virtual ~AAX_IDescriptionHost() = default;

    // A new feature-info object owned by the caller, or null when the host knows nothing of it.
    virtual const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& feature) const = 0;
};
