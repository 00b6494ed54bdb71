/*
    AAX_CEffectGUI: initialisation, view attachment and shut-down of an effect's GUI object.
*/
#include "AAX_CEffectGUI.h"

#include "AAX_Errors.h"
#include "AAX_IEffectParameters.h"
#include "AAX_PlatformIdle.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include "AAX_CString.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    mViewContainer.reset();
    mEffectParameters.Reset();
    mController.reset();
    mTransport.reset();
}

AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* hostUnknown)
{
    mController = std::make_unique<AAX_VController> (hostUnknown);
    if (hostUnknown == nullptr)
        return AAX_ERROR_NOT_INITIALIZED;

    // Without the effect-parameters interface the GUI simply works without parameter updates.
    if (hostUnknown->QueryInterface (IID_IAAXEffectParametersV1, mEffectParameters.ReceiveVoid()) != ACF_OK)
        mEffectParameters.Detach();
    mTransport = std::make_unique<AAX_VTransport> (hostUnknown);
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    // The framework builds its editor when the GUI initialises, whether or not a view is ever
    // attached, so the view-detaching path always runs before the processor may go away.
    SetViewContainer (nullptr);
    mEffectParameters.Reset();
    mController.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* viewContainer)
{
    if (viewContainer == nullptr)
    {
        DeleteViewContainer();
        mViewContainer.reset();
        return AAX_SUCCESS;
    }
    mViewContainer = std::make_unique<AAX_VViewContainer> (viewContainer);
    CreateViewContainer();
    UpdateAllParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup()
{
    AAX_RunIdleHook();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (!mEffectParameters)
        return;
    int32_t count = 0;
    if (mEffectParameters->GetNumberOfParameters (&count) != AAX_SUCCESS || count < 0)
        return;
    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString id;
        if (mEffectParameters->GetParameterIDFromIndex (index, &id) == AAX_SUCCESS)
            ParameterUpdated (id.Get());
    }
}

AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters()
{
    // The host may answer with an object of its own; only the library's objects are handed on.
    return dynamic_cast<AAX_IEffectParameters*> (mEffectParameters.Get());
}

const AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters() const
{
    return dynamic_cast<const AAX_IEffectParameters*> (mEffectParameters.Get());
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer()
{
    return mViewContainer.get();
}

const AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const
{
    return mViewContainer.get();
}

int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return mViewContainer ? mViewContainer->GetType() : 0;
}

void* AAX_CEffectGUI::GetViewContainerPtr()
{
    return mViewContainer ? mViewContainer->GetPtr() : nullptr;
}

AAX_IController* AAX_CEffectGUI::GetController()
{
    return mController.get();
}

const AAX_ITransport* AAX_CEffectGUI::Transport() const
{
    return mTransport.get();
}
