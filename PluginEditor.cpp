/*
    The plug-in's window.
*/
#include "PluginEditor.h"

#include "editor/Artwork.h"
#include "editor/PresetCustomComponent.h"
#include "editor/PresetTable.h"

#include <BinaryData.h>

BrenvoAudioProcessorEditor::BrenvoAudioProcessorEditor (BrenvoAudioProcessor& processorToEdit,
                                                        juce::AudioProcessorValueTreeState& parameters)
    : AudioProcessorEditor (&processorToEdit), audioProcessor (processorToEdit), valueTreeState (parameters),
      ioSegment (&processorToEdit), backgroundButton (juce::String()), presetSegment (this)
{
    using IDs = BrenvoAudioProcessor::ParameterIDs;

    scale = 1.0f;
    // Decoded now, halved once the window is set up.
    backgroundImage = Artwork::decode (BinaryData::temp_binary_data_66, BinaryData::temp_binary_data_66Size);

    // An invisible full-window click area beneath every segment: a click on an
    // empty part of the window hides the width read-out.
    addAndMakeVisible (backgroundButton);
    backgroundButton.onClick = [this] { widthSegment.widthLabel.setVisible (false); };
    addAndMakeVisible (presetSegment);
    addAndMakeVisible (ioSegment);

    const auto styleSlider = [] (juce::Slider& slider, juce::Slider::SliderStyle style)
    {
        slider.setSliderStyle (style);
        slider.setTextBoxStyle (juce::Slider::NoTextBox, false, 80, 20);
    };

    styleSlider (ioSegment.inputSlider, juce::Slider::LinearVertical);
    styleSlider (ioSegment.outputSlider, juce::Slider::LinearVertical);
    inputGainAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::inputGain, ioSegment.inputSlider);
    outputGainAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::outputGain, ioSegment.outputSlider);
    ioLinkAttachment = std::make_unique<ButtonAttachment> (valueTreeState, IDs::ioLinkSwitch, ioSegment.linkButton);

    // Listening only after the attachments have loaded the parameter values, so that
    // opening the window never moves a fader through the link.
    ioSegment.inputSlider.addListener (this);
    ioSegment.outputSlider.addListener (this);
    prevInputValue = ioSegment.inputSlider.getValue();
    prevOutputValue = ioSegment.outputSlider.getValue();

    addAndMakeVisible (widthSegment);
    styleSlider (widthSegment.widthSlider, juce::Slider::RotaryVerticalDrag);
    widthAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::width, widthSegment.widthSlider);

    addAndMakeVisible (eqSegment);
    styleSlider (eqSegment.eqSlider, juce::Slider::RotaryVerticalDrag);
    widthEqAttachment = std::make_unique<SliderAttachment> (valueTreeState, IDs::widthEq, eqSegment.eqSlider);
    eqSwitchAttachment = std::make_unique<ButtonAttachment> (valueTreeState, IDs::widthEqSwitch, eqSegment.eqToggle);
    // The attachment runs the switch's handler only when it changes the switch;
    // an EQ that opens off must be covered and disabled too.
    eqSegment.followSwitch();

    // Both toggles change the size of their segment, which the next paint applies.
    addAndMakeVisible (informationSegment);
    informationSegment.infoButton.onStateChange = [this] { repaint(); };
    addAndMakeVisible (bypassSegment);
    bypassSegment.bypassButton.onStateChange = [this] { repaint(); };
    bypassAttachment = std::make_unique<ButtonAttachment> (valueTreeState, IDs::bypass, bypassSegment.bypassButton);

    setSize ((int)(720.0f * scale), (int)(480.0f * scale));

    ioSegment.scale = scale;
    ioSegment.sliderLaF.scale = scale;
    ioSegment.linkButton.scale = scale;
    ioSegment.volumeMeter.scale = scale;

    const auto m = ioSegment.volumeMeter.scale;
    ioSegment.volumeMeter.inputPeakButton.setBounds ((int)(-4.0f * m), 0, (int)(69.0f * m), (int)(23.0f * m));
    ioSegment.volumeMeter.outputPeakButton.setBounds ((int)(73.0f * m), 0, (int)(69.0f * m), (int)(23.0f * m));

    presetSegment.scale = scale;
    PresetCustomComponent::sizeFactor = scale;
    presetSegment.presetButton.scale = scale;
    bypassSegment.scale = scale;
    bypassSegment.bypassButton.scale = scale;
    informationSegment.scale = scale;
    informationSegment.infoButton.scale = scale;
    widthSegment.scale = scale;
    widthSegment.widthLabel.scale = scale;
    widthSegment.widthLabel.setFont (juce::Font (17.0f * scale, juce::Font::plain));
    widthSegment.sliderLaF.scale = scale;
    eqSegment.scale = scale;
    eqSegment.sliderLaF.scale = scale;
    eqSegment.eqToggle.scale = scale;

    backgroundImage = Artwork::halved (backgroundImage);
    setResizable (false, false);
}

