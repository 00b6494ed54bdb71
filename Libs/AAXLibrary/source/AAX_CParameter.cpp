/*
    AAX_CParameterValue and AAX_CParameter: value holder, host round trip, steps, text
    conversion and delegates. Only the float instantiation is built.
*/
#include "AAX_CParameter.h"

#include "AAX_Assert.h"
#include "AAX_IAutomationDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace
{
constexpr const char* kAssertSource = "Interfaces/AAX_CParameter";

template <typename Wanted, typename T> bool ReadAs (const T& value, Wanted* outValue)
{
    if constexpr (std::is_same_v<T, Wanted>)
    {
        *outValue = value;
        return true;
    }
    else
    {
        (void)value;
        (void)outValue;
        return false;
    }
}
} // namespace

template <typename T> AAX_CParameterValue<T>::AAX_CParameterValue (AAX_CParamID identifier, T value) : mValue (value)
{
    const size_t len = identifier != nullptr ? std::strlen (identifier) : 0;
    AAX_ASSERT_AT (kAssertSource, 71, len < eParemeterDefaultMaxIdentifierSize);
    const size_t kept = std::min<size_t> (len, eParemeterDefaultMaxIdentifierSize - 1);
    if (kept > 0)
        std::memcpy (mIdentifier, identifier, kept);
    mIdentifier[kept] = '\0';
}

template <typename T> bool AAX_CParameterValue<T>::GetValueAsBool (bool* outValue) const
{
    return ReadAs (Get(), outValue);
}

template <typename T> bool AAX_CParameterValue<T>::GetValueAsInt32 (int32_t* outValue) const
{
    return ReadAs (Get(), outValue);
}

template <typename T> bool AAX_CParameterValue<T>::GetValueAsFloat (float* outValue) const
{
    return ReadAs (Get(), outValue);
}

template <typename T> bool AAX_CParameterValue<T>::GetValueAsDouble (double* outValue) const
{
    return ReadAs (Get(), outValue);
}

template <typename T> bool AAX_CParameterValue<T>::GetValueAsString (AAX_IString* outValue) const
{
    if constexpr (std::is_same_v<T, AAX_CString>)
    {
        *outValue = Get();
        return true;
    }
    else
    {
        (void)outValue;
        return false;
    }
}

// ---------------------------------------------------------------------------------------------

template <typename T>
AAX_CParameter<T>::AAX_CParameter (AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                                   const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                                   bool automatable)
    : mNames (name), mAutomatable (automatable), mTaperDelegate (taperDelegate.Clone()),
      mDisplayDelegate (displayDelegate.Clone()), mValue (identifier, T()), mDefaultValue (defaultValue)
{
    switch (mType)
    {
    case AAX_eParameterType_Continuous:
        mNumSteps = 128;
        break;
    case AAX_eParameterType_Discrete:
        mNumSteps = 2;
        break;
    default:
        AAX_ASSERT_AT (kAssertSource, 120, 0);
        break;
    }
    SetToDefaultValue();
}

template <typename T> AAX_CParameter<T>::~AAX_CParameter()
{
    // Any exception here ends the program: the destructor is noexcept.
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());
}

template <typename T> AAX_IParameterValue* AAX_CParameter<T>::CloneValue() const
{
    return new AAX_CParameterValue<T> (Identifier(), mValue.Get());
}

template <typename T> void AAX_CParameter<T>::SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate)
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());
    mAutomationDelegate = automationDelegate;
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->RegisterParameter (Identifier());
}

template <typename T> void AAX_CParameter<T>::Touch()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostTouchRequest (Identifier());
}

template <typename T> void AAX_CParameter<T>::Release()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostReleaseRequest (Identifier());
}

template <typename T> void AAX_CParameter<T>::RequestNormalizedValue (double normalizedValue)
{
    if (mAutomationDelegate != nullptr)
    {
        // Stored only when the host echoes the request through UpdateNormalizedValue.
        Touch();
        mAutomationDelegate->PostSetValueRequest (Identifier(), normalizedValue);
        Release();
        return;
    }
    mNeedNotify = true;
    UpdateNormalizedValue (normalizedValue);
}

