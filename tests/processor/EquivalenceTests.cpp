/*
    The optimised processBlock against the straightforward chain: the same
    full-scale input, parameters and control moves must give the same output
    and meter readings, within float rounding, at every host rate.
*/
#include "ProcessorFixture.h"
#include "StraightforwardChain.h"

#include <sstream>

namespace
{
// Absolute on a full-scale block. The chain's gains can take a block above
// full scale, where float spacing itself grows, so such a block's differences
// are measured in units of its peak.
constexpr float tolerance = 1e-6f;

float fullScaleOf (const juce::AudioBuffer<float>& block)
{
    float peak = 1.0f;
    for (int c = 0; c < block.getNumChannels(); ++c)
        peak = std::max (peak, block.getMagnitude (c, 0, block.getNumSamples()));
    return peak;
}

/** Full-scale stereo noise: a shared part and a per-channel part, peaks near 1.0. */
void fillFullScale (juce::AudioBuffer<float>& buffer, unsigned seed)
{
    std::mt19937 rng (seed);
    std::uniform_real_distribution<float> dist (-1.0f, 1.0f);
    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        const float common = dist (rng);
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            buffer.setSample (c, i, 0.6f * common + 0.4f * dist (rng));
    }
}

float largestDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    float largest = 0.0f;
    for (int c = 0; c < a.getNumChannels(); ++c)
        for (int i = 0; i < a.getNumSamples(); ++i)
            largest = std::max (largest, std::abs (a.getSample (c, i) - b.getSample (c, i)));
    return largest;
}

/** What moves before a block: the same on both processors. */
void moveControls (BrenvoAudioProcessor& p, int block)
{
    switch (block % 6)
    {
    case 1:
        setParameter (p, "Width", 12.0f);
        break;
    case 2:
        setParameter (p, "Input Gain", 6.0f);
        break;
    case 3:
        setParameter (p, "Width EQ Switch", 0.0f), setParameter (p, "Width", -9.0f);
        break;
    case 4:
        setParameter (p, "Output Gain", -4.5f), setParameter (p, "Width EQ Switch", 1.0f);
        break;
    case 5:
        setParameter (p, "Width EQ", 1.2f), setParameter (p, "Input Gain", -3.0f);
        break;
    default:
        break; // a steady block
    }
}

struct EquivalenceCase
{
    double rate;
    int block;
    int channels;
};

std::ostream& operator<< (std::ostream& out, const EquivalenceCase& c)
{
    return out << c.rate << " Hz, " << c.block << " samples, " << c.channels << " channels";
}

class OptimisedChain : public ::testing::TestWithParam<EquivalenceCase>
{
};
} // namespace

TEST_P (OptimisedChain, MatchesStraightforwardChainAcrossControlChanges)
{
    const auto [rate, block, channels] = GetParam();
    BrenvoAudioProcessor optimised, plain;
    if (channels == 1)
    {
        setMonoLayout (optimised);
        setMonoLayout (plain);
    }
    optimised.prepareToPlay (rate, block);
    plain.prepareToPlay (rate, block);
    StraightforwardChain reference (plain);

    juce::AudioBuffer<float> a (channels, block), b (channels, block);
    juce::MidiBuffer midi;
    float largest = 0.0f;
    for (int blockIndex = 0; blockIndex < 14; ++blockIndex)
    {
        moveControls (optimised, blockIndex);
        moveControls (plain, blockIndex);
        fillFullScale (a, static_cast<unsigned> (blockIndex));
        b.makeCopyOf (a);

        optimised.processBlock (a, midi);
        reference.process (b);

        const auto difference = largestDifference (a, b) / fullScaleOf (b);
        largest = std::max (largest, difference);
        ASSERT_LE (difference, tolerance) << "block " << blockIndex;
        for (size_t k = 0; k < optimised.truePeakLevels.size(); ++k)
            ASSERT_NEAR (optimised.truePeakLevels[k], plain.truePeakLevels[k], 1e-4f) << "meter " << k;
    }
    // The chains must really have produced sound, not two silences.
    EXPECT_GT (a.getMagnitude (0, block), 0.01f);
    std::ostringstream text;
    text << largest;
    RecordProperty ("largest_difference", text.str());
}

INSTANTIATE_TEST_SUITE_P (HostRates, OptimisedChain,
                          ::testing::Values (EquivalenceCase { 44100.0, 512, 2 }, EquivalenceCase { 48000.0, 512, 2 },
                                             EquivalenceCase { 88200.0, 512, 2 }, EquivalenceCase { 96000.0, 512, 2 },
                                             EquivalenceCase { 192000.0, 512, 2 }, EquivalenceCase { 384000.0, 512, 2 },
                                             EquivalenceCase { 22050.0, 300, 2 }, EquivalenceCase { 44100.0, 1000, 2 },
                                             EquivalenceCase { 48000.0, 64, 1 }));

TEST (StraightforwardChain, StepMatchesTheCell)
{
    BrenvoAudioProcessor p;
    p.prepareToPlay (48000.0, 64);
    auto copy = p.gru96k;
    std::mt19937 rng (3);
    std::uniform_real_distribution<float> dist (-1.0f, 1.0f);
    for (int n = 0; n < 2000; ++n)
    {
        p.gru96k.gru_input << dist (rng), dist (rng);
        copy.gru_input = p.gru96k.gru_input;
        p.gru96k.forward_cell (p.gru96k.gru_input, p.subnet96k.W_ih, p.subnet96k.W_hh);
        StraightforwardChain::step (copy, copy.gru_input, p.subnet96k.W_ih, p.subnet96k.W_hh);
        ASSERT_LE ((p.gru96k.hidden_state - copy.hidden_state).cwiseAbs().maxCoeff(), tolerance) << "step " << n;
        ASSERT_LE ((p.gru96k.gru_output - copy.gru_output).cwiseAbs().maxCoeff(), tolerance) << "step " << n;
    }
}
