/*
    The Width EQ segment.
*/
#include "EqSegment.h"

EqSegment::EqSegment() : enableButton (juce::String())
{
    eqSlider.setLookAndFeel (&sliderLaF);
    // The end lies below the start: the arc fills counter-clockwise as the value rises.
    eqSlider.setRotaryParameters ((float)(0.652 * juce::MathConstants<double>::pi),
                                  (float)(0.34 * juce::MathConstants<double>::pi), true);
    addAndMakeVisible (eqSlider);

    addAndMakeVisible (eqToggle);
    eqToggle.onStateChange = [this]
    {
        followSwitch();
        // Also lays the click area out again.
        repaint();
    };

    addAndMakeVisible (enableButton);
    enableButton.onClick = [this]
    {
        if (!eqToggle.getToggleState())
        {
            eqToggle.setToggleState (true, juce::sendNotification);
            repaint();
        }
    };
}

EqSegment::~EqSegment()
{
    eqSlider.setLookAndFeel (nullptr);
}

void EqSegment::paint (juce::Graphics&)
{
    const auto width = getWidth();
    eqSlider.setBounds (0, 0, width, (int)(330.0f * scale));
    eqToggle.setBounds ((int)(5.0f * scale), (int)(310.0f * scale), (int)(64.0f * scale), (int)(64.0f * scale));

    if (eqToggle.getToggleState())
    {
        enableButton.setVisible (false);
    }
    else
    {
        enableButton.setVisible (true);
        // The left edge is a fixed 20 at every scale.
        enableButton.setBounds (20, 0, (int)((float)width - 40.0f * scale), (int)(320.0f * scale));
    }
}

void EqSegment::followSwitch()
{
    const auto on = eqToggle.getToggleState();
    sliderLaF.eqEnabled = on;
    eqSlider.setEnabled (on);
}
