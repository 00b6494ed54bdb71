/*
    The bypass segment.
*/
#include "BypassSegment.h"

BypassSegment::BypassSegment()
{
    addAndMakeVisible (bypassButton);
}

void BypassSegment::paint (juce::Graphics&)
{
    bypassButton.setBounds (0, 0, getWidth(), getHeight());
}
