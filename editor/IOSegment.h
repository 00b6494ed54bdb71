/*
    The left-hand block of the editor: the input and output faders with the four
    meter strips in their tracks, the link switch between them, and the level
    meter laid over the whole segment.
*/
#pragma once

#include "IOSliderLaF.h"
#include "LinkToggleBtn.h"
#include "VolumeMeter.h"

class BrenvoAudioProcessor;

class IOSegment : public juce::Component
{
public:
    explicit IOSegment (BrenvoAudioProcessor* processorToMeter);
    ~IOSegment() override;

    /** Draws the meter strips and lays the children out (there is no resized). */
    void paint (juce::Graphics& g) override;

    // Declared first so that it outlives the faders that use it.
    IOSliderLaF sliderLaF;
    juce::Slider inputSlider;
    juce::Slider outputSlider;
    juce::Image meterStripImage;
    LinkToggleBtn linkButton;
    BrenvoAudioProcessor* processor = nullptr;
    VolumeMeter volumeMeter;
    float scale = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (IOSegment)
};
