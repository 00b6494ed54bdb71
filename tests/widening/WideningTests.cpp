/*
    What the controls promise, measured through the real processor: a nearly
    transparent chain at "Width" 0, a side/mid ratio that follows "Width", a
    width EQ that keeps the bass, low distortion, and the presets in order.
*/
#include "Measurements.h"
#include "PluginProcessor.h"
#include "WeightDesign.h"
#include "editor/PresetTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using measure::Controls;

struct TransparencyCase
{
    double rate;
    double to10k, to16k, to20k; // largest |dB| allowed
    double delayMs;
};

void PrintTo (const TransparencyCase& c, std::ostream* os)
{
    *os << c.rate << " Hz";
}

class Transparency : public ::testing::TestWithParam<TransparencyCase>
{
};

TEST_P (Transparency, FlatUnmixedAndPromptAtWidthZero)
{
    const auto c = GetParam();
    const auto t = measure::measureTransparency (c.rate);
    EXPECT_LE (t.deviationTo10k, c.to10k);
    EXPECT_LE (t.deviationTo16k, c.to16k);
    EXPECT_LE (t.deviationTo20k, c.to20k);
    EXPECT_LE (t.crossFeedDb, -90.0);
    EXPECT_GT (t.delayMs, 0.0);
    EXPECT_LE (t.delayMs, c.delayMs);
}

INSTANTIATE_TEST_SUITE_P (HostRates, Transparency,
                          ::testing::Values (TransparencyCase { 44100.0, 0.15, 0.5, 1.5, 0.5 },
                                             TransparencyCase { 48000.0, 0.15, 0.5, 1.5, 0.5 },
                                             TransparencyCase { 88200.0, 0.3, 0.3, 0.3, 0.5 },
                                             TransparencyCase { 96000.0, 0.3, 0.3, 0.3, 0.5 },
                                             TransparencyCase { 192000.0, 0.3, 0.3, 0.3, 0.5 }));

//==============================================================================
struct EqSetting
{
    bool on;
    float value;
};

void PrintTo (const EqSetting& e, std::ostream* os)
{
    *os << (e.on ? "EQ " + std::to_string (e.value) : std::string ("EQ off"));
}

class WidthLaw : public ::testing::TestWithParam<EqSetting>
{
};

TEST_P (WidthLaw, SideToMidRisesFromMonoToWideWithMidKept)
{
    const auto eq = GetParam();
    double previous = -1e9;
    for (float width : { -15.0f, -10.0f, -5.0f, 0.0f, 5.0f, 10.0f, 15.0f })
    {
        const auto change = measure::measureWidthChange ({ width, eq.value, eq.on }, 48000.0, 0.6);
        EXPECT_GT (change.sideToMidDb, previous + 1.0) << "Width " << width;
        EXPECT_NEAR (change.midDb, 0.0, 0.5) << "Width " << width;
        if (width == -15.0f)
        {
            EXPECT_LE (change.sideToMidDb, -40.0);
        }
        if (width == 15.0f)
        {
            EXPECT_GE (change.sideToMidDb, 6.0);
        }
        previous = change.sideToMidDb;
    }
}

INSTANTIATE_TEST_SUITE_P (EqSettings, WidthLaw,
                          ::testing::Values (EqSetting { false, 3.0f }, EqSetting { true, 1.0f }, EqSetting { true, 2.0f },
                                             EqSetting { true, 3.0f }, EqSetting { true, 4.0f }));

//==============================================================================
TEST (WidthEq, SwitchedOffTheSideGainIsFlat)
{
    const auto f = measure::responseFrequencies();
    for (float width : { 15.0f, 7.0f, -7.0f })
    {
        const auto gain = measure::sideGainDb ({ width, 1.0f, false }, 48000.0, f);
        const double reference = measure::gainAt (f, gain, 1000.0);
        for (size_t k = 0; k < f.size(); ++k)
            EXPECT_NEAR (gain[k], reference, 0.2) << "Width " << width << " at " << f[k] << " Hz";
    }
}

TEST (WidthEq, HalfBoostFrequencyRisesOverTwoOctavesAndHighsAgree)
{
    const auto f = measure::responseFrequencies();
    const double atFiveKhzOff = measure::gainAt (f, measure::sideGainDb ({ 15.0f, 3.0f, false }, 48000.0, f), 5000.0);
    double first = 0.0, previous = 0.0;
    for (float eq : { 1.0f, 2.0f, 3.0f, 4.0f })
    {
        const auto gain = measure::sideGainDb ({ 15.0f, eq, true }, 48000.0, f);
        const double half = measure::halfBoostFrequency (f, gain, 5000.0);
        EXPECT_GT (half, previous * 1.2) << "EQ " << eq;
        EXPECT_NEAR (measure::gainAt (f, gain, 5000.0), atFiveKhzOff, 0.5) << "EQ " << eq;
        // The bass keeps (nearly) its original width.
        EXPECT_LT (measure::gainAt (f, gain, 20.0), 0.5 * atFiveKhzOff) << "EQ " << eq;
        if (first == 0.0)
            first = half;
        previous = half;
    }
    EXPECT_GE (previous / first, 4.0);
}

