/*
    The preset button: an image button that draws its own face, and a smaller
    pressed face while the mouse is held down on it.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class PresetImageBtn : public juce::ImageButton
{
public:
    PresetImageBtn();

    /** Draws the face of the button's state; hovering changes nothing. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    juce::Image presetButtonImage;
    juce::Image presetPressedImage;
    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetImageBtn)
};
