/*
    Tests of the level meter: its timer-rate rule, the bars' rise and fall, the
    held clip read-outs and the masks, with the timer callbacks driven directly.
*/
#include "CommaLocale.h"
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
constexpr float silence = -std::numeric_limits<float>::infinity();

class VolumeMeterTest : public ::testing::Test
{
protected:
    VolumeMeterTest() { meter.setSize (150, 410); }

    /** One timer tick that finds these four levels, followed by the repaint it asks for. */
    void tick (std::array<float, 4> readings)
    {
        setLevels ({ readings.begin(), readings.end() });
        meter.timerCallback();
        paint();
    }
    void tick (float level) { tick ({ level, level, level, level }); }

    /** Levels as block processing leaves them, for as many channels as given. */
    void setLevels (std::vector<float> levels)
    {
        processor.truePeakLevels = std::move (levels);
        processor.truePeakLevelCount = processor.truePeakLevels.size();
    }

    juce::Image paint() { return EditorTest::render (meter); }

    static int countRedPixels (const juce::Image& image, juce::Rectangle<int> area)
    {
        int count = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = std::max (0, area.getX()); x < area.getRight(); ++x)
                if (const auto c = image.getPixelAt (x, y); c.getRed() > 128 && c.getGreen() < 64)
                    ++count;
        return count;
    }

    BrenvoAudioProcessor processor;
    VolumeMeter meter { &processor };
};

TEST_F (VolumeMeterTest, StartsSlowAndSwitchesFastAtTheFirstTick)
{
    EXPECT_EQ (meter.getTimerInterval(), 333);
    tick (silence);
    EXPECT_EQ (meter.getTimerInterval(), 50);
}

TEST_F (VolumeMeterTest, FortyFiveQuietTicksReturnToTheSlowRate)
{
    for (int i = 0; i < 44; ++i)
        tick (silence);
    EXPECT_EQ (meter.getTimerInterval(), 50);
    tick (silence);
    EXPECT_EQ (meter.getTimerInterval(), 333);
    for (const auto level : meter.shownLevels)
        EXPECT_EQ (level, -60.0f);
}

TEST_F (VolumeMeterTest, LevelOfExactlyMinusFiftyStaysFast)
{
    for (int i = 0; i < 100; ++i)
        tick (-50.0f);
    EXPECT_EQ (meter.getTimerInterval(), 50);
}

TEST_F (VolumeMeterTest, RateFollowsThePreviousTicksReading)
{
    for (int i = 0; i < 45; ++i)
        tick (silence);
    ASSERT_EQ (meter.getTimerInterval(), 333);

    tick (-10.0f); // this tick still judges the quiet reading before it
    EXPECT_EQ (meter.getTimerInterval(), 333);
    tick (silence);
    EXPECT_EQ (meter.getTimerInterval(), 50);
}

TEST_F (VolumeMeterTest, OnlyInputLeftDecidesTheRate)
{
    for (int i = 0; i < 45; ++i)
        tick ({ silence, 0.0f, 0.0f, 0.0f });
    EXPECT_EQ (meter.getTimerInterval(), 333);
}

TEST_F (VolumeMeterTest, BarHoldsOneTickThenFallsOneAndAHalfDecibelsPerTick)
{
    tick (0.0f);
    tick (silence);
    EXPECT_EQ (meter.shownLevels[0], 0.0f);
    for (int i = 1; i <= 39; ++i)
    {
        tick (silence);
        ASSERT_FLOAT_EQ (meter.shownLevels[0], -1.5f * (float)i);
    }
    tick (silence);
    EXPECT_FLOAT_EQ (meter.shownLevels[0], -60.0f);
}

TEST_F (VolumeMeterTest, BarRisesAtOnce)
{
    tick (-40.0f);
    tick (-3.0f);
    EXPECT_EQ (meter.shownLevels[0], -3.0f);
}

TEST_F (VolumeMeterTest, RepeatedPaintsWithinOneTickAgree)
{
    tick (-10.0f);
    tick (silence);
    tick (silence);
    const auto shown = meter.shownLevels[0];
    paint();
    paint();
    EXPECT_EQ (meter.shownLevels[0], shown);
}

