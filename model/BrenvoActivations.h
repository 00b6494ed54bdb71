/*
    Element-wise nonlinearities of the model: the logistic sigmoid of the gates
    and the leaky rectifier of the hypernetwork.
*/
#pragma once

#include <Eigen/Dense>

namespace Brenvo
{

/** 1 / (1 + e^-x) element by element, with Eigen's vectorised exponential.
    The result has the argument's shape; for fixed-size arguments (the gate
    rows) it lives on the stack, so the per-sample path never allocates.
    Inlined, so that the two gates of a step interleave their exponentials. */
template <typename Derived>
EIGEN_STRONG_INLINE typename Derived::PlainObject sigmoid (const Eigen::MatrixBase<Derived>& x)
{
    using Scalar = typename Derived::Scalar;
    return (Scalar (1) / (Scalar (1) + (-x.array()).exp())).matrix();
}

/** LeakyReLU(x) = max(0.2 x, x), in place. */
template <typename Derived>
void leakyRelu (Eigen::MatrixBase<Derived>& x)
{
    using Scalar = typename Derived::Scalar;
    x = x.cwiseMax (Scalar (0.2f) * x);
}

/** Eigen's fast rational tanh (clamped at +-7.9053, identity below 0.0004). */
template <typename Derived>
auto fastTanh (const Eigen::MatrixBase<Derived>& x)
{
    return x.array().tanh().matrix();
}

} // namespace Brenvo
