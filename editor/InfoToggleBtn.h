/*
    The information switch. While it is on the editor gives it the whole window,
    and it paints the information panel in the middle; a click beside the panel
    lands on it and closes the panel again.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class InfoToggleBtn : public juce::ToggleButton
{
public:
    InfoToggleBtn();

    /** Draws from the button's own state; the two flags are unused. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** Where the face is centred while the toggle covers the window: the centre of
        the small button's area, so the face does not move. */
    static constexpr float anchorX = 617.0f;
    static constexpr float anchorY = 458.0f;

    float scale = 1.0f;
    juce::Image infoPanelImage;
    juce::Image infoButtonImage;
    juce::Image infoHoverImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InfoToggleBtn)
};
