/*
    AAX_IEffectParameters: interface queries of an effect's data-model object.
*/
#include "AAX_IEffectParameters.h"

#include "AAX_UIDs.h"

acfResult AAX_IEffectParameters::InternalQueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 || iid == IID_IAAXEffectParametersV3 ||
        iid == IID_IAAXEffectParametersV4)
    {
        // Every version is answered by the newest table, whose first entries are the older ones.
        auto* primary = static_cast<AAX_IACFEffectParameters_V4*> (this);
        *ppOut = primary;
        primary->AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface (iid, ppOut);
}
