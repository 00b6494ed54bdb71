/*
    The plug-in's window.
*/
#include "PluginEditor.h"

#include "editor/Artwork.h"

#include <BinaryData.h>

BrenvoAudioProcessorEditor::BrenvoAudioProcessorEditor (BrenvoAudioProcessor& processorToEdit,
                                                        juce::AudioProcessorValueTreeState& parameters)
    : AudioProcessorEditor (&processorToEdit), audioProcessor (processorToEdit), valueTreeState (parameters),
      ioSegment (&processorToEdit), backgroundButton (juce::String())
{
    using IDs = BrenvoAudioProcessor::ParameterIDs;

    scale = 1.0f;
    // Decoded now, halved once the window is set up.
    backgroundImage = Artwork::decode (BinaryData::temp_binary_data_66, BinaryData::temp_binary_data_66Size);

    // An invisible full-window click area beneath every segment.
    addAndMakeVisible (backgroundButton);
    addAndMakeVisible (ioSegment);

    for (auto* fader : { &ioSegment.inputSlider, &ioSegment.outputSlider })
    {
        fader->setSliderStyle (juce::Slider::LinearVertical);
        fader->setTextBoxStyle (juce::Slider::NoTextBox, false, 80, 20);
    }
    inputGainAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::inputGain, ioSegment.inputSlider);
    outputGainAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::outputGain, ioSegment.outputSlider);
    ioLinkAttachment = std::make_unique<ButtonAttachment> (valueTreeState, IDs::ioLinkSwitch, ioSegment.linkButton);

    // Listening only after the attachments have loaded the parameter values, so that
    // opening the window never moves a fader through the link.
    ioSegment.inputSlider.addListener (this);
    ioSegment.outputSlider.addListener (this);
    prevInputValue = ioSegment.inputSlider.getValue();
    prevOutputValue = ioSegment.outputSlider.getValue();

    setSize ((int)(720.0f * scale), (int)(480.0f * scale));

    ioSegment.scale = scale;
    ioSegment.sliderLaF.scale = scale;
    ioSegment.linkButton.scale = scale;
    ioSegment.volumeMeter.scale = scale;

    const auto m = ioSegment.volumeMeter.scale;
    ioSegment.volumeMeter.inputPeakButton.setBounds ((int)(-4.0f * m), 0, (int)(69.0f * m), (int)(23.0f * m));
    ioSegment.volumeMeter.outputPeakButton.setBounds ((int)(73.0f * m), 0, (int)(69.0f * m), (int)(23.0f * m));

    backgroundImage = Artwork::halved (backgroundImage);
    setResizable (false, false);
}

BrenvoAudioProcessorEditor::~BrenvoAudioProcessorEditor()
{
    // No attachment may outlive the control it is bound to.
    ioLinkAttachment.reset();
    outputGainAttachment.reset();
    inputGainAttachment.reset();
    ioSegment.outputSlider.removeListener (this);
    ioSegment.inputSlider.removeListener (this);
}

void BrenvoAudioProcessorEditor::paint (juce::Graphics& g)
{
    const auto width = getWidth();
    const auto height = getHeight();
    const auto scaled = [this] (float c) { return (int)(c * scale); };

    backgroundButton.setBounds (0, 0, width, height);
    g.fillAll (juce::Colours::white);
    Artwork::drawWithin (g, backgroundImage, { 0, 0, width, height });

    ioSegment.setBounds (scaled (38.0f), scaled (57.0f), scaled (150.0f), scaled (410.0f));
}

void BrenvoAudioProcessorEditor::resized() {}

void BrenvoAudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    auto& input = ioSegment.inputSlider;
    auto& output = ioSegment.outputSlider;

    // The other fader stores its new value at once; only its listeners hear of it
    // later, and by then its difference to the remembered value is zero.
    if (ioSegment.linkButton.getToggleState())
    {
        if (slider == &input)
            output.setValue (output.getValue() - (input.getValue() - prevInputValue), juce::sendNotificationAsync);
        else if (slider == &output)
            input.setValue (input.getValue() - (output.getValue() - prevOutputValue), juce::sendNotificationAsync);
    }

    prevInputValue = input.getValue();
    prevOutputValue = output.getValue();
}
