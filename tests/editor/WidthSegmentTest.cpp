/*
    Tests of the width knob and its read-out: typed values reach "Width" clamped
    and snapped (and never as NaN), the read-out shows and hides with the pointer,
    follows every value change, and the ring is masked beyond the value.
*/
#include "CommaLocale.h"
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using duveline::test::HostLocale;
using duveline::test::ScopedCommaLocale;
using EditorTest::parameterValue;

class WidthSegmentTest : public ::testing::Test
{
protected:
    WidthSegmentTest() { EditorTest::render (*editor); }

    void type (const juce::String& text)
    {
        // What the label does when its editor commits text that differs.
        label.setText (text, juce::sendNotificationSync);
        EditorTest::pumpPendingMessages();
    }

    juce::MouseEvent mouseEvent (juce::Component& c)
    {
        const auto now = juce::Time::getCurrentTime();
        return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {}, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &c, &c,
                                 now, {}, now, 0, false);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor = EditorTest::openEditor (processor);
    WidthSlider& knob = editor->widthSegment.widthSlider;
    SliderLabel& label = editor->widthSegment.widthLabel;
};

struct TypedValue
{
    const char* text;
    float taken;
    const char* shown;
};

void PrintTo (const TypedValue& typed, std::ostream* os)
{
    *os << '"' << typed.text << '"';
}

class TypedWidth : public WidthSegmentTest, public ::testing::WithParamInterface<TypedValue>
{
};

TEST_P (TypedWidth, ReachesTheParameterAsTheReadOutShowsIt)
{
    knob.setValue (5.0, juce::sendNotificationSync);
    type (GetParam().text);
    EXPECT_EQ (label.getText(), GetParam().shown);
    EXPECT_NEAR (parameterValue (processor, IDs::width), GetParam().taken, 1.0e-5f);
    EXPECT_NEAR (knob.getValue(), GetParam().taken, 1.0e-5);
}

INSTANTIATE_TEST_SUITE_P (Texts, TypedWidth,
                          ::testing::Values (TypedValue { "abc", 0.0f, "0.0" }, TypedValue { "20", 15.0f, "15.0" },
                                             TypedValue { " -3", -3.0f, "-3.0" }, TypedValue { "2.04", 2.0f, "2.0" },
                                             TypedValue { "2.06", 2.1f, "2.1" }, TypedValue { "-1e3", -15.0f, "-15.0" },
                                             TypedValue { "inf", 15.0f, "15.0" }, TypedValue { "7.5 dB", 7.5f, "7.5" },
                                             // not-a-number is ignored: the knob keeps its value
                                             TypedValue { "nan", 5.0f, "5.0" }, TypedValue { "-nan", 5.0f, "5.0" },
                                             TypedValue { "1e4333333333", 15.0f, "15.0" }),
                          [] (const auto& info) { return "Case" + std::to_string (info.index); });

// A host may put its process in the user's locale; the read-out keeps reading and showing '.'.
TEST_F (WidthSegmentTest, ReadOutKeepsItsDecimalPointUnderACommaLocale)
{
    ScopedCommaLocale comma (HostLocale::cppGlobal);
    ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
    type ("2.5");
    EXPECT_EQ (label.getText(), "2.5");
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), 2.5f);
    EditorTest::automate (processor, IDs::width, -7.5f);
    EXPECT_EQ (label.getText(), "-7.5");
}

TEST_F (WidthSegmentTest, ReadOutStartsHiddenWithTheParameterValue)
{
    EXPECT_FALSE (label.isVisible());
    EXPECT_EQ (label.getText(), "0.0");
    EXPECT_EQ (label.getFont().getHeight(), 17.0f);
}

TEST_F (WidthSegmentTest, ReadOutFollowsThePointerFromKnobToReadOut)
{
    knob.mouseEnter (mouseEvent (knob));
    EXPECT_TRUE (label.isVisible());
    // Onto the read-out, which lies above the knob: the knob's exit comes first.
    knob.mouseExit (mouseEvent (knob));
    EXPECT_FALSE (label.isVisible());
    label.mouseEnter (mouseEvent (label));
    EXPECT_TRUE (label.isVisible());
    // Straight out of the segment from the read-out: it stays.
    label.mouseExit (mouseEvent (label));
    EXPECT_TRUE (label.isVisible());

    // A click on an empty part of the window hides it and changes nothing else.
    editor->backgroundButton.triggerClick();
    EditorTest::pumpPendingMessages();
    EXPECT_FALSE (label.isVisible());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), 0.0f);
}

TEST_F (WidthSegmentTest, HiddenReadOutFollowsTheHost)
{
    EditorTest::automate (processor, IDs::width, -7.5f);
    EXPECT_EQ (label.getText(), "-7.5");
    EXPECT_FALSE (label.isVisible());
}

/** Whether the knob's ring shows its colour at `angle` (the framework's rotary
    angle) rather than the mask's. */
bool ringShowsAt (const juce::Image& image, float angle)
{
    // Window coordinates of the knob's centre; the ring lies about 115 out.
    const auto x = 205 + 20 + 135.5f + 115.0f * std::sin (angle);
    const auto y = 83 + 20 + 135.5f - 115.0f * std::cos (angle);
    return !EditorTest::isMaskColour (image.getPixelAt ((int)x, (int)y), 12);
}

class RingMask : public WidthSegmentTest, public ::testing::WithParamInterface<float>
{
};

TEST_P (RingMask, CoversTheRingBeyondTheValue)
{
    EditorTest::automate (processor, IDs::width, GetParam());
    const auto image = EditorTest::render (*editor);
    const auto start = knob.getRotaryParameters().startAngleRadians;
    const auto end = knob.getRotaryParameters().endAngleRadians;
    const auto angle = start + (GetParam() + 15.0f) / 30.0f * (end - start);
    if (GetParam() > -15.0f)
    {
        EXPECT_TRUE (ringShowsAt (image, angle - 0.1f));
    }
    if (GetParam() < 15.0f)
    {
        EXPECT_FALSE (ringShowsAt (image, angle + 0.1f));
    }
    EXPECT_TRUE (ringShowsAt (image, start + 0.02f)); // the rounded tip past the start always shows
    EXPECT_EQ (ringShowsAt (image, end - 0.02f), GetParam() == 15.0f);
}

INSTANTIATE_TEST_SUITE_P (Widths, RingMask, ::testing::Values (-15.0f, -7.5f, 0.0f, 4.2f, 15.0f),
                          [] (const auto& info) { return "Case" + std::to_string (info.index); });
} // namespace
