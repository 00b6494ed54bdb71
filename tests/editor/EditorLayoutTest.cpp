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
    ASSERT_GE (editor->getNumChildComponents(), 2);
    EXPECT_EQ (editor->getChildComponent (0), &editor->backgroundButton);
    EXPECT_EQ (editor->getChildComponent (1), &editor->ioSegment);

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
