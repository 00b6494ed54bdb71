/*
    AAX_IParameterValue: a detached copy of one parameter's identifier and value.
*/
#pragma once

#include "AAX_IString.h"

class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;

    // A new copy owned by the caller.
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    // Each succeeds only for the value's own type and writes nothing otherwise.
    virtual bool GetValueAsBool (bool* outValue) const = 0;
    virtual bool GetValueAsInt32 (int32_t* outValue) const = 0;
    virtual bool GetValueAsFloat (float* outValue) const = 0;
    virtual bool GetValueAsDouble (double* outValue) const = 0;
    virtual bool GetValueAsString (AAX_IString* outValue) const = 0;
};
