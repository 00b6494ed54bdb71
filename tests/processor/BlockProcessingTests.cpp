/*
    Block processing: bypass, re-preparation, control changes, gain ramps,
    layouts, rates and block lengths, and recovery from bad input.
*/
#include "ProcessorFixture.h"

namespace
{
double sideToMidDb (const juce::AudioBuffer<float>& b)
{
    double mid = 0.0, side = 0.0;
    for (int i = 0; i < b.getNumSamples(); ++i)
    {
        const double l = b.getSample (0, i), r = b.getSample (1, i);
        mid += (l + r) * (l + r);
        side += (l - r) * (l - r);
    }
    return 10.0 * std::log10 (side / mid);
}
} // namespace

TEST (ProcessBlock, EmptyBlockChangesNothing)
{
    BrenvoAudioProcessor p;
    juce::AudioBuffer<float> empty (2, 0);
    juce::MidiBuffer midi;
    p.processBlock (empty, midi);
    EXPECT_EQ (p.lastBlockSize, 0);
    EXPECT_EQ (p.modelBlockSize, 0);
    EXPECT_EQ (p.truePeakLevels, std::vector<float> ({ 0.0f, 0.0f }));
}

TEST (ProcessBlock, BypassLeavesAudioAndStateUntouched)
{
    BrenvoAudioProcessor p;
    processNoise (p, 256, 4);
    const auto levels = p.truePeakLevels;
    const Brenvo::Matrix<float> hidden = p.gru96k.hidden_state;

    setParameter (p, "Bypass", 1.0f);
    juce::AudioBuffer<float> buffer (2, 256), original (2, 256);
    fillNoise (buffer, 99);
    original.makeCopyOf (buffer);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);

    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ (buffer.getSample (c, i), original.getSample (c, i));
    EXPECT_EQ (p.truePeakLevels, levels);
    EXPECT_EQ (p.gru96k.hidden_state, hidden);
}

TEST (ProcessBlock, RepreparesWheneverTheLengthDiffersFromThePreparedOne)
{
    BrenvoAudioProcessor p;
    processNoise (p, 512, 1);
    EXPECT_EQ (p.lastBlockSize, 512);
    EXPECT_EQ (p.modelBlockSize, 1024);

    processNoise (p, 100, 1);
    EXPECT_EQ (p.modelBlockSize, 200);

    // The framework may prepare for another length between blocks.
    p.prepareToPlay (48000.0, 1024);
    processNoise (p, 100, 1);
    EXPECT_EQ (p.modelBlockSize, 200);
    EXPECT_EQ (p.truePeakHistory.getNumSamples(), 112);
}

TEST (ProcessBlock, ControlChangeGlidesWeightsAcrossTheBlock)
{
    BrenvoAudioProcessor p;
    processNoise (p, 512, 2);
    const Brenvo::Matrix<float> oldIh = p.subnet96k.W_ih;
    EXPECT_TRUE (p.W_ih_steps.empty());

    setParameter (p, "Width", 15.0f);
    processNoise (p, 512, 1);
    const auto M = static_cast<size_t> (p.modelBlockSize);
    ASSERT_EQ (p.W_ih_steps.size(), M);
    ASSERT_EQ (p.W_hh_steps.size(), M);
    const Brenvo::Matrix<float> newIh = p.subnet96k.W_ih;
    EXPECT_NE (newIh, oldIh);
    EXPECT_EQ (p.W_ih_steps[0], oldIh);
    EXPECT_EQ (p.W_ih_steps[M - 1], newIh);
    for (size_t k : { size_t (1), size_t (333), M - 2 })
    {
        const Brenvo::Matrix<float> expected = ((newIh - oldIh) / static_cast<float> (M - 1)) * static_cast<float> (k) + oldIh;
        EXPECT_EQ (p.W_ih_steps[k], expected) << "step " << k;
    }
    EXPECT_EQ (p.lastWidth, 1.0f);

    processNoise (p, 512, 1);
    EXPECT_TRUE (p.W_ih_steps.empty());
}

TEST (ProcessBlock, EqSwitchGatesTheEqControl)
{
    BrenvoAudioProcessor p;
    processNoise (p, 128, 1);
    setParameter (p, "Width EQ Switch", 0.0f);
    processNoise (p, 128, 1);
    EXPECT_EQ (p.lastEq, 0.0f);
    EXPECT_FALSE (p.W_ih_steps.empty());

    setParameter (p, "Width EQ", 1.5f);
    processNoise (p, 128, 1);
    EXPECT_TRUE (p.W_ih_steps.empty());
    EXPECT_EQ (p.lastEq, 0.0f);
}

