/*
    AAX_IEffectParameters: the host-facing glue of an effect's data-model object. It joins the
    host interface (versions 1 to 4, one pointer for all) to the reference-counted base.
*/
#pragma once

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4, public CACFUnknown
{
public:
    ACF_DECLARE_STANDARD_UNKNOWN()

    // Answers the four effect-parameters identifiers with the primary interface pointer and
    // leaves everything else to the reference-counted base.
    acfResult InternalQueryInterface (const acfIID& iid, void** ppOut) override;

    ~AAX_IEffectParameters() override = default;
};
