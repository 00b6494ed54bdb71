/*
    The input/output link switch: a toggle button drawn from two pictures, the
    linked and the unlinked face.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class LinkToggleBtn : public juce::ToggleButton
{
public:
    LinkToggleBtn();

    /** Draws the face of the toggle state; hover and press do not change it. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    juce::Image linkOnImage;
    juce::Image linkOffImage;
    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LinkToggleBtn)
};
