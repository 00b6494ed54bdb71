/*
    Tests of the presets: each one sets the six controls and so the parameters,
    from any earlier state and with the link on or off; choices outside the five
    and changes of the children with nothing pending apply nothing; the menu's
    rows have the sizes the menu is laid out with.
*/
#include "EditorTestSupport.h"
#include "editor/PresetCustomComponent.h"
#include "editor/PresetTable.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using EditorTest::automate;
using EditorTest::parameterValue;

class PresetTest : public ::testing::Test
{
protected:
    /** What the menu's click handler does with a choice. */
    void choose (int id)
    {
        editor->presetSegment.selectedPreset = id;
        editor->presetSegment.presetPending = true;
        editor->childrenChanged();
    }

    /** A state far from every preset, with the link on. */
    void moveEverything()
    {
        automate (processor, IDs::inputGain, -4.0f);
        automate (processor, IDs::outputGain, 9.5f);
        automate (processor, IDs::width, -12.0f);
        automate (processor, IDs::widthEq, 1.5f);
        automate (processor, IDs::widthEqSwitch, 0.0f);
        automate (processor, IDs::ioLinkSwitch, 1.0f);
    }

    void expectParameters (const Preset& p)
    {
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), p.inputGain);
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), p.outputGain);
        EXPECT_EQ (parameterValue (processor, IDs::ioLinkSwitch) > 0.5f, p.ioLink);
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), p.width);
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::widthEq), p.widthEq);
        EXPECT_EQ (parameterValue (processor, IDs::widthEqSwitch) > 0.5f, p.widthEqSwitch);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor = EditorTest::openEditor (processor);
};

class EachPreset : public PresetTest, public ::testing::WithParamInterface<Preset>
{
};

TEST_P (EachPreset, SetsItsValuesWhateverCameBefore)
{
    moveEverything();
    choose (GetParam().id);
    // Once every asynchronous notification has arrived, the link has moved nothing.
    EditorTest::pumpPendingMessages();
    EditorTest::pumpPendingMessages();
    expectParameters (GetParam());

    auto& eq = editor->eqSegment;
    EXPECT_EQ (eq.eqSlider.isEnabled(), GetParam().widthEqSwitch);
    EXPECT_EQ (eq.sliderLaF.eqEnabled, GetParam().widthEqSwitch);
    EXPECT_FALSE (editor->presetSegment.presetPending);
}

TEST_P (EachPreset, ChosenAgainAppliesAgain)
{
    choose (GetParam().id);
    EditorTest::pumpPendingMessages();
    moveEverything();
    choose (GetParam().id);
    EditorTest::pumpPendingMessages();
    EditorTest::pumpPendingMessages();
    expectParameters (GetParam());
}

INSTANTIATE_TEST_SUITE_P (Table, EachPreset, ::testing::ValuesIn (presetTable),
                          [] (const auto& info) { return juce::String (info.param.name).removeCharacters (" ").toStdString(); });

TEST_F (PresetTest, MoreColorLeavesTheLinkOnAndTheGainsApart)
{
    choose (5);
    EditorTest::pumpPendingMessages();
    EditorTest::pumpPendingMessages();
    EXPECT_TRUE (editor->ioSegment.linkButton.getToggleState());
    EXPECT_DOUBLE_EQ (editor->ioSegment.inputSlider.getValue(), 7.0);
    EXPECT_DOUBLE_EQ (editor->ioSegment.outputSlider.getValue(), -7.0);

    // The link works from there as usual.
    editor->ioSegment.inputSlider.setValue (8.0, juce::sendNotificationSync);
    EXPECT_DOUBLE_EQ (editor->ioSegment.outputSlider.getValue(), -8.0);
}

TEST_F (PresetTest, ExtremelyWideSwitchesTheEqOffAndKeepsItsValue)
{
    choose (4);
    EditorTest::pumpPendingMessages();
    EXPECT_FALSE (editor->eqSegment.eqToggle.getToggleState());
    EXPECT_FALSE (editor->eqSegment.eqSlider.isEnabled());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::widthEq), 3.0f);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), -0.5f);
}

TEST_F (PresetTest, NothingPendingOrOutOfRangeAppliesNothing)
{
    moveEverything();
    editor->presetSegment.selectedPreset = 3;
    editor->childrenChanged(); // a child added or removed: nothing pending
    for (const auto id : { 0, 6, PresetSegment::topSpacerId, PresetSegment::bottomSpacerId })
    {
        choose (id);
        EXPECT_FALSE (editor->presetSegment.presetPending) << id;
    }
    EditorTest::pumpPendingMessages();
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), -12.0f);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), -4.0f);
    EXPECT_TRUE (editor->ioSegment.linkButton.getToggleState());
}

TEST_F (PresetTest, NewWindowStartsWithNoChoice)
{
    choose (2);
    editor.reset();
    editor = EditorTest::openEditor (processor);
    EXPECT_EQ (editor->presetSegment.selectedPreset, 0);
    EXPECT_FALSE (editor->presetSegment.presetPending);
}

TEST (PresetMenuRows, FitTheirParentArea)
{
    int width = 0;
    int height = 0;
    for (const auto kind : { PresetCustomComponent::topSpacer, PresetCustomComponent::presetRow, PresetCustomComponent::presetRow,
                             PresetCustomComponent::presetRow, PresetCustomComponent::presetRow, PresetCustomComponent::presetRow,
                             PresetCustomComponent::bottomSpacer })
    {
        PresetCustomComponent row;
        row.kind = kind;
        int w = 0;
        int h = 0;
        row.getIdealSize (w, h);
        EXPECT_EQ (w, PresetCustomComponent::idealWidth());
        EXPECT_EQ (h, PresetCustomComponent::idealHeight (kind));
        width = std::max (width, w);
        height += h;
    }
    EXPECT_EQ (width, 95);
    EXPECT_EQ (height, 139);
}

TEST (PresetButton, ShowsTheSmallFaceOnlyWhileHeld)
{
    PresetImageBtn button;
    button.setSize (84, 44);
    // (8, 22) lies on the 78 x 36 face at (3, 4) but left of the 55 x 13 pressed one at (15, 16).
    EXPECT_GT (EditorTest::render (button, juce::Colours::transparentBlack).getPixelAt (8, 22).getAlpha(), 200);
    button.setState (juce::Button::buttonDown);
    const auto held = EditorTest::render (button, juce::Colours::transparentBlack);
    EXPECT_EQ (held.getPixelAt (8, 22).getAlpha(), 0);
    EXPECT_GT (held.getPixelAt (42, 22).getAlpha(), 200);
    button.setState (juce::Button::buttonOver);
    EXPECT_GT (EditorTest::render (button, juce::Colours::transparentBlack).getPixelAt (8, 22).getAlpha(), 200);
}
} // namespace
