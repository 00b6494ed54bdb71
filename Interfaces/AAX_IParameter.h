/*
    AAX_IParameter: one host parameter as the effect-parameters object, the chunk code and the
    packet code reach it: names, steps, normalised and real values, text conversion, and the
    round trip through the host's automation.
*/
#pragma once

#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameterValue.h"
#include "AAX_ITaperDelegate.h"

class AAX_IAutomationDelegate;

class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    // A new value copy owned by the caller.
    virtual AAX_IParameterValue* CloneValue() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName (const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName (const char* name) = 0;
    virtual const AAX_CString& ShortenedName (int32_t length) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    // Borrowed: the delegate must outlive the parameter or be replaced first.
    virtual void SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual void SetNormalizedValue (double normalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue (double normalizedDefault) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    virtual void SetNumberOfSteps (uint32_t numSteps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep (uint32_t step) const = 0;
    virtual uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const = 0;
    virtual void SetStepValue (uint32_t step) = 0;

    virtual bool GetValueString (AAX_CString* outValueString) const = 0;
    virtual bool GetValueString (int32_t maxLength, AAX_CString* outValueString) const = 0;
    virtual bool GetNormalizedValueFromBool (bool value, double* outNormalizedValue) const = 0;
    virtual bool GetNormalizedValueFromInt32 (int32_t value, double* outNormalizedValue) const = 0;
    virtual bool GetNormalizedValueFromFloat (float value, double* outNormalizedValue) const = 0;
    virtual bool GetNormalizedValueFromDouble (double value, double* outNormalizedValue) const = 0;
    virtual bool GetNormalizedValueFromString (const AAX_CString& valueString, double* outNormalizedValue) const = 0;
    virtual bool GetBoolFromNormalizedValue (double normalizedValue, bool* outValue) const = 0;
    virtual bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* outValue) const = 0;
    virtual bool GetFloatFromNormalizedValue (double normalizedValue, float* outValue) const = 0;
    virtual bool GetDoubleFromNormalizedValue (double normalizedValue, double* outValue) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& outValueString) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, int32_t maxNumChars,
                                               AAX_CString& outValueString) const = 0;
    virtual bool SetValueFromString (const AAX_CString& valueString) = 0;

    virtual bool GetValueAsBool (bool* outValue) const = 0;
    virtual bool GetValueAsInt32 (int32_t* outValue) const = 0;
    virtual bool GetValueAsFloat (float* outValue) const = 0;
    virtual bool GetValueAsDouble (double* outValue) const = 0;
    virtual bool GetValueAsString (AAX_IString* outValue) const = 0;
    virtual bool SetValueWithBool (bool value) = 0;
    virtual bool SetValueWithInt32 (int32_t value) = 0;
    virtual bool SetValueWithFloat (float value) = 0;
    virtual bool SetValueWithDouble (double value) = 0;
    virtual bool SetValueWithString (const AAX_IString& value) = 0;

    virtual void SetType (AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    // Flags of AAX_EParameterOrientationBits, combined.
    virtual void SetOrientation (AAX_EParameterOrientation orientation) = 0;
    virtual AAX_EParameterOrientation GetOrientation() const = 0;
    // The delegates are cloned, never adopted.
    virtual void SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) = 0;
    virtual void SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate) = 0;

    // The host's echo of a value: stores it without asking the host again.
    virtual void UpdateNormalizedValue (double normalizedValue) = 0;
};
