/*
    Look-and-feel of the input and output faders.
*/
#include "IOSliderLaF.h"

#include "Artwork.h"
#include "NumberText.h"

#include <BinaryData.h>

IOSliderLaF::IOSliderLaF()
    : faderThumbImage (Artwork::loadHalved (BinaryData::temp_binary_data_13, BinaryData::temp_binary_data_13Size))
{
}

void IOSliderLaF::drawLinearSlider (juce::Graphics& g, int, int, int, int, float, float, float, juce::Slider::SliderStyle,
                                    juce::Slider& slider)
{
    const auto thumb = getThumbBounds (slider);
    Artwork::drawWithin (g, faderThumbImage, thumb);

    g.setColour (juce::Colour (0xff3b4d76));
    g.setFont (13.0f * scale);
    g.drawFittedText (thumbText (slider.getValue()), thumb, juce::Justification::centred, 1, 0.0f);
}

juce::Slider::SliderLayout IOSliderLaF::getSliderLayout (juce::Slider& slider)
{
    // The mouse maps onto this inner area; the thumb is drawn by getThumbBounds.
    juce::Slider::SliderLayout layout;
    layout.sliderBounds = { (int)(15.0f * scale), (int)(30.0f * scale), (int)((float)slider.getWidth() - 30.0f * scale),
                            (int)((float)slider.getHeight() - 55.0f * scale) };
    return layout;
}

juce::Rectangle<int> IOSliderLaF::getThumbBounds (const juce::Slider& slider) const
{
    const auto bottom = (float)slider.getHeight() - 50.0f * scale;
    const auto top = -5.0f * scale;
    const auto start = slider.getMinimum();
    const auto end = slider.getMaximum();
    const auto span = end > start ? end - start : 1.0;
    const auto thumbY = (int)(bottom + (slider.getValue() - start) * (top - bottom) / span);
    const auto thumbX = (int)((float)(slider.getWidth() / 2) - 28.0f * scale);
    const auto side = (int)(56.0f * scale);
    return { thumbX, thumbY, side, side };
}

juce::String IOSliderLaF::thumbText (double value)
{
    return NumberText::withDecimals (value, 1);
}
