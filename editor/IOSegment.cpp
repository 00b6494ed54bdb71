/*
    The input/output segment.
*/
#include "IOSegment.h"

#include "Artwork.h"

#include <BinaryData.h>

IOSegment::IOSegment (BrenvoAudioProcessor* processorToMeter)
    : meterStripImage (Artwork::loadHalved (BinaryData::temp_binary_data_12, BinaryData::temp_binary_data_12Size)),
      processor (processorToMeter), volumeMeter (processorToMeter)
{
    // Bottom to top: the meter lies under the faders so that they take the drags,
    // and the link switch lies above them.
    addAndMakeVisible (volumeMeter);
    for (auto* fader : { &inputSlider, &outputSlider })
    {
        fader->setLookAndFeel (&sliderLaF);
        // A click away from the thumb must not jump the gain.
        fader->setSliderSnapsToMousePosition (false);
        addAndMakeVisible (*fader);
    }
    addAndMakeVisible (linkButton);
}

IOSegment::~IOSegment()
{
    inputSlider.setLookAndFeel (nullptr);
    outputSlider.setLookAndFeel (nullptr);
}

void IOSegment::paint (juce::Graphics& g)
{
    const auto scaled = [this] (float c) { return (int)(c * scale); };
    const auto stripWidth = scaled ((float)(meterStripImage.getWidth() / 2));
    const auto stripHeight = scaled ((float)(meterStripImage.getHeight() / 2));
    for (const auto x : VolumeMeter::barX)
        Artwork::drawWithin (g, meterStripImage, { scaled (x), scaled (40.0f), stripWidth, stripHeight });

    volumeMeter.setBounds (0, 0, getWidth(), getHeight());
    inputSlider.setBounds (scaled (4.0f), scaled (33.0f), scaled (52.0f), scaled (323.0f));
    outputSlider.setBounds (scaled (82.0f), scaled (33.0f), scaled (52.0f), scaled (323.0f));
    linkButton.setBounds (scaled (53.0f), scaled (160.0f), scaled (35.0f), scaled (47.0f));
}
