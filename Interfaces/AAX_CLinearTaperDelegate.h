/*
    AAX_CLinearTaperDelegate: a straight-line mapping between [min, max] and the host's
    normalised [0, 1], computed in double precision.
*/
#pragma once

#include "AAX_ITaperDelegate.h"

#include <cmath>
#include <type_traits>

// RealPrecision > 0 rounds real values to multiples of 1 / RealPrecision; 0 keeps them as they are.
template <typename T, int32_t RealPrecision = 0> class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CLinearTaperDelegate (T minValue = 0, T maxValue = 1) : mMinValue (minValue), mMaxValue (maxValue) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate (*this); }
    T GetMaximumValue() const override { return mMaxValue; }
    T GetMinimumValue() const override { return mMinValue; }

    T ConstrainRealValue (T value) const override
    {
        if (mMinValue == mMaxValue)
            return mMinValue;
        // NaN compares false with everything; without this it would pass through untouched, so
        // that a corrupt chunk could post NaN to the host.
        if constexpr (std::is_floating_point_v<T>)
            if (std::isnan (value))
                return mMinValue;
        const T high = mMaxValue > mMinValue ? mMaxValue : mMinValue;
        const T low = mMaxValue > mMinValue ? mMinValue : mMaxValue;
        if (value > high)
            return high;
        return value > low ? value : low;
    }

    T NormalizedToReal (double normalizedValue) const override
    {
        const double real = (static_cast<double> (mMaxValue) - static_cast<double> (mMinValue)) * normalizedValue +
                            static_cast<double> (mMinValue);
        return ConstrainRealValue (Round (real));
    }

    double RealToNormalized (T realValue) const override
    {
        const T constrained = ConstrainRealValue (realValue);
        if (mMinValue == mMaxValue)
            return 0.5;
        return (static_cast<double> (constrained) - static_cast<double> (mMinValue)) /
               (static_cast<double> (mMaxValue) - static_cast<double> (mMinValue));
    }

private:
    static T Round (double value)
    {
        if constexpr (RealPrecision > 0)
            return static_cast<T> (std::round (value * RealPrecision) / RealPrecision);
        else
            return static_cast<T> (value);
    }

    T mMinValue;
    T mMaxValue;
};
