/*
    The bypass switch. While bypass is on the editor gives it the whole window, and
    it paints the full-window overlay over its own face, so that any click in the
    window lands on it and switches bypass off.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class BypassToggleBtn : public juce::ToggleButton
{
public:
    BypassToggleBtn();

    /** Draws from the button's own state; the two flags are unused. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** Where the face is centred while the toggle covers the window: the centre of
        the small button's area, so the face does not move. */
    static constexpr float anchorX = 576.0f;
    static constexpr float anchorY = 45.0f;

    float scale = 1.0f;
    juce::Image bypassOverlayImage;
    juce::Image bypassButtonImage;
    juce::Image bypassPressedImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BypassToggleBtn)
};
