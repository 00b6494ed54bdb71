/*
    The width knob and its value read-out.
*/
#include "WidthSlider.h"

#include "NumberText.h"

SliderLabel::SliderLabel() : juce::Label (juce::String(), juce::String())
{
    setFont (juce::Font (17.0f * scale, juce::Font::plain));
    setJustificationType (juce::Justification::horizontallyCentred);
    setColour (textColourId, juce::Colour (0xff3b4d76));
    setColour (textWhenEditingColourId, juce::Colour (0xff3b4d76));
    setColour (outlineWhenEditingColourId, juce::Colours::lightgrey);
    setColour (backgroundColourId, juce::Colours::transparentWhite);
    // One click edits; losing focus keeps what was typed.
    setEditable (true, false, false);
}

void SliderLabel::mouseEnter (const juce::MouseEvent&)
{
    // The knob beneath has just hidden the read-out on its exit.
    setVisible (true);
}

void SliderLabel::mouseExit (const juce::MouseEvent&) {}

void WidthSlider::mouseEnter (const juce::MouseEvent&)
{
    if (label != nullptr)
        label->setVisible (true);
}

void WidthSlider::mouseExit (const juce::MouseEvent&)
{
    if (label != nullptr)
        label->setVisible (false);
}

void WidthSlider::valueChanged()
{
    if (label != nullptr)
        label->setText (valueText (getValue()), juce::dontSendNotification);
}

juce::String WidthSlider::valueText (double value)
{
    return NumberText::withDecimals (value, 1);
}
