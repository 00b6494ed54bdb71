/*
    The width segment in the middle of the window: the width knob drawn by its
    look-and-feel, and the editable read-out laid over the knob cap.
*/
#pragma once

#include "WidthSlider.h"
#include "WidthSliderLaF.h"

class WidthSegment : public juce::Component
{
public:
    WidthSegment();
    ~WidthSegment() override;

    /** Draws nothing; lays out the knob and the read-out. */
    void paint (juce::Graphics& g) override;

    /** Applies typed text to the knob: the slider clamps and snaps it, and the
        read-out then shows the value taken. Text that reads as not-a-number is
        ignored and the read-out shows the current value again. */
    void applyTypedValue();

    float scale = 1.0f;
    // Declared before the knob so that it outlives it.
    WidthSliderLaF sliderLaF;
    WidthSlider widthSlider;
    SliderLabel widthLabel;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WidthSegment)
};
