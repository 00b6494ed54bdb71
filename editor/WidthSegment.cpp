/*
    The width segment.
*/
#include "WidthSegment.h"

#include "NumberText.h"

#include <cmath>

WidthSegment::WidthSegment()
{
    addAndMakeVisible (widthSlider);
    widthSlider.setLookAndFeel (&sliderLaF);
    widthSlider.setRotaryParameters ((float)(1.18 * juce::MathConstants<double>::pi),
                                     (float)(2.835 * juce::MathConstants<double>::pi), true);
    widthSlider.label = &widthLabel;

    // Above the knob, and hidden until the pointer enters the knob.
    addAndMakeVisible (widthLabel);
    widthLabel.setVisible (false);
    widthLabel.onTextChange = [this] { applyTypedValue(); };
}

WidthSegment::~WidthSegment()
{
    widthSlider.setLookAndFeel (nullptr);
}

void WidthSegment::paint (juce::Graphics&)
{
    const auto halfWidth = getWidth() / 2;
    const auto halfHeight = getHeight() / 2;
    const auto d = (int)(271.0f * scale);
    widthSlider.setBounds (halfWidth - d / 2, halfHeight - d / 2, d, d);
    widthLabel.setBounds ((int)((float)halfWidth - 25.0f * scale), (int)(30.0f * scale + (float)halfHeight), (int)(50.0f * scale),
                          (int)(25.0f * scale));
}

void WidthSegment::applyTypedValue()
{
    const auto typed = NumberText::read (widthLabel.getText());
    // A NaN would pass the slider's clamp and reach the parameter.
    if (!std::isnan (typed))
        widthSlider.setValue (typed, juce::sendNotificationAsync);
    widthLabel.setText (WidthSlider::valueText (widthSlider.getValue()), juce::dontSendNotification);
}
