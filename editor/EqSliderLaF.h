/*
    Look-and-feel of the Width EQ arc: the arc picture, mostly outside the control,
    and a mask over the band beyond the current value. While the EQ is off the
    mask covers the whole band whatever the value.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class EqSliderLaF : public juce::LookAndFeel_V4
{
public:
    EqSliderLaF();

    /** The position and size arguments and the slider are unused: the arc is laid
        out about a fixed centre to the left of the control. */
    void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPosProportional,
                           float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider) override;

    /** The angle the mask reaches for a value while the EQ is on, or the fixed
        angle past the start that covers everything while it is off. */
    float maskAngle (float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle) const;
    /** The band painted in the mask colour, from the end angle to `angle`. */
    juce::Path maskPath (float angle, float rotaryEndAngle) const;

    bool eqEnabled = true;
    float scale = 1.0f;
    juce::Image eqArcImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EqSliderLaF)
};
