/*
    Tests of the editor window's construction and layout: its fixed size, the
    order of its children and the bounds the first paint gives them.
*/
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class EditorLayoutTest : public ::testing::Test
{
protected:
    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor = EditorTest::openEditor (processor);
};

TEST_F (EditorLayoutTest, WindowIsFixedAt720By480)
{
    EXPECT_EQ (editor->getWidth(), 720);
    EXPECT_EQ (editor->getHeight(), 480);
    EXPECT_FALSE (editor->isResizable());
    EXPECT_EQ (editor->resizableCorner, nullptr);
    EXPECT_TRUE (processor.hasEditor());
}

TEST_F (EditorLayoutTest, ChildrenStackFromBackgroundButtonUp)
{
    // Later children lie above earlier ones: bypass covers information, and both
    // cover everything else.
    const juce::Component* children[] = { &editor->backgroundButton, &editor->presetSegment, &editor->ioSegment,
                                          &editor->widthSegment,     &editor->eqSegment,     &editor->informationSegment,
                                          &editor->bypassSegment };
    ASSERT_EQ (editor->getNumChildComponents(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ (editor->getChildComponent (i), children[i]) << i;

    auto& segment = editor->ioSegment;
    const juce::Component* expected[] = { &segment.volumeMeter, &segment.inputSlider, &segment.outputSlider,
                                          &segment.linkButton };
    ASSERT_EQ (segment.getNumChildComponents(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (segment.getChildComponent (i), expected[i]) << i;
}

TEST_F (EditorLayoutTest, FirstPaintPlacesEveryChild)
{
    auto& segment = editor->ioSegment;
    EXPECT_TRUE (segment.getBounds().isEmpty());
    EXPECT_TRUE (segment.inputSlider.getBounds().isEmpty());

    EditorTest::render (*editor);

    using R = juce::Rectangle<int>;
    EXPECT_EQ (editor->backgroundButton.getBounds(), R (0, 0, 720, 480));
    EXPECT_EQ (segment.getBounds(), R (38, 57, 150, 410));
    EXPECT_EQ (segment.volumeMeter.getBounds(), R (0, 0, 150, 410));
    EXPECT_EQ (segment.inputSlider.getBounds(), R (4, 33, 52, 323));
    EXPECT_EQ (segment.outputSlider.getBounds(), R (82, 33, 52, 323));
    EXPECT_EQ (segment.linkButton.getBounds(), R (53, 160, 35, 47));
    EXPECT_EQ (segment.volumeMeter.inputPeakButton.getBounds(), R (-4, 0, 69, 23));
    EXPECT_EQ (segment.volumeMeter.outputPeakButton.getBounds(), R (73, 0, 69, 23));

    EXPECT_EQ (editor->presetSegment.getBounds(), R (66, 23, 84, 44));
    EXPECT_EQ (editor->widthSegment.getBounds(), R (205, 83, 310, 310));
    EXPECT_EQ (editor->eqSegment.getBounds(), R (540, 70, 160, 380));
    EXPECT_EQ (editor->informationSegment.getBounds(), R (522, 443, 190, 30));
    EXPECT_EQ (editor->bypassSegment.getBounds(), R (533, 23, 86, 44));
    EXPECT_EQ (editor->widthSegment.widthSlider.getBounds(), R (20, 20, 271, 271));
    EXPECT_EQ (editor->widthSegment.widthLabel.getBounds(), R (130, 185, 50, 25));
    EXPECT_EQ (editor->eqSegment.eqSlider.getBounds(), R (0, 0, 160, 330));
    EXPECT_EQ (editor->eqSegment.eqToggle.getBounds(), R (5, 310, 64, 64));
    EXPECT_EQ (editor->presetSegment.presetButton.getBounds(), R (0, 0, 84, 44));
}

TEST_F (EditorLayoutTest, BackgroundIsHalvedOnceAndCoversTheWindow)
{
    EXPECT_EQ (editor->backgroundImage.getWidth(), 1446);
    EXPECT_EQ (editor->backgroundImage.getHeight(), 966);

    // No white from the fill beneath may show anywhere at the window's edges.
    const auto image = EditorTest::render (*editor, juce::Colours::red);
    for (const auto& p : { juce::Point<int> (0, 0), { 719, 0 }, { 0, 479 }, { 719, 479 }, { 360, 0 }, { 360, 479 } })
        EXPECT_NE (image.getPixelAt (p.x, p.y), juce::Colours::white) << p.toString();
}

TEST_F (EditorLayoutTest, ClosingTheEditorReleasesIt)
{
    EXPECT_EQ (processor.getActiveEditor(), editor.get());
    editor.reset();
    EXPECT_EQ (processor.getActiveEditor(), nullptr);
}
} // namespace
