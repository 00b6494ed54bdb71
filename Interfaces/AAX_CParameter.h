/*
    AAX_CParameterValue and AAX_CParameter: a host parameter that keeps its real value, maps it
    through a taper and a display delegate, and changes it only when the host echoes a request
    (the host round trip). Instantiated in the library for float.
*/
#pragma once

#include "AAX_CStringAbbreviations.h"
#include "AAX_IParameter.h"

#include <memory>
#include <type_traits>
#include <utility>

// Identifiers are kept in 32 bytes: at most 31 characters and the terminator.
enum : uint32_t
{
    eParemeterDefaultMaxIdentifierSize = 32
};

template <typename T> class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    // An identifier of 32 or more characters is reported to the host and cut to 31.
    AAX_CParameterValue (AAX_CParamID identifier, T value);

    AAX_CParameterValue* Clone() const override { return new AAX_CParameterValue (mIdentifier, Get()); }
    AAX_CParamID Identifier() const override { return mIdentifier; }
    bool GetValueAsBool (bool* outValue) const override;
    bool GetValueAsInt32 (int32_t* outValue) const override;
    bool GetValueAsFloat (float* outValue) const override;
    bool GetValueAsDouble (double* outValue) const override;
    bool GetValueAsString (AAX_IString* outValue) const override;

    // The host's echo stores the value on its thread while chunk and packet code read it on
    // theirs, without a common lock: a value of a scalar type is stored and read as one atomic
    // unit (relaxed: it publishes nothing else).
    T Get() const
    {
        if constexpr (std::is_arithmetic_v<T>)
        {
            T value;
            __atomic_load (&mValue, &value, __ATOMIC_RELAXED);
            return value;
        }
        else
            return mValue;
    }
    void Set (T value)
    {
        if constexpr (std::is_arithmetic_v<T>)
            __atomic_store (&mValue, &value, __ATOMIC_RELAXED);
        else
            mValue = std::move (value);
    }

private:
    char mIdentifier[eParemeterDefaultMaxIdentifierSize];
    T mValue;
};

template <typename T> class AAX_CParameter : public AAX_IParameter
{
public:
    // The delegates are cloned; the parameter starts detached from the host and holds the default.
    AAX_CParameter (AAX_CParamID identifier, const AAX_CString& name, T defaultValue, const AAX_ITaperDelegate<T>& taperDelegate,
                    const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable = false);
    // Unregisters the identifier from the host when attached.
    ~AAX_CParameter() override;

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override;
    AAX_CParamID Identifier() const override { return mValue.Identifier(); }
    void SetName (const AAX_CString& name) override { mNames.SetPrimary (name); }
    const AAX_CString& Name() const override { return mNames.Primary(); }
    void AddShortenedName (const char* name) override { mNames.Add (AAX_CString (name)); }
    const AAX_CString& ShortenedName (int32_t length) const override { return mNames.Get (length); }
    void ClearShortenedNames() override { mNames.Clear(); }
    bool Automatable() const override { return mAutomatable; }
    void SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate) override;
    void Touch() override;
    void Release() override;

    void SetNormalizedValue (double normalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue (double normalizedDefault) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;
    void SetNumberOfSteps (uint32_t numSteps) override;
    uint32_t GetNumberOfSteps() const override { return mNumSteps; }
    uint32_t GetStepValue() const override;
    double GetNormalizedValueFromStep (uint32_t step) const override;
    uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override;
    void SetStepValue (uint32_t step) override;

    bool GetValueString (AAX_CString* outValueString) const override;
    bool GetValueString (int32_t maxLength, AAX_CString* outValueString) const override;
    bool GetNormalizedValueFromBool (bool value, double* outNormalizedValue) const override;
    bool GetNormalizedValueFromInt32 (int32_t value, double* outNormalizedValue) const override;
    bool GetNormalizedValueFromFloat (float value, double* outNormalizedValue) const override;
    bool GetNormalizedValueFromDouble (double value, double* outNormalizedValue) const override;
    bool GetNormalizedValueFromString (const AAX_CString& valueString, double* outNormalizedValue) const override;
    bool GetBoolFromNormalizedValue (double normalizedValue, bool* outValue) const override;
    bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* outValue) const override;
    bool GetFloatFromNormalizedValue (double normalizedValue, float* outValue) const override;
    bool GetDoubleFromNormalizedValue (double normalizedValue, double* outValue) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& outValueString) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, int32_t maxNumChars, AAX_CString& outValueString) const override;
    bool SetValueFromString (const AAX_CString& valueString) override;

    bool GetValueAsBool (bool* outValue) const override;
    bool GetValueAsInt32 (int32_t* outValue) const override;
    bool GetValueAsFloat (float* outValue) const override;
    bool GetValueAsDouble (double* outValue) const override;
    bool GetValueAsString (AAX_IString* outValue) const override;
    bool SetValueWithBool (bool value) override;
    bool SetValueWithInt32 (int32_t value) override;
    bool SetValueWithFloat (float value) override;
    bool SetValueWithDouble (double value) override;
    bool SetValueWithString (const AAX_IString& value) override;

    void SetType (AAX_EParameterType type) override { mType = type; }
    AAX_EParameterType GetType() const override { return mType; }
    void SetOrientation (AAX_EParameterOrientation orientation) override { mOrientation = orientation; }
    AAX_EParameterOrientation GetOrientation() const override { return mOrientation; }
    void SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) override;
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate) override;

    void UpdateNormalizedValue (double normalizedValue) override;

private:
    // Posts the request to the host, or stores it at once while detached.
    void RequestNormalizedValue (double normalizedValue);

    AAX_CStringAbbreviations mNames;
    bool mAutomatable;
    uint32_t mNumSteps = 0;
    AAX_EParameterType mType = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation mOrientation = AAX_eParameterOrientation_Default;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    bool mNeedNotify = true;
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};

extern template class AAX_CParameterValue<float>;
extern template class AAX_CParameter<float>;
