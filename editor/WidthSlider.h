/*
    The width knob and its value read-out: the knob shows the read-out while the
    pointer is on it and writes every new value into it; the read-out stays shown
    while the pointer is on the read-out itself, where a click edits the value.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class SliderLabel : public juce::Label
{
public:
    SliderLabel();

    /** Keeps the read-out shown when the pointer moves onto it from the knob. */
    void mouseEnter (const juce::MouseEvent& e) override;
    /** Leaving the read-out changes nothing. */
    void mouseExit (const juce::MouseEvent& e) override;

    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SliderLabel)
};

class WidthSlider : public juce::Slider
{
public:
    WidthSlider() = default;

    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    /** Writes the new value into the read-out, whether it is shown or not. */
    void valueChanged() override;

    /** A value as the read-out shows it: fixed notation, one decimal. */
    static juce::String valueText (double value);

    SliderLabel* label = nullptr;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WidthSlider)
};
