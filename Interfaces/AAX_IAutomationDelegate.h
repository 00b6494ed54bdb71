/*
    AAX_IAutomationDelegate: the plug-in's view of the host's automation: parameter
    registration, set-value requests, current values and touch gestures.
*/
#pragma once

#include "AAX.h"

class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;

    virtual AAX_Result RegisterParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result UnregisterParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest (AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostReleaseRequest (AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched) = 0;
};
