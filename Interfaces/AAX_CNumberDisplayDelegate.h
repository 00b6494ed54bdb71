/*
    AAX_CNumberDisplayDelegate: shows a value as a number with a fixed count of decimals and
    reads a number back from text.
*/
#pragma once

#include "AAX_IDisplayDelegate.h"

#include <string>

// Precision: decimals after the point. SpaceAfter: spaces appended after the number (for a
// unit label that follows). The defaulted third argument makes <float, 3> and <float, 3, 0>
// one type.
template <typename T, uint32_t Precision = 2, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* outString) const override
    {
        outString->Clear();
        outString->AppendNumber (static_cast<double> (value), static_cast<int32_t> (Precision));
        if constexpr (SpaceAfter > 0)
            outString->Set ((std::string (outString->Get()) + std::string (SpaceAfter, ' ')).c_str());
        return true;
    }

    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* outString) const override
    {
        ValueToString (value, outString);
        const uint32_t keep = maxNumChars > 0 ? static_cast<uint32_t> (maxNumChars) : 0;
        if (outString->Length() > keep)
            outString->Erase (keep, outString->Length() - keep);
        // A number cut right after its point reads better without the point.
        if (maxNumChars > 0 && outString->Length() == keep && (*outString)[keep - 1] == '.')
            outString->Erase (keep - 1, 1);
        return true;
    }

    bool StringToValue (const AAX_CString& valueString, T* outValue) const override
    {
        double value = 0.0;
        if (!valueString.ToDouble (&value))
        {
            *outValue = 0;
            return false;
        }
        *outValue = static_cast<T> (value);
        return true;
    }
};
