/*
    The preset segment at the top left: the preset button, which opens a menu of
    the five factory presets, and the number of the last one chosen. The editor
    applies a choice to its controls (its childrenChanged); this segment only
    records it and tells the editor.
*/
#pragma once

#include "PresetImageBtn.h"
#include "PresetPopupMenuLaF.h"

class PresetSegment : public juce::Component
{
public:
    explicit PresetSegment (juce::Component* editorToNotify);
    /** Closes a menu that is still open, so that it lets go of the look-and-feel. */
    ~PresetSegment() override;

    /** Draws nothing; gives the button the whole segment. */
    void paint (juce::Graphics& g) override;

    /** Shows the menu and waits for it to close, in a modal loop nested inside the
        click. The result is recorded and, for a preset, handed to the editor. */
    void showPresetMenu();

    /** Menu ids of the rows that are not presets. */
    static constexpr int topSpacerId = 998;
    static constexpr int bottomSpacerId = 999;

    int selectedPreset = 0;
    PresetImageBtn presetButton;
    PresetPopupMenuLaF menuLookAndFeel;
    juce::Component* parentEditor = nullptr;
    bool presetPending = false;
    float scale = 1.0f;

private:
    juce::PopupMenu* shownMenu = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetSegment)
};
