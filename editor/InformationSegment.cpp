/*
    The information segment.
*/
#include "InformationSegment.h"

InformationSegment::InformationSegment() : manualButton (juce::String()), panelArea (juce::String())
{
    addAndMakeVisible (infoButton);
    addAndMakeVisible (panelArea);
    addAndMakeVisible (manualButton);
    // Whether a browser opened is not reported anywhere.
    manualButton.onClick = [this] { openPage (manualUrl()); };
}

void InformationSegment::paint (juce::Graphics&)
{
    const auto width = getWidth();
    const auto height = getHeight();
    infoButton.setBounds (0, 0, width, height);

    const auto open = infoButton.getToggleState();
    // Closed, the click areas keep their bounds, which lie outside the small segment.
    manualButton.setEnabled (open);
    panelArea.setEnabled (open);
    if (!open)
        return;

    const auto panelWidth = (int)(270.0f * scale);
    const auto panelHeight = (int)(180.0f * scale);
    panelArea.setBounds (width / 2 - panelWidth / 2, height / 2 - panelHeight / 2, panelWidth, panelHeight);
    manualButton.setBounds ((int)(113.0f * scale + (float)(width / 2 - panelArea.getWidth() / 2)), (int)(268.0f * scale),
                            (int)(45.0f * scale), (int)(12.0f * scale));
}

juce::URL InformationSegment::manualUrl()
{
    return juce::URL ("https://www.tolvane.example/product/duveline/#user-manual");
}
