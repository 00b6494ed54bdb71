/*
    Display delegates: the conversion of a parameter's real value to text and back.
*/
#pragma once

#include "AAX_CString.h"

class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <typename T> class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    // A new copy owned by the caller.
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString (T value, AAX_CString* outString) const = 0;
    virtual bool ValueToString (T value, int32_t maxNumChars, AAX_CString* outString) const = 0;
    virtual bool StringToValue (const AAX_CString& valueString, T* outValue) const = 0;
};
