/*
    The Width EQ switch: a toggle button drawn from two pictures, the on and the
    off face.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class EQToggleBtn : public juce::ToggleButton
{
public:
    EQToggleBtn();

    /** Draws the face of the toggle state; hover and press do not change it. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    float scale = 1.0f;
    juce::Image eqOnImage;
    juce::Image eqOffImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EQToggleBtn)
};
