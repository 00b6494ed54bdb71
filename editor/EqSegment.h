/*
    The Width EQ segment at the right-hand edge: the arc control, the EQ switch,
    and an invisible click area over the arc that switches the EQ on while it is
    off. The look-and-feel's flag, the arc's enablement and the click area all
    follow the switch.
*/
#pragma once

#include "EQToggleBtn.h"
#include "EqSliderLaF.h"

class EqSegment : public juce::Component
{
public:
    EqSegment();
    ~EqSegment() override;

    /** Draws nothing; lays out the children, showing the click area only while
        the EQ is off. */
    void paint (juce::Graphics& g) override;

    /** Makes the look-and-feel's flag and the arc's enablement follow the switch. */
    void followSwitch();

    float scale = 1.0f;
    // Declared before the arc so that it outlives it.
    EqSliderLaF sliderLaF;
    juce::Slider eqSlider;
    juce::ImageButton enableButton;
    EQToggleBtn eqToggle;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EqSegment)
};
