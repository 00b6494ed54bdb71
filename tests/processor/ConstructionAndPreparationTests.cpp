/*
    Parameters, construction and preparation for host rates and block lengths.
*/
#include "ProcessorFixture.h"

TEST (Processor, DeclaresSevenParametersInOrderWithDefaults)
{
    BrenvoAudioProcessor p;
    const auto& parameters = p.getParameters();
    ASSERT_EQ (parameters.size(), 7);

    const char* names[] = { "Input Gain", "Output Gain", "Width", "Width EQ", "Width EQ Switch", "IO Link Switch", "Bypass" };
    const float defaults[] = { 0.0f, 0.0f, 0.0f, 3.0f, 1.0f, 0.0f, 0.0f };
    for (int i = 0; i < 7; ++i)
    {
        auto* parameter = dynamic_cast<juce::RangedAudioParameter*> (parameters[i]);
        ASSERT_NE (parameter, nullptr);
        EXPECT_EQ (parameter->getParameterID(), names[i]);
        EXPECT_EQ (parameter->getName (100), names[i]);
        EXPECT_FLOAT_EQ (parameter->convertFrom0to1 (parameter->getDefaultValue()), defaults[i]) << names[i];
        EXPECT_FLOAT_EQ (parameterValue (p, names[i]), defaults[i]) << names[i];
    }

    setParameter (p, "Input Gain", 3.14159f);
    EXPECT_NEAR (parameterValue (p, "Input Gain"), 3.14f, 1e-5f);
    setParameter (p, "Width", 7.26f);
    EXPECT_NEAR (parameterValue (p, "Width"), 7.3f, 1e-5f);
}

TEST (Processor, StartsWithNeutralState)
{
    BrenvoAudioProcessor p;
    EXPECT_EQ (p.prevInputGain, 1.0f);
    EXPECT_EQ (p.prevOutputGain, 1.0f);
    EXPECT_EQ (p.lastWidth, 0.0f);
    EXPECT_EQ (p.lastEq, 0.6f);
    EXPECT_EQ (p.truePeakLevels, std::vector<float> ({ 0.0f, 0.0f }));
    EXPECT_EQ (p.hostSampleRate, 48000.0);
    EXPECT_EQ (p.modelSampleRate, 96000.0);
    EXPECT_FALSE (p.useModel192k);
    EXPECT_EQ (p.getName(), "Duveline");
    EXPECT_EQ (p.getLatencySamples(), 0);
}

struct RateCase
{
    double hostRate;
    int blockSize;
    bool use192k;
    int modelBlockSize;
};

std::ostream& operator<< (std::ostream& out, const RateCase& c)
{
    return out << c.hostRate << " Hz, " << c.blockSize << " samples";
}

class Preparation : public ::testing::TestWithParam<RateCase>
{
};

TEST_P (Preparation, ChoosesModelAndInternalBlockLength)
{
    const auto c = GetParam();
    BrenvoAudioProcessor p;
    p.prepareToPlay (c.hostRate, c.blockSize);
    EXPECT_EQ (p.useModel192k, c.use192k);
    EXPECT_EQ (p.modelSampleRate, c.use192k ? 192000.0 : 96000.0);
    EXPECT_EQ (p.modelBlockSize, c.modelBlockSize);
    EXPECT_EQ (p.modelBuffer.getNumSamples(), c.modelBlockSize);
    EXPECT_EQ (p.truePeakHistory.getNumSamples(), c.blockSize + 12);
    EXPECT_EQ (p.truePeakHistory.getNumChannels(), 4);
    EXPECT_EQ (p.truePeakLevels.size(), 4u);
    EXPECT_EQ (p.lastEq, 0.6f);
    EXPECT_EQ (p.prevInputGain, 1.0f);
    EXPECT_TRUE (p.W_ih_steps.empty());
}

INSTANTIATE_TEST_SUITE_P (RateTable, Preparation,
                          ::testing::Values (RateCase { 48000.0, 512, false, 1024 }, RateCase { 44100.0, 512, false, 1115 },
                                             RateCase { 48000.5, 512, true, 2048 }, RateCase { 88200.0, 512, true, 1115 },
                                             RateCase { 96000.0, 512, true, 1024 }, RateCase { 192000.0, 512, true, 512 },
                                             RateCase { 384000.0, 512, true, 256 }, RateCase { 48000.0, 0, false, 0 }));

TEST (LowPass, MatchesReferenceTaps)
{
    const auto taps = BrenvoAudioProcessor::designLowPass (48000.0, 96000.0);
    EXPECT_NEAR (taps[0], -0.00148017, 1e-6);
    EXPECT_NEAR (taps[45], -0.00148017, 1e-6);
    EXPECT_NEAR (taps[21], 0.149109, 1e-6);
    EXPECT_NEAR (taps[22], 0.499650, 1e-6);
    EXPECT_NEAR (taps[23], 0.449843, 1e-6);

    double sum = 0.0;
    for (auto t : taps)
        sum += t;
    EXPECT_NEAR (sum, 1.0502, 1e-3);
    EXPECT_EQ (BrenvoAudioProcessor::designLowPass (96000.0, 192000.0), taps);
}

TEST (LowPass, EveryChannelRunsTheNewTapsAfterARateChange)
{
    BrenvoAudioProcessor p;
    p.prepareToPlay (44100.0, 256);
    const auto* shared = p.lowPassFilter.state.get();
    p.prepareToPlay (48000.0, 256);
    EXPECT_EQ (p.lowPassFilter.state.get(), shared);

    const auto expected = BrenvoAudioProcessor::designLowPass (48000.0, 96000.0);
    juce::AudioBuffer<float> impulse (2, 64);
    impulse.clear();
    impulse.setSample (0, 0, 1.0f);
    impulse.setSample (1, 0, 1.0f);
    juce::dsp::AudioBlock<float> block (impulse);
    p.lowPassFilter.process (juce::dsp::ProcessContextReplacing<float> (block));
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 46; ++i)
            EXPECT_FLOAT_EQ (impulse.getSample (c, i), expected[static_cast<size_t> (i)]) << "channel " << c << " tap " << i;
}

TEST (Preparation, KeepsMeterHistoryWhenItsSizeStays)
{
    BrenvoAudioProcessor p;
    p.prepareToPlay (48000.0, 64);
    p.truePeakHistory.setSample (0, 70, 0.25f);
    p.truePeakLevels[0] = -3.0f;
    p.prepareToPlay (48000.0, 64);
    EXPECT_EQ (p.truePeakHistory.getSample (0, 70), 0.25f);
    EXPECT_EQ (p.truePeakLevels[0], -3.0f);
    p.prepareToPlay (48000.0, 65);
    EXPECT_EQ (p.truePeakHistory.getSample (0, 70), 0.0f);
}
