/*
    The plug-in's window: a fixed 720 x 480 picture-based editor that binds its
    segments' controls to the processor's parameters and lays the segments out
    in paint.
*/
#pragma once

#include "PluginProcessor.h"
#include "editor/BypassSegment.h"
#include "editor/EqSegment.h"
#include "editor/IOSegment.h"
#include "editor/InformationSegment.h"
#include "editor/PresetSegment.h"
#include "editor/WidthSegment.h"

class BrenvoAudioProcessorEditor : public juce::AudioProcessorEditor, public juce::Slider::Listener
{
public:
    using SliderAttachment = juce::AudioProcessorValueTreeState::SliderAttachment;
    using ButtonAttachment = juce::AudioProcessorValueTreeState::ButtonAttachment;

    BrenvoAudioProcessorEditor (BrenvoAudioProcessor& processorToEdit, juce::AudioProcessorValueTreeState& parameters);
    ~BrenvoAudioProcessorEditor() override;

    /** Applies the preset the preset menu has just chosen; with no choice pending
        (any other change of the children) it does nothing. */
    void childrenChanged() override;

    /** Draws the background and places every segment; the layout lives here. */
    void paint (juce::Graphics& g) override;
    /** Does nothing: the layout depends only on paint. */
    void resized() override;
    /** The gain link: while linked, a move of one fader moves the other the opposite way. */
    void sliderValueChanged (juce::Slider* slider) override;

    BrenvoAudioProcessor& audioProcessor;
    juce::AudioProcessorValueTreeState& valueTreeState;
    IOSegment ioSegment;
    WidthSegment widthSegment;
    EqSegment eqSegment;
    std::unique_ptr<SliderAttachment> inputGainAttachment;
    std::unique_ptr<SliderAttachment> outputGainAttachment;
    std::unique_ptr<SliderAttachment> widthAttachment;
    std::unique_ptr<SliderAttachment> widthEqAttachment;
    std::unique_ptr<ButtonAttachment> eqSwitchAttachment;
    std::unique_ptr<ButtonAttachment> ioLinkAttachment;
    std::unique_ptr<ButtonAttachment> bypassAttachment;
    juce::Image backgroundImage;
    juce::ImageButton backgroundButton;
    BypassSegment bypassSegment;
    InformationSegment informationSegment;
    PresetSegment presetSegment;
    float scale = 1.0f;
    double prevInputValue = 0.0;
    double prevOutputValue = 0.0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BrenvoAudioProcessorEditor)
};
