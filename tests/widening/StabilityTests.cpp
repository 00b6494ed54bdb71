/*
    The network stays bounded and quiet: loud bursts, silence, zeros and
    controls moving every block, measured through the real processor.
*/
#include "Measurements.h"

#include <gtest/gtest.h>

namespace
{
struct StabilityCase
{
    double rate;
    measure::Controls controls;
};

void PrintTo (const StabilityCase& c, std::ostream* os)
{
    *os << c.rate << " Hz, Width " << c.controls.width;
}

class Stability : public ::testing::TestWithParam<StabilityCase>
{
};

TEST_P (Stability, BoundedQuietAndFreeOfDc)
{
    const auto s = measure::measureStability (GetParam().controls, GetParam().rate);
    EXPECT_LE (s.largestHiddenState, 1.0);
    EXPECT_LE (s.decayMs, 100.0);
    EXPECT_TRUE (s.zeroInZeroOut);
    EXPECT_LT (s.toneDc, 1e-6);
    EXPECT_LT (s.silenceDc, 1e-6);
}

INSTANTIATE_TEST_SUITE_P (Settings, Stability,
                          ::testing::Values (StabilityCase { 48000.0, { 15.0f, 1.0f, true, 20.0f } },
                                             StabilityCase { 44100.0, { -15.0f, 3.0f, false, 20.0f } },
                                             StabilityCase { 192000.0, { 15.0f, 1.0f, true, 20.0f } }));

class ParameterSweep : public ::testing::TestWithParam<double>
{
};

TEST_P (ParameterSweep, StaysBoundedAndClickFree)
{
    const auto s = measure::measureSweep (GetParam());
    EXPECT_LT (s.peakDb, 12.0);
    // A restart of any state gives a third difference near -40 dBFS; the
    // block-wise linear glides stay far below.
    EXPECT_LT (s.clickDb, -55.0);
}

INSTANTIATE_TEST_SUITE_P (HostRates, ParameterSweep, ::testing::Values (44100.0, 96000.0));
} // namespace
