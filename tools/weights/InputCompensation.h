/*
    The input convolution's response: a short minimum-phase filter that
    flattens the fixed parts of the chain (Lagrange resampling up and down, the
    46-tap low-pass) for the host rates an internal rate serves.
*/
#pragma once

#include <vector>

namespace weights
{

/** Host rates served by an internal rate whose response the compensation balances. */
std::vector<double> compensatedHostRates (double internalRate);

/** The 2048 values of "conv_in.weight" for an internal rate, stored time-reversed
    (the last value is the first tap). */
std::vector<float> designInputCompensation (double internalRate);

} // namespace weights
