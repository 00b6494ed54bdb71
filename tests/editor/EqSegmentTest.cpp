/*
    Tests of the Width EQ segment: the switch, the look-and-feel's flag, the arc's
    enablement and the click area stay in step however the switch changes, the
    click area only ever switches the EQ on, and the arc is masked beyond the value
    and completely while the EQ is off.
*/
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using EditorTest::automate;
using EditorTest::parameterValue;

class EqSegmentTest : public ::testing::Test
{
protected:
    void openEditor()
    {
        editor = EditorTest::openEditor (processor);
        EditorTest::render (*editor);
    }

    /** The switch and everything that follows it agree; returns the switch state. */
    bool expectInStep()
    {
        auto& eq = editor->eqSegment;
        EditorTest::render (*editor); // the click area follows at the next layout
        const auto on = eq.eqToggle.getToggleState();
        EXPECT_EQ (parameterValue (processor, IDs::widthEqSwitch) > 0.5f, on);
        EXPECT_EQ (eq.sliderLaF.eqEnabled, on);
        EXPECT_EQ (eq.eqSlider.isEnabled(), on);
        EXPECT_EQ (eq.enableButton.isVisible(), !on);
        return on;
    }

    /** Whether the arc shows its colour at `angle` rather than the mask's. */
    bool arcShowsAt (float angle)
    {
        const auto image = EditorTest::render (*editor);
        // Window coordinates of the arc's centre; the band lies between 259 and 291 out.
        const auto x = 540.0f - 181.8f + 275.0f * std::sin (angle);
        const auto y = 70.0f + 170.0f - 275.0f * std::cos (angle);
        return !EditorTest::isMaskColour (image.getPixelAt ((int)x, (int)y), 12);
    }

    float angleOf (float widthEq) const
    {
        const auto rotary = editor->eqSegment.eqSlider.getRotaryParameters();
        return rotary.startAngleRadians + (widthEq - 1.0f) / 3.0f * (rotary.endAngleRadians - rotary.startAngleRadians);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor;
};

TEST_F (EqSegmentTest, OpensInStepWithTheSwitchEitherWay)
{
    openEditor();
    EXPECT_TRUE (expectInStep());

    editor.reset();
    automate (processor, IDs::widthEqSwitch, 0.0f);
    openEditor();
    EXPECT_FALSE (expectInStep());
    EXPECT_EQ (editor->eqSegment.enableButton.getBounds(), juce::Rectangle<int> (20, 0, 120, 320));
}

TEST_F (EqSegmentTest, StaysInStepWithTheHostAndTheSwitch)
{
    openEditor();
    automate (processor, IDs::widthEqSwitch, 0.0f);
    EXPECT_FALSE (expectInStep());
    automate (processor, IDs::widthEqSwitch, 1.0f);
    EXPECT_TRUE (expectInStep());

    editor->eqSegment.eqToggle.triggerClick();
    EditorTest::pumpPendingMessages();
    EXPECT_FALSE (expectInStep());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::widthEq), 3.0f);
}

TEST_F (EqSegmentTest, ClickAreaOnlySwitchesOn)
{
    openEditor();
    auto& eq = editor->eqSegment;
    automate (processor, IDs::widthEq, 2.0f);
    automate (processor, IDs::widthEqSwitch, 0.0f);

    eq.enableButton.triggerClick();
    EditorTest::pumpPendingMessages();
    EXPECT_TRUE (expectInStep());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::widthEq), 2.0f);

    // Still clickable by code while hidden: it must not switch the EQ back off.
    eq.enableButton.triggerClick();
    EditorTest::pumpPendingMessages();
    EXPECT_TRUE (expectInStep());
}

TEST_F (EqSegmentTest, ArcShowsUpToTheValueWhileOn)
{
    openEditor();
    automate (processor, IDs::widthEq, 2.5f);
    EXPECT_TRUE (arcShowsAt (angleOf (2.2f)));
    EXPECT_FALSE (arcShowsAt (angleOf (2.8f)));

    automate (processor, IDs::widthEq, 4.0f);
    EXPECT_TRUE (arcShowsAt (angleOf (3.9f)));
}

TEST_F (EqSegmentTest, ArcIsCoveredWhileOffWhateverTheValue)
{
    openEditor();
    automate (processor, IDs::widthEq, 4.0f);
    automate (processor, IDs::widthEqSwitch, 0.0f);
    for (const auto value : { 1.0f, 1.5f, 2.5f, 3.5f, 3.95f })
        EXPECT_FALSE (arcShowsAt (angleOf (value))) << value;
}
} // namespace
