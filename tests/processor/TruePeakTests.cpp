/*
    True-peak metering: reference levels and block independence.
*/
#include "ProcessorFixture.h"

namespace
{
constexpr int blockSize = 32;

struct Meter
{
    BrenvoAudioProcessor p;
    juce::AudioBuffer<float> block { 2, blockSize };

    Meter() { p.prepareToPlay (48000.0, blockSize); }

    /** Measures a stream block by block (input half); returns the level of channel 0 per block. */
    std::vector<float> measure (const std::vector<float>& stream)
    {
        std::vector<float> levels;
        for (size_t start = 0; start + blockSize <= stream.size(); start += blockSize)
        {
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < blockSize; ++i)
                    block.setSample (c, i, stream[start + static_cast<size_t> (i)]);
            p.GetTruePeak (block, 0);
            levels.push_back (p.truePeakLevels[0]);
        }
        return levels;
    }
};
} // namespace

class TruePeakImpulse : public ::testing::TestWithParam<int>
{
};

TEST_P (TruePeakImpulse, ReadsSameWhereverItFalls)
{
    const int position = GetParam();
    std::vector<float> stream (blockSize * 4, 0.0f);
    stream[static_cast<size_t> (blockSize + position)] = 1.0f;

    Meter meter;
    const auto levels = meter.measure (stream);
    const float expected = 20.0f * std::log10 (0.97216796875f);
    EXPECT_NEAR (expected, -0.2452f, 1e-4f);

    EXPECT_EQ (levels[0], -std::numeric_limits<float>::infinity());
    if (position < blockSize - 5)
        EXPECT_FLOAT_EQ (levels[1], expected);
    else
    {
        EXPECT_LT (levels[1], expected);
        EXPECT_FLOAT_EQ (levels[2], expected);
    }
}

INSTANTIATE_TEST_SUITE_P (Positions, TruePeakImpulse, ::testing::Values (0, 1, 11, 20, 26, 27, 30, 31));

TEST (TruePeak, ConstantFullScaleReadsAboveZero)
{
    Meter meter;
    const auto levels = meter.measure (std::vector<float> (blockSize * 3, 1.0f));
    EXPECT_NEAR (levels[2], 20.0f * std::log10 (1.0015869140625f), 1e-5f);
    EXPECT_NEAR (levels[2], 0.0138f, 1e-4f);
}

TEST (TruePeak, QuarterRateSineShowsInterSamplePeak)
{
    std::vector<float> stream (blockSize * 4);
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = std::sin (juce::MathConstants<float>::halfPi * static_cast<float> (i) + juce::MathConstants<float>::pi / 4.0f);
    Meter meter;
    const auto levels = meter.measure (stream);
    EXPECT_NEAR (levels[3], 0.045f, 0.01f);
}

TEST (TruePeak, SplitBlocksMatchWholeStream)
{
    std::vector<float> stream (blockSize * 8);
    std::mt19937 rng (3);
    std::uniform_real_distribution<float> dist (-1.0f, 1.0f);
    for (auto& s : stream)
        s = dist (rng);

    Meter split;
    const auto levels = split.measure (stream);

    // The whole stream at once: one block holding everything.
    BrenvoAudioProcessor whole;
    whole.prepareToPlay (48000.0, static_cast<int> (stream.size()));
    juce::AudioBuffer<float> all (2, static_cast<int> (stream.size()));
    for (int c = 0; c < 2; ++c)
        all.copyFrom (c, 0, stream.data(), static_cast<int> (stream.size()));
    whole.GetTruePeak (all, 1);

    EXPECT_FLOAT_EQ (*std::max_element (levels.begin(), levels.end()), whole.truePeakLevels[2]);
    EXPECT_FLOAT_EQ (whole.truePeakLevels[2], whole.truePeakLevels[3]);
}

TEST (TruePeak, SilenceAfterLoudSamplesStillShowsTheirTail)
{
    std::vector<float> stream (blockSize * 3, 0.0f);
    stream[blockSize - 1] = 1.0f;
    Meter meter;
    const auto levels = meter.measure (stream);
    EXPECT_GT (levels[1], -1.0f);
    EXPECT_EQ (levels[2], -std::numeric_limits<float>::infinity());
}
