/*
    A dense layer y = x * W + b with compile-time input and output counts.
*/
#pragma once

#include "BrenvoMatrix.h"

namespace Brenvo
{

template <typename T, int InSize, int OutSize>
class LinearT
{
public:
    LinearT()
        : weight (Matrix<T>::Zero (InSize, OutSize)),
          bias (BiasRow<T>::Zero (OutSize))
    {
    }

    /** Takes an output-major [OutSize][InSize] array: weight(i, o) = v[o * InSize + i]. */
    void setWeight (std::vector<T> v)
    {
        copyFlat (v, weight, InSize, OutSize);
    }

    /** output = x * weight + bias, computed into the member row without temporaries. */
    template <typename Derived>
    void forward (const Eigen::MatrixBase<Derived>& x)
    {
        output.resize (1, OutSize);
        output.noalias() = x * weight;
        output += bias;
    }

    Matrix<T> weight;
    BiasRow<T> bias;
    Matrix<T> output;
};

} // namespace Brenvo
