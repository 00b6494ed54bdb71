/*
    AAX_IEffectGUI: the host-facing glue of an effect's GUI object. It joins the host interface
    to the reference-counted base.
*/
#pragma once

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    ACF_DECLARE_STANDARD_UNKNOWN()

    // Answers the effect-GUI identifier only; the effect-parameters identifiers are refused.
    acfResult InternalQueryInterface (const acfIID& iid, void** ppOut) override;

    ~AAX_IEffectGUI() override = default;
};
