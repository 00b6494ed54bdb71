/*
    Tests of the bypass and information segments: which component a click at any
    point of the window reaches in each of the four layouts, the host switching
    the bypass overlay, the faces keeping their place, and the manual's address.
*/
#include "EditorTestSupport.h"
#include "editor/Artwork.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using EditorTest::automate;
using juce::Point;

class BypassAndInformationTest : public ::testing::Test
{
protected:
    BypassAndInformationTest()
    {
        // Only a visible component finds the child under a point.
        editor->setVisible (true);
        EditorTest::render (*editor);
    }

    /** The component a click at `p` of the window lands on, after the layout. */
    juce::Component* clickTarget (Point<int> p)
    {
        EditorTest::render (*editor);
        return editor->getComponentAt (p);
    }

    void openInformation()
    {
        editor->informationSegment.infoButton.setToggleState (true, juce::sendNotificationSync);
        EditorTest::render (*editor);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor = EditorTest::openEditor (processor);
    BypassToggleBtn& bypassButton = editor->bypassSegment.bypassButton;
    InformationSegment& information = editor->informationSegment;
};

// Points on the faders, the knob, the arc, the presets, the panel, the manual link
// and the two buttons.
const Point<int> everywhere[] = { { 68, 250 },  { 146, 300 }, { 360, 238 }, { 620, 200 }, { 108, 45 },
                                  { 300, 200 }, { 360, 274 }, { 576, 45 },  { 617, 458 }, { 5, 475 } };

TEST_F (BypassAndInformationTest, WhileBypassedEveryClickReachesTheBypassButton)
{
    openInformation();
    automate (processor, IDs::bypass, 1.0f);
    for (const auto& p : everywhere)
        EXPECT_EQ (clickTarget (p), &bypassButton) << p.toString();
}

TEST_F (BypassAndInformationTest, HostSwitchesTheOverlayWithoutAClick)
{
    const auto centre = [this] { return EditorTest::render (*editor).getPixelAt (360, 420); };
    const auto before = centre();

    automate (processor, IDs::bypass, 1.0f);
    EXPECT_TRUE (bypassButton.getToggleState());
    EXPECT_EQ (clickTarget ({ 360, 238 }), &bypassButton);
    EXPECT_NE (centre(), before);

    automate (processor, IDs::bypass, 0.0f);
    EXPECT_EQ (clickTarget ({ 360, 238 }), &editor->widthSegment.widthSlider);
    EXPECT_EQ (centre(), before);
}

TEST_F (BypassAndInformationTest, ClickOnTheOverlaySwitchesBypassOff)
{
    automate (processor, IDs::bypass, 1.0f);
    bypassButton.triggerClick();
    EditorTest::pumpPendingMessages();
    EXPECT_FLOAT_EQ (EditorTest::parameterValue (processor, IDs::bypass), 0.0f);
    EXPECT_EQ (editor->bypassSegment.getBounds(), juce::Rectangle<int> (533, 23, 86, 44));
}

TEST_F (BypassAndInformationTest, OpenPanelTakesEveryClickButTheBypassButtons)
{
    openInformation();
    EXPECT_EQ (clickTarget ({ 300, 200 }), &information.panelArea);
    EXPECT_EQ (clickTarget ({ 360, 274 }), &information.manualButton);
    EXPECT_EQ (clickTarget ({ 576, 45 }), &bypassButton);
    for (const auto& p : { Point<int> (68, 250), { 360, 120 }, { 620, 200 }, { 108, 45 }, { 617, 458 } })
        EXPECT_EQ (clickTarget (p), &information.infoButton) << p.toString();

    // Closed, the panel's click areas are out of reach.
    information.infoButton.setToggleState (false, juce::sendNotificationSync);
    EXPECT_EQ (clickTarget ({ 360, 274 }), &editor->widthSegment.widthSlider);
    EXPECT_FALSE (information.manualButton.isEnabled());
}

TEST_F (BypassAndInformationTest, ManualOpensOnTheMakersSiteAndKeepsThePanel)
{
    juce::StringArray opened;
    information.openPage = [&] (const juce::URL& url) { opened.add (url.toString (true)); };
    openInformation();
    information.manualButton.triggerClick();
    information.panelArea.triggerClick();
    EditorTest::pumpPendingMessages();

    ASSERT_EQ (opened.size(), 1);
    const juce::URL url (opened[0]);
    EXPECT_TRUE (url.getDomain().endsWith (".example")) << opened[0];
    EXPECT_TRUE (opened[0].endsWith ("/product/duveline/#user-manual")) << opened[0];
    EXPECT_TRUE (information.infoButton.getToggleState());
}

TEST_F (BypassAndInformationTest, InformationStartsClosedInEveryNewWindow)
{
    openInformation();
    editor.reset();
    editor = EditorTest::openEditor (processor);
    EXPECT_FALSE (editor->informationSegment.infoButton.getToggleState());
}

TEST (ToggleFaces, KeepTheirPlaceWhenTheToggleCoversTheWindow)
{
    BypassToggleBtn bypass;
    InfoToggleBtn info;
    const auto bypassSmall = Artwork::centredQuarter (bypass.bypassButtonImage, 86, 44, 1.0f).translated (533, 23);
    const auto bypassLarge =
        Artwork::anchoredQuarter (bypass.bypassButtonImage, BypassToggleBtn::anchorX, BypassToggleBtn::anchorY, 1.0f);
    EXPECT_EQ (bypassSmall, juce::Rectangle<int> (537, 27, 78, 36));
    EXPECT_EQ (bypassLarge, bypassSmall);

    const auto infoSmall = Artwork::centredQuarter (info.infoButtonImage, 190, 30, 1.0f).translated (522, 443);
    const auto infoLarge = Artwork::anchoredQuarter (info.infoButtonImage, InfoToggleBtn::anchorX, InfoToggleBtn::anchorY, 1.0f);
    EXPECT_EQ (infoSmall, juce::Rectangle<int> (528, 443, 178, 30));
    EXPECT_EQ (infoLarge, infoSmall);
}

TEST (ToggleFaces, HeldBypassLiftsTheOverlay)
{
    BypassToggleBtn bypass;
    bypass.setSize (720, 480);
    bypass.setToggleState (true, juce::dontSendNotification);
    const auto overlay = EditorTest::render (bypass, juce::Colours::transparentBlack).getPixelAt (360, 420);
    EXPECT_GT (overlay.getAlpha(), 200);

    bypass.setState (juce::Button::buttonDown);
    const auto held = EditorTest::render (bypass, juce::Colours::transparentBlack);
    EXPECT_EQ (held.getPixelAt (360, 420).getAlpha(), 0);
    EXPECT_GT (held.getPixelAt (576, 45).getAlpha(), 200); // the face stays
}
} // namespace