template <typename T> void AAX_CParameter<T>::UpdateNormalizedValue (double normalizedValue)
{
    const T realValue = mTaperDelegate->NormalizedToReal (normalizedValue);
    if (!mNeedNotify && realValue == mValue.Get())
        return;
    mValue.Set (realValue);
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), normalizedValue);
    mNeedNotify = false;
}

template <typename T> void AAX_CParameter<T>::SetNormalizedValue (double normalizedValue)
{
    // Snapped to a value the taper can represent before it is requested.
    RequestNormalizedValue (mTaperDelegate->RealToNormalized (mTaperDelegate->NormalizedToReal (normalizedValue)));
}

template <typename T> double AAX_CParameter<T>::GetNormalizedValue() const
{
    return mTaperDelegate->RealToNormalized (mValue.Get());
}

template <typename T> void AAX_CParameter<T>::SetNormalizedDefaultValue (double normalizedDefault)
{
    mDefaultValue = mTaperDelegate->ConstrainRealValue (mTaperDelegate->NormalizedToReal (normalizedDefault));
}

template <typename T> double AAX_CParameter<T>::GetNormalizedDefaultValue() const
{
    return mTaperDelegate->RealToNormalized (mDefaultValue);
}

template <typename T> void AAX_CParameter<T>::SetToDefaultValue()
{
    RequestNormalizedValue (mTaperDelegate->RealToNormalized (mDefaultValue));
}

template <typename T> void AAX_CParameter<T>::SetNumberOfSteps (uint32_t numSteps)
{
    AAX_ASSERT_AT (kAssertSource, 286, 0 < numSteps);
    if (numSteps > 0)
        mNumSteps = numSteps;
}

template <typename T> uint32_t AAX_CParameter<T>::GetStepValue() const
{
    return GetStepValueFromNormalizedValue (GetNormalizedValue());
}

template <typename T> double AAX_CParameter<T>::GetNormalizedValueFromStep (uint32_t step) const
{
    const uint32_t steps = GetNumberOfSteps();
    if (steps < 2)
        return 0.0;
    const double stepSize = 1.0 / static_cast<double> (steps - 1);
    return std::clamp (static_cast<double> (step) * stepSize, 0.0, 1.0);
}

template <typename T> uint32_t AAX_CParameter<T>::GetStepValueFromNormalizedValue (double normalizedValue) const
{
    const uint32_t steps = GetNumberOfSteps();
    if (steps < 2)
        return 0;
    // A NaN would pass the clamp, and converting it to an integer is undefined: it is step 0.
    if (std::isnan (normalizedValue))
        return 0;
    const double stepSize = 1.0 / static_cast<double> (steps - 1);
    const double step = std::clamp (normalizedValue / stepSize + 0.5, 0.0, static_cast<double> (steps - 1));
    return static_cast<uint32_t> (step);
}

template <typename T> void AAX_CParameter<T>::SetStepValue (uint32_t step)
{
    if (GetNumberOfSteps() < 2)
        return;
    SetNormalizedValue (GetNormalizedValueFromStep (step));
}

template <typename T> bool AAX_CParameter<T>::GetValueString (AAX_CString* outValueString) const
{
    return mDisplayDelegate->ValueToString (mValue.Get(), outValueString);
}

template <typename T> bool AAX_CParameter<T>::GetValueString (int32_t, AAX_CString* outValueString) const
{
    // Hosts ask with their own widths; the full text is what the plug-in shows everywhere.
    return GetValueString (outValueString);
}

template <typename T> bool AAX_CParameter<T>::GetNormalizedValueFromBool (bool, double*) const
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::GetNormalizedValueFromInt32 (int32_t, double*) const
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::GetNormalizedValueFromFloat (float value, double* outNormalizedValue) const
{
    if constexpr (std::is_same_v<T, float>)
    {
        *outNormalizedValue = mTaperDelegate->RealToNormalized (value);
        return true;
    }
    else
    {
        (void)value;
        (void)outNormalizedValue;
        return false;
    }
}

