/*
    Look-and-feel of the width knob: the ring picture, a mask over the part of the
    ring beyond the current value with a rounded tip, and the knob cap on top.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WidthSliderLaF : public juce::LookAndFeel_V4
{
public:
    WidthSliderLaF();

    /** Draws in a fixed 271-unit square; the position and size arguments are unused. */
    void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPosProportional,
                           float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider) override;

    /** The region painted in the mask colour for the knob angle `angle`. */
    juce::Path maskPath (float angle, float rotaryEndAngle) const;

    float scale = 1.0f;
    juce::Image widthRingImage;
    juce::Image widthKnobImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WidthSliderLaF)
};
