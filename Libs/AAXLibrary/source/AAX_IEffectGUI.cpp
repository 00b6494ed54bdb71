/*
    AAX_IEffectGUI: interface queries of an effect's GUI object.
*/
#include "AAX_IEffectGUI.h"

#include "AAX_UIDs.h"

acfResult AAX_IEffectGUI::InternalQueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    if (iid == IID_IAAXEffectGUIV1)
    {
        auto* primary = static_cast<AAX_IACFEffectGUI*> (this);
        *ppOut = primary;
        primary->AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface (iid, ppOut);
}