template <typename T> bool AAX_CParameter<T>::GetNormalizedValueFromDouble (double, double*) const
{
    return false;
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString (const AAX_CString& valueString, double* outNormalizedValue) const
{
    T value {};
    if (!mDisplayDelegate->StringToValue (valueString, &value))
        return false;
    *outNormalizedValue = mTaperDelegate->RealToNormalized (value);
    return true;
}

template <typename T> bool AAX_CParameter<T>::GetBoolFromNormalizedValue (double, bool*) const
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::GetInt32FromNormalizedValue (double, int32_t*) const
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::GetFloatFromNormalizedValue (double normalizedValue, float* outValue) const
{
    return ReadAs (mTaperDelegate->NormalizedToReal (normalizedValue), outValue);
}

template <typename T> bool AAX_CParameter<T>::GetDoubleFromNormalizedValue (double, double*) const
{
    return false;
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, AAX_CString& outValueString) const
{
    const T value = mTaperDelegate->NormalizedToReal (normalizedValue);
    if (!mDisplayDelegate->ValueToString (value, &outValueString))
        return false;
    return mTaperDelegate->GetMinimumValue() <= value && value <= mTaperDelegate->GetMaximumValue();
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, int32_t maxNumChars,
                                                      AAX_CString& outValueString) const
{
    const T value = mTaperDelegate->NormalizedToReal (normalizedValue);
    if (!mDisplayDelegate->ValueToString (value, maxNumChars, &outValueString))
        return false;
    return mTaperDelegate->GetMinimumValue() <= value && value <= mTaperDelegate->GetMaximumValue();
}

template <typename T> bool AAX_CParameter<T>::SetValueFromString (const AAX_CString& valueString)
{
    T value {};
    if (!mDisplayDelegate->StringToValue (valueString, &value))
        return false;
    RequestNormalizedValue (mTaperDelegate->RealToNormalized (value));
    return true;
}

template <typename T> bool AAX_CParameter<T>::GetValueAsBool (bool* outValue) const
{
    return mValue.GetValueAsBool (outValue);
}

template <typename T> bool AAX_CParameter<T>::GetValueAsInt32 (int32_t* outValue) const
{
    return mValue.GetValueAsInt32 (outValue);
}

template <typename T> bool AAX_CParameter<T>::GetValueAsFloat (float* outValue) const
{
    return mValue.GetValueAsFloat (outValue);
}

template <typename T> bool AAX_CParameter<T>::GetValueAsDouble (double* outValue) const
{
    return mValue.GetValueAsDouble (outValue);
}

template <typename T> bool AAX_CParameter<T>::GetValueAsString (AAX_IString* outValue) const
{
    if (outValue == nullptr)
        return false;
    AAX_CString text;
    if (!GetValueString (&text))
        return false;
    *outValue = text;
    return true;
}

template <typename T> bool AAX_CParameter<T>::SetValueWithBool (bool)
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::SetValueWithInt32 (int32_t)
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::SetValueWithFloat (float value)
{
    if constexpr (std::is_same_v<T, float>)
    {
        RequestNormalizedValue (mTaperDelegate->RealToNormalized (value));
        return true;
    }
    else
    {
        (void)value;
        return false;
    }
}

template <typename T> bool AAX_CParameter<T>::SetValueWithDouble (double)
{
    return false;
}

template <typename T> bool AAX_CParameter<T>::SetValueWithString (const AAX_IString& value)
{
    return SetValueFromString (AAX_CString (value));
}

template <typename T> void AAX_CParameter<T>::SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool preserveValue)
{
    auto* typed = dynamic_cast<AAX_ITaperDelegate<T>*> (&taperDelegate);
    if (typed == nullptr)
        return;
    const double oldNormalized = GetNormalizedValue();
    mTaperDelegate.reset (typed->Clone());
    mNeedNotify = true;
    if (preserveValue)
        RequestNormalizedValue (mTaperDelegate->RealToNormalized (mValue.Get()));
    else
        UpdateNormalizedValue (oldNormalized);
}

template <typename T> void AAX_CParameter<T>::SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate)
{
    auto* typed = dynamic_cast<AAX_IDisplayDelegate<T>*> (&displayDelegate);
    if (typed == nullptr)
        return;
    mDisplayDelegate.reset (typed->Clone());
    // The host redraws the value's text.
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
}

template class AAX_CParameterValue<float>;
template class AAX_CParameter<float>;
