/*
    Look-and-feel of the input and output faders: the thumb picture carrying the
    fader's value in dB, and no text box.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class IOSliderLaF : public juce::LookAndFeel_V4
{
public:
    IOSliderLaF();

    void drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, juce::Slider::SliderStyle style, juce::Slider& slider) override;
    juce::Slider::SliderLayout getSliderLayout (juce::Slider& slider) override;

    /** The thumb's square in fader coordinates: linear in the value, from 50 above
        the fader's bottom at the minimum to 5 above its top at the maximum. */
    juce::Rectangle<int> getThumbBounds (const juce::Slider& slider) const;

    /** The value as the thumb shows it: fixed notation, one decimal, no unit. */
    static juce::String thumbText (double value);

    juce::Image faderThumbImage;
    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (IOSliderLaF)
};
