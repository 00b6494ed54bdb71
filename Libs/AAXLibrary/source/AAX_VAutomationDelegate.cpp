/*
    AAX_VAutomationDelegate: forwards parameter registration and automation gestures to the host.
*/
#include "AAX_VAutomationDelegate.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_UIDs.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* hostUnknown)
{
    AAX::QueryOptionalInterface (hostUnknown, IID_IAAXAutomationDelegateV1, mAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() = default;

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID parameterID)
{
    return mAutomationDelegate ? mAutomationDelegate->RegisterParameter (parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID parameterID)
{
    return mAutomationDelegate ? mAutomationDelegate->UnregisterParameter (parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const
{
    return mAutomationDelegate ? mAutomationDelegate->PostSetValueRequest (parameterID, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const
{
    return mAutomationDelegate ? mAutomationDelegate->PostCurrentValue (parameterID, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID parameterID)
{
    return mAutomationDelegate ? mAutomationDelegate->PostTouchRequest (parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID parameterID)
{
    return mAutomationDelegate ? mAutomationDelegate->PostReleaseRequest (parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched)
{
    return mAutomationDelegate ? mAutomationDelegate->GetTouchState (parameterID, outTouched) : AAX_ERROR_NULL_OBJECT;
}
