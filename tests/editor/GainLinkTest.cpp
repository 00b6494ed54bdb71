/*
    Tests of the input/output segment inside the editor: the faders and the link
    switch follow their parameters and back, and the gain link compensates a move
    of one fader with the other, also under host automation while the editor is open.
*/
#include "CommaLocale.h"
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using EditorTest::automate;
using EditorTest::parameterValue;

class GainLinkTest : public ::testing::Test
{
protected:
    GainLinkTest() : editor (EditorTest::openEditor (processor)) {}

    /** A user's drag: the fader sets its value and tells its listeners at once. */
    static void drag (juce::Slider& fader, double value) { fader.setValue (value, juce::sendNotificationSync); }

    void setLink (bool on) { editor->ioSegment.linkButton.setToggleState (on, juce::sendNotificationSync); }

    double input() const { return editor->ioSegment.inputSlider.getValue(); }
    double output() const { return editor->ioSegment.outputSlider.getValue(); }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor;
    juce::Slider& inputFader = editor->ioSegment.inputSlider;
    juce::Slider& outputFader = editor->ioSegment.outputSlider;
};

TEST_F (GainLinkTest, LinkedMoveSetsTheOppositeChangeOnTheOtherFader)
{
    setLink (true);
    drag (inputFader, 6.0);
    EXPECT_DOUBLE_EQ (output(), -6.0);
    drag (outputFader, -3.0);
    EXPECT_DOUBLE_EQ (input(), 3.0);

    EditorTest::pumpPendingMessages();
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), 3.0f);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), -3.0f);
    EXPECT_DOUBLE_EQ (input(), 3.0); // the deferred notifications moved nothing back
}

TEST_F (GainLinkTest, ReturnToDefaultIsCompensatedToo)
{
    setLink (true);
    drag (inputFader, 6.0);
    drag (inputFader, inputFader.getDoubleClickReturnValue());
    EXPECT_DOUBLE_EQ (input(), 0.0);
    EXPECT_DOUBLE_EQ (output(), 0.0);
}

TEST_F (GainLinkTest, ClampedSurplusIsNotRestored)
{
    drag (outputFader, -18.0);
    setLink (true);
    drag (inputFader, 5.0);
    EXPECT_DOUBLE_EQ (output(), -20.0);
    drag (inputFader, 0.0);
    EXPECT_DOUBLE_EQ (output(), -15.0);
}

TEST_F (GainLinkTest, UnlinkedFadersMoveAlone)
{
    drag (inputFader, 4.0);
    drag (outputFader, -2.5);
    setLink (true); // switching the link on does not apply earlier moves
    EditorTest::pumpPendingMessages();
    EXPECT_DOUBLE_EQ (input(), 4.0);
    EXPECT_DOUBLE_EQ (output(), -2.5);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), 4.0f);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), -2.5f);
}

TEST_F (GainLinkTest, OpeningTheEditorMovesNothing)
{
    editor.reset();
    automate (processor, IDs::inputGain, 5.0f);
    automate (processor, IDs::outputGain, -2.0f);
    automate (processor, IDs::ioLinkSwitch, 1.0f);

    editor = EditorTest::openEditor (processor);
    EditorTest::pumpPendingMessages();
    EXPECT_DOUBLE_EQ (editor->prevInputValue, 5.0);
    EXPECT_DOUBLE_EQ (editor->prevOutputValue, -2.0);
    EXPECT_TRUE (editor->ioSegment.linkButton.getToggleState());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), 5.0f);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), -2.0f);
}

TEST_F (GainLinkTest, HostAutomationMovesTheOtherGainWhileLinked)
{
    automate (processor, IDs::ioLinkSwitch, 1.0f);
    ASSERT_TRUE (editor->ioSegment.linkButton.getToggleState());

    automate (processor, IDs::inputGain, 4.0f);
    EXPECT_DOUBLE_EQ (input(), 4.0);
    EXPECT_DOUBLE_EQ (output(), -4.0);
    EXPECT_TRUE (EditorTest::pumpMessagesUntil ([this] { return parameterValue (processor, IDs::outputGain) == -4.0f; }));
}

TEST_F (GainLinkTest, HostAutomationFromAnotherThreadArrivesOnTheMessageThread)
{
    automate (processor, IDs::ioLinkSwitch, 1.0f);
    std::thread host ([this] { automate (processor, IDs::outputGain, -7.5f); });
    host.join();
    EXPECT_TRUE (EditorTest::pumpMessagesUntil ([this] { return parameterValue (processor, IDs::inputGain) == 7.5f; }));
    EXPECT_DOUBLE_EQ (output(), -7.5);
}

TEST_F (GainLinkTest, ClosedEditorLinksNothing)
{
    automate (processor, IDs::ioLinkSwitch, 1.0f);
    editor.reset();
    automate (processor, IDs::inputGain, 6.0f);
    EditorTest::pumpPendingMessages();
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), 0.0f);
}

TEST_F (GainLinkTest, ControlsFollowTheirParametersAndBack)
{
    automate (processor, IDs::outputGain, -12.5f);
    EXPECT_DOUBLE_EQ (output(), -12.5);

    editor->ioSegment.linkButton.setToggleState (true, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::ioLinkSwitch), 1.0f);
    automate (processor, IDs::ioLinkSwitch, 0.0f);
    EXPECT_FALSE (editor->ioSegment.linkButton.getToggleState());

    EXPECT_DOUBLE_EQ (inputFader.getMinimum(), -20.0);
    EXPECT_DOUBLE_EQ (inputFader.getMaximum(), 20.0);
    EXPECT_NEAR (inputFader.getInterval(), 0.01, 1.0e-6);
}

TEST (FaderThumb, ShowsOneDecimalInFixedNotation)
{
    EXPECT_EQ (IOSliderLaF::thumbText (-0.04), "-0.0");
    EXPECT_EQ (IOSliderLaF::thumbText (12.34), "12.3");
    EXPECT_EQ (IOSliderLaF::thumbText (20.0), "20.0");
    EXPECT_EQ (IOSliderLaF::thumbText (-12.5), "-12.5");
}

TEST (FaderThumb, KeepsItsDecimalPointUnderACommaLocale)
{
    duveline::test::ScopedCommaLocale comma (duveline::test::HostLocale::cppGlobal);
    ASSERT_TRUE (comma.IsActive()) << duveline::test::ScopedCommaLocale::missing;
    EXPECT_EQ (IOSliderLaF::thumbText (-12.5), "-12.5");
}

TEST (FaderThumb, TravelsLinearlyFromBottomToTop)
{
    IOSliderLaF laf;
    juce::Slider fader;
    fader.setRange (-20.0, 20.0, 0.01);
    fader.setSize (52, 323);
    const std::pair<double, int> expectedTops[] = { { -20.0, 273 }, { 0.0, 134 }, { 20.0, -5 } };
    for (const auto& [value, top] : expectedTops)
    {
        fader.setValue (value);
        EXPECT_EQ (laf.getThumbBounds (fader), juce::Rectangle<int> (-2, top, 56, 56)) << value;
    }
}
} // namespace
