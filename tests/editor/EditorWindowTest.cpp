/*
    Opens the editor in a real window on the (virtual) X display, plays audio
    through the processor so that the meters move, and writes screenshots of the
    window into the build folder for a person to look at.
*/
#include "EditorTestSupport.h"
#include "WindowManagerAtoms.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;

class EditorWindowTest : public ::testing::Test
{
protected:
    static constexpr double sampleRate = 48000.0;
    static constexpr int blockSize = 512;

    static void SetUpTestSuite() { ASSERT_TRUE (createWindowManagerAtoms()) << "no X display: run this test under xvfb-run"; }

    void SetUp() override
    {
        processor.prepareToPlay (sampleRate, blockSize);
        playBlock (0.0f); // a host plays silence before anything else

        editor = EditorTest::openEditor (processor);
        editor->addToDesktop (0);
        editor->setVisible (true);
        // The first paint lays the window out.
        ASSERT_TRUE (EditorTest::pumpMessagesUntil ([this] { return !editor->ioSegment.getBounds().isEmpty(); }));
    }

    void TearDown() override
    {
        editor->removeFromDesktop();
        editor.reset();
        processor.releaseResources();
    }

    /** One block of a 1 kHz sine at `amplitude`, played the way the host's audio thread would. */
    void playBlock (float amplitude)
    {
        juce::AudioBuffer<float> buffer (2, blockSize);
        for (int i = 0; i < blockSize; ++i)
        {
            const auto sample =
                amplitude * (float)std::sin (juce::MathConstants<double>::twoPi * 1000.0 * (double)(phase + i) / sampleRate);
            buffer.setSample (0, i, sample);
            buffer.setSample (1, i, 0.5f * sample);
        }
        phase += blockSize;
        juce::MidiBuffer midi;
        processor.processBlock (buffer, midi);
    }

    /** Plays blocks and runs the message loop until `done` holds (bounded). */
    bool playUntil (float amplitude, const std::function<bool()>& done)
    {
        return EditorTest::pumpMessagesUntil (
            [&]
            {
                playBlock (amplitude);
                return done();
            });
    }

    /** Repaints the window and writes what it shows to the screenshot folder. */
    juce::Image screenshot (const juce::String& name)
    {
        editor->repaint();
        EditorTest::pumpPendingMessages();
        return WindowTest::screenshot (*editor, name);
    }

    static bool showsPanel (const juce::Image& image, int x, int y)
    {
        return EditorTest::isMaskColour (image.getPixelAt (x, y), 2);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor;
    int phase = 0;
};

TEST_F (EditorWindowTest, OpensAFixedWindowOf720By480)
{
    auto* peer = editor->getPeer();
    ASSERT_NE (peer, nullptr);
    EXPECT_EQ (peer->getBounds().getWidth(), 720);
    EXPECT_EQ (peer->getBounds().getHeight(), 480);
    EXPECT_FALSE (editor->isResizable());

    const auto image = screenshot ("default.png");
    // Silence: every meter strip is masked in the panel colour.
    for (const auto x : { 38 + 28, 38 + 34, 38 + 105, 38 + 111 })
        EXPECT_TRUE (showsPanel (image, x, 57 + 320)) << x;
}

TEST_F (EditorWindowTest, MetersFollowTheAudioAndHoldTheClip)
{
    auto& meter = editor->ioSegment.volumeMeter;
    ASSERT_TRUE (playUntil (0.5f, [&] { return meter.shownLevels[0] > -10.0f && meter.shownLevels[2] > -60.0f; }));
    const auto moving = screenshot ("meters.png");
    EXPECT_FALSE (showsPanel (moving, 38 + 28, 57 + 320)); // input left strip shows its colour
    EXPECT_EQ (meter.getTimerInterval(), 50);

    ASSERT_TRUE (playUntil (1.5f, [&] { return meter.inputPeak > 0.0f; }));
    const auto clipping = screenshot ("clipping.png");
    int red = 0;
    for (int y = 57; y < 80; ++y)
        for (int x = 34; x < 103; ++x)
            red += clipping.getPixelAt (x, y).getRed() > 200 && clipping.getPixelAt (x, y).getGreen() < 100;
    EXPECT_GT (red, 10);
}

TEST_F (EditorWindowTest, LinkedFadersMoveTogether)
{
    auto& segment = editor->ioSegment;
    segment.linkButton.setToggleState (true, juce::sendNotificationSync);
    segment.inputSlider.setValue (6.0, juce::sendNotificationSync);
    EXPECT_TRUE (
        EditorTest::pumpMessagesUntil ([this] { return EditorTest::parameterValue (processor, IDs::outputGain) == -6.0f; }));
    screenshot ("linked.png");
}

TEST_F (EditorWindowTest, ClickAwayFromTheThumbLeavesTheFader)
{
    auto& fader = editor->ioSegment.inputSlider;
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const auto click = [&] (juce::Point<float> at, int clicks)
    {
        const auto now = juce::Time::getCurrentTime();
        const juce::MouseEvent event (source, at, juce::ModifierKeys::leftButtonModifier, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &fader,
                                      &fader, now, at, now, clicks, false);
        fader.mouseDown (event);
        fader.mouseUp (event.withNewPosition (at));
    };

    fader.setValue (3.0, juce::sendNotificationSync);
    click ({ 26.0f, 20.0f }, 1); // well above the thumb
    EXPECT_DOUBLE_EQ (fader.getValue(), 3.0);
    fader.mouseDoubleClick (juce::MouseEvent (source, { 26.0f, 20.0f }, {}, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &fader, &fader,
                                              juce::Time::getCurrentTime(), { 26.0f, 20.0f }, juce::Time::getCurrentTime(), 2,
                                              false));
    EXPECT_DOUBLE_EQ (fader.getValue(), 0.0);
}
} // namespace
