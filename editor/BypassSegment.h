/*
    The bypass segment: holds the bypass switch alone, at the top right while
    bypass is off and over the whole window while it is on.
*/
#pragma once

#include "BypassToggleBtn.h"

class BypassSegment : public juce::Component
{
public:
    BypassSegment();

    /** Draws nothing; gives the switch the whole segment. */
    void paint (juce::Graphics& g) override;

    BypassToggleBtn bypassButton;
    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BypassSegment)
};