TEST_F (VolumeMeterTest, ClipIsHeldAsReadOutUntilClicked)
{
    tick ({ silence, silence, silence, 3.24f });
    tick (silence);
    EXPECT_EQ (meter.shownLevels[3], 0.0f);
    tick (silence);
    EXPECT_FLOAT_EQ (meter.shownLevels[3], -1.5f);

    for (int i = 0; i < 50; ++i)
        tick (silence);
    EXPECT_EQ (VolumeMeter::peakText (meter.outputPeak), "3.2 dB");
    EXPECT_GT (countRedPixels (paint(), { 73, 0, 69, 23 }), 0);
    EXPECT_EQ (countRedPixels (paint(), { -4, 0, 69, 23 }), 0);

    meter.outputPeakButton.triggerClick();
    ASSERT_TRUE (EditorTest::pumpMessagesUntil ([this] { return meter.outputPeak == -60.0f; }));
    EXPECT_EQ (countRedPixels (paint(), { 73, 0, 69, 23 }), 0);
}

TEST_F (VolumeMeterTest, PeakOfExactlyZeroShowsNoReadOut)
{
    tick (0.0f);
    EXPECT_EQ (countRedPixels (paint(), { 0, 0, 150, 23 }), 0);
    tick (0.04f);
    EXPECT_EQ (VolumeMeter::peakText (meter.inputPeak), "0.0 dB");
    EXPECT_GT (countRedPixels (paint(), { 0, 0, 65, 23 }), 0);
}

TEST (MeterReadOut, KeepsItsDecimalPointUnderACommaLocale)
{
    duveline::test::ScopedCommaLocale comma (duveline::test::HostLocale::cppGlobal);
    ASSERT_TRUE (comma.IsActive()) << duveline::test::ScopedCommaLocale::missing;
    EXPECT_EQ (VolumeMeter::peakText (3.25f), "3.2 dB");
}

TEST_F (VolumeMeterTest, ClickedReadOutReturnsWhileInputStillClips)
{
    tick (1.0f);
    meter.inputPeakButton.triggerClick();
    ASSERT_TRUE (EditorTest::pumpMessagesUntil ([this] { return meter.inputPeak == -60.0f; }));
    EXPECT_EQ (countRedPixels (paint(), { 0, 0, 65, 23 }), 0);
    tick (1.0f);
    EXPECT_GT (countRedPixels (paint(), { 0, 0, 65, 23 }), 0);
}

TEST_F (VolumeMeterTest, MinusInfinityKeepsBarsAtFloorAndPeaksHeld)
{
    tick (2.0f);
    for (int i = 0; i < 60; ++i)
        tick (silence);
    for (const auto level : meter.shownLevels)
        EXPECT_EQ (level, -60.0f);
    EXPECT_EQ (meter.inputPeak, 2.0f);
    EXPECT_EQ (meter.outputPeak, 2.0f);
}

TEST_F (VolumeMeterTest, OneChannelDrivesBothBarsOfEachPair)
{
    setLevels ({ -6.0f, -12.0f });
    meter.timerCallback();
    EXPECT_EQ (meter.shownLevels, (std::array<float, 4> { -6.0f, -6.0f, -12.0f, -12.0f }));
}

TEST_F (VolumeMeterTest, WithoutProcessorNothingMovesButTheRateRuleRuns)
{
    VolumeMeter lonely (nullptr);
    lonely.timerCallback();
    EXPECT_EQ (lonely.getTimerInterval(), 50);
    EXPECT_EQ (lonely.shownLevels[0], -60.0f);
}

// The mask hides the strip from its top down to the level: 5.15 pixels per dB.
TEST_F (VolumeMeterTest, MaskCoversTheStripDownToTheLevel)
{
    const juce::Colour mask (0xffdee4ed);
    const auto isMasked = [&] (const juce::Image& image, int x, int y) { return image.getPixelAt (x, y) == mask; };

    auto image = paint();
    for (int y = 42; y < 347; y += 15)
        ASSERT_TRUE (isMasked (image, 28, y)) << y; // -60 dB hides everything

    tick ({ -30.0f, 0.0f, -60.0f, -60.0f });
    image = paint();
    EXPECT_TRUE (isMasked (image, 28, 190));  // above 40 + 154.5
    EXPECT_FALSE (isMasked (image, 28, 197)); // below it
    EXPECT_FALSE (isMasked (image, 34, 60));  // 0 dB shows the whole strip
    EXPECT_FALSE (isMasked (image, 30, 200)); // the gap between two strips is never masked
    EXPECT_TRUE (isMasked (image, 105, 300));
}
} // namespace