class WidthEqAtOrBelowZero : public ::testing::TestWithParam<float>
{
};

TEST_P (WidthEqAtOrBelowZero, HasNoEffect)
{
    const auto f = measure::responseFrequencies();
    const auto off = measure::sideGainDb ({ GetParam(), 3.0f, false }, 48000.0, f);
    for (float eq : { 1.0f, 4.0f })
    {
        const auto on = measure::sideGainDb ({ GetParam(), eq, true }, 48000.0, f);
        for (size_t k = 0; k < f.size(); ++k)
            EXPECT_NEAR (on[k], off[k], 0.1) << "EQ " << eq << " at " << f[k] << " Hz";
    }
}

INSTANTIATE_TEST_SUITE_P (Widths, WidthEqAtOrBelowZero, ::testing::Values (0.0f, -5.0f, -12.0f));

//==============================================================================
struct DistortionCase
{
    double rate, frequency, levelDb;
    float width;
    double limitPercent;
};

void PrintTo (const DistortionCase& c, std::ostream* os)
{
    *os << c.frequency << " Hz at " << c.levelDb << " dBFS, " << c.rate << " Hz, Width " << c.width;
}

class Distortion : public ::testing::TestWithParam<DistortionCase>
{
};

TEST_P (Distortion, StaysBelowItsLimit)
{
    const auto c = GetParam();
    for (auto placement : { measure::Placement::left, measure::Placement::centre })
        EXPECT_LE (measure::thdPlusNoisePercent ({ c.width }, c.rate, c.frequency, c.levelDb, placement), c.limitPercent);
}

INSTANTIATE_TEST_SUITE_P (Tones, Distortion,
                          ::testing::Values (DistortionCase { 48000.0, 1000.0, -12.0, 0.0f, 0.01 },
                                             DistortionCase { 48000.0, 6000.0, -12.0, 15.0f, 0.05 },
                                             DistortionCase { 48000.0, 100.0, -12.0, -15.0f, 0.05 },
                                             DistortionCase { 96000.0, 100.0, 0.0, 0.0f, 0.1 },
                                             DistortionCase { 96000.0, 6000.0, 0.0, 15.0f, 1.0 },
                                             DistortionCase { 44100.0, 1000.0, -12.0, 0.0f, 0.01 },
                                             DistortionCase { 88200.0, 1000.0, 0.0, 15.0f, 1.0 },
                                             DistortionCase { 48000.0, 6000.0, 12.0, 15.0f, 10.0 }));

//==============================================================================
TEST (Presets, WidenInMenuOrder)
{
    std::vector<double> changes;
    for (const auto& preset : presetTable)
        changes.push_back (
            measure::measureWidthChange (
                { preset.width, preset.widthEq, preset.widthEqSwitch, preset.inputGain, preset.outputGain }, 48000.0, 0.6)
                .sideToMidDb);
    // Default, Magically Wide, Super Wide, Extremely Wide: clearly apart, in that order.
    for (size_t k = 1; k < 4; ++k)
        EXPECT_GT (changes[k], changes[k - 1] + 1.0) << presetTable[k].name;
    EXPECT_NEAR (changes[0], 0.0, 0.1);
}

//==============================================================================
class ShippedHypernetwork : public ::testing::TestWithParam<double>
{
};

TEST_P (ShippedHypernetwork, RealisesTheWidthLaw)
{
    // The side unit's input weight over the mid unit's is the side gain.
    BrenvoAudioProcessor processor;
    auto& net = GetParam() > 100000.0 ? processor.subnet192k : processor.subnet96k;
    for (float width : { -1.0f, -0.5f, 0.0f, 0.2f, 0.5f, 0.8f, 1.0f })
        for (float eq : { 0.0f, 0.2f, 0.6f })
        {
            net.forward (eq, width);
            EXPECT_NEAR (net.W_ih (0, 25) / net.W_ih (0, 24), weights::sideGain (width), 1e-4) << width;
            EXPECT_NEAR (net.W_ih (1, 25), -net.W_ih (0, 25), 1e-7) << width;
            // Gates stay shut off from the signal: r = z = 0.5 whatever the input.
            EXPECT_EQ (net.W_ih.leftCols (24).cwiseAbs().maxCoeff(), 0.0f);
            EXPECT_LT (net.W_hh.leftCols (24).cwiseAbs().maxCoeff(), 1e-6f);
        }
}

INSTANTIATE_TEST_SUITE_P (InternalRates, ShippedHypernetwork, ::testing::Values (96000.0, 192000.0));
} // namespace
