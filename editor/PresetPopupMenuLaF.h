/*
    Look-and-feel of the preset menu: a translucent dark rounded panel without a
    border, on a fully transparent menu window.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class PresetPopupMenuLaF : public juce::LookAndFeel_V4
{
public:
    PresetPopupMenuLaF() = default;

    void drawPopupMenuBackground (juce::Graphics& g, int width, int height) override;
    /** No border: the rows start at the panel's edge. */
    int getPopupMenuBorderSize() override;

    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetPopupMenuLaF)
};