BrenvoAudioProcessorEditor::~BrenvoAudioProcessorEditor()
{
    // Destroying a segment that is still a child would call childrenChanged, which
    // reads presetSegment, the first member to go.
    removeAllChildren();

    // No attachment may outlive the control it is bound to.
    bypassAttachment.reset();
    ioLinkAttachment.reset();
    eqSwitchAttachment.reset();
    widthEqAttachment.reset();
    widthAttachment.reset();
    outputGainAttachment.reset();
    inputGainAttachment.reset();
    ioSegment.outputSlider.removeListener (this);
    ioSegment.inputSlider.removeListener (this);
}

void BrenvoAudioProcessorEditor::childrenChanged()
{
    if (!presetSegment.presetPending)
        return;
    presetSegment.presetPending = false;

    const auto* preset = std::find_if (presetTable.begin(), presetTable.end(),
                                       [this] (const Preset& p) { return p.id == presetSegment.selectedPreset; });
    if (preset == presetTable.end())
        return;

    auto& link = ioSegment.linkButton;
    auto& input = ioSegment.inputSlider;
    auto& output = ioSegment.outputSlider;

    // The link is off while the faders move and the remembered values equal the new
    // ones before their notifications arrive, so the link moves neither fader.
    link.setToggleState (false, juce::sendNotification);
    input.setValue (preset->inputGain, juce::sendNotificationAsync);
    output.setValue (preset->outputGain, juce::sendNotificationAsync);
    prevInputValue = input.getValue();
    prevOutputValue = output.getValue();
    link.setToggleState (preset->ioLink, juce::sendNotification);

    widthSegment.widthSlider.setValue (preset->width, juce::sendNotificationAsync);
    eqSegment.eqSlider.setValue (preset->widthEq, juce::sendNotificationAsync);
    eqSegment.eqToggle.setToggleState (preset->widthEqSwitch, juce::sendNotification);
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
    widthSegment.setBounds ((int)((float)(width / 2) - 155.0f * scale), scaled (83.0f), scaled (310.0f), scaled (310.0f));
    eqSegment.setBounds (scaled (540.0f), scaled (70.0f), scaled (160.0f), scaled (380.0f));

    // The two toggles cover the whole window while they are on.
    if (bypassSegment.bypassButton.getToggleState())
        bypassSegment.setBounds (0, 0, width, height);
    else
        bypassSegment.setBounds (scaled (533.0f), scaled (23.0f), scaled (86.0f), scaled (44.0f));

    if (informationSegment.infoButton.getToggleState())
        informationSegment.setBounds (0, 0, width, height);
    else
        informationSegment.setBounds (scaled (522.0f), scaled (443.0f), scaled (190.0f), scaled (30.0f));

    presetSegment.setBounds (scaled (66.0f), scaled (23.0f), scaled (84.0f), scaled (44.0f));
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
