/*
    One row of the preset menu: a preset's name, white on the menu's dark panel,
    or dark on a light bar while highlighted; or a thin empty spacer above and
    below the presets.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class PresetCustomComponent : public juce::PopupMenu::CustomComponent
{
public:
    PresetCustomComponent();

    static constexpr int topSpacer = 1;
    static constexpr int presetRow = 2;
    static constexpr int bottomSpacer = 3;

    /** The row's size in the menu: 95 wide, 25 high for a preset, 7 for a spacer. */
    static int idealWidth();
    static int idealHeight (int kind);

    void paint (juce::Graphics& g) override;
    void getIdealSize (int& idealWidth, int& idealHeight) override;

    juce::String text;
    int kind = topSpacer;
    /** The editor's scale, shared by every row. */
    static float sizeFactor;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetCustomComponent)
};