TEST (ProcessBlock, OutputGainRampsAcrossOneBlock)
{
    BrenvoAudioProcessor steady, moved;
    constexpr int n = 256;
    processNoise (steady, n, 3);
    processNoise (moved, n, 3);

    setParameter (moved, "Output Gain", -6.0f);
    const auto a = processNoise (steady, n, 1, 2, 50);
    const auto b = processNoise (moved, n, 1, 2, 50);

    const float g = exp10f (-6.0f / 20.0f);
    float gain = 1.0f;
    const float increment = (g - 1.0f) / static_cast<float> (n);
    for (int i = 0; i < n; ++i)
    {
        EXPECT_NEAR (b.getSample (0, i), a.getSample (0, i) * gain, 1e-6f) << i;
        gain += increment;
    }
    EXPECT_EQ (moved.prevOutputGain, g);

    const auto a2 = processNoise (steady, n, 1, 2, 60);
    const auto b2 = processNoise (moved, n, 1, 2, 60);
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR (b2.getSample (1, i), a2.getSample (1, i) * g, 1e-6f);
}

TEST (ProcessBlock, WidthControlWidensAndNarrows)
{
    auto widthAt = [] (float width)
    {
        BrenvoAudioProcessor p;
        setParameter (p, "Width", width);
        return sideToMidDb (processNoise (p, 4800, 4));
    };
    const double narrow = widthAt (-15.0f), neutral = widthAt (0.0f), wide = widthAt (15.0f);
    EXPECT_LT (narrow, neutral - 30.0);
    EXPECT_GT (wide, neutral + 6.0);
}

TEST (ProcessBlock, MonoLayoutRunsThroughTheNetwork)
{
    BrenvoAudioProcessor p;
    setMonoLayout (p);
    const auto out = processNoise (p, 480, 10, 1);
    EXPECT_EQ (p.numInputChannels, 1);
    EXPECT_EQ (p.truePeakLevels.size(), 2u);
    EXPECT_TRUE (allFinite (out));
    EXPECT_GT (out.getRMSLevel (0, 0, 480), 0.01f);
}

struct RateAndBlock
{
    double rate;
    int block;
};

std::ostream& operator<< (std::ostream& out, const RateAndBlock& c)
{
    return out << c.rate << " Hz, " << c.block << " samples";
}

class EveryRateAndBlock : public ::testing::TestWithParam<RateAndBlock>
{
};

TEST_P (EveryRateAndBlock, StaysFinite)
{
    const auto [rate, block] = GetParam();
    BrenvoAudioProcessor p;
    p.prepareToPlay (rate, block);
    const int blocks = juce::jlimit (2, 40, static_cast<int> (rate * 0.05) / block);
    const auto out = processNoise (p, block, blocks);
    EXPECT_TRUE (allFinite (out));
    EXPECT_GT (out.getMagnitude (0, block), 0.0f);
}

INSTANTIATE_TEST_SUITE_P (Matrix, EveryRateAndBlock, ::testing::ValuesIn ([] {
                              std::vector<RateAndBlock> cases;
                              for (double rate : { 8000.0, 22050.0, 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0, 384000.0 })
                                  for (int block : { 1, 7, 64, 512, 4096 })
                                      cases.push_back ({ rate, block });
                              return cases;
                          }()));

TEST (ProcessBlock, LengthsChangingEveryBlockStayFinite)
{
    BrenvoAudioProcessor p;
    p.prepareToPlay (44100.0, 512);
    std::mt19937 rng (4);
    std::uniform_int_distribution<int> length (1, 700);
    juce::MidiBuffer midi;
    for (int b = 0; b < 60; ++b)
    {
        juce::AudioBuffer<float> buffer (2, length (rng));
        fillNoise (buffer, static_cast<unsigned> (b));
        if (b % 7 == 3)
            setParameter (p, "Width", static_cast<float> (b % 31) - 15.0f);
        p.processBlock (buffer, midi);
        ASSERT_TRUE (allFinite (buffer)) << "block " << b;
    }
}

TEST (ProcessBlock, RecoversFromNonFiniteInput)
{
    BrenvoAudioProcessor p;
    processNoise (p, 512, 2);
    juce::AudioBuffer<float> poisoned (2, 512);
    fillNoise (poisoned, 5);
    poisoned.setSample (0, 100, std::numeric_limits<float>::quiet_NaN());
    poisoned.setSample (1, 200, std::numeric_limits<float>::infinity());
    juce::MidiBuffer midi;
    p.processBlock (poisoned, midi);

    int finiteBlocks = 0;
    for (int b = 0; b < 12; ++b)
        finiteBlocks = allFinite (processNoise (p, 512, 1, 2, 70u + static_cast<unsigned> (b))) ? finiteBlocks + 1 : 0;
    EXPECT_GE (finiteBlocks, 8);
    EXPECT_TRUE (p.gru96k.hidden_state.allFinite());

    // A state that went non-finite anyway is cleared at the end of its block.
    p.gru96k.hidden_state (0, 3) = std::numeric_limits<float>::quiet_NaN();
    processNoise (p, 512, 1);
    EXPECT_TRUE (p.gru96k.hidden_state.allFinite());
    processNoise (p, 512, 1); // filter and resampler histories still hold the tail
    EXPECT_TRUE (allFinite (processNoise (p, 512, 1)));
}
