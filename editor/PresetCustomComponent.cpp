/*
    One row of the preset menu.
*/
#include "PresetCustomComponent.h"

float PresetCustomComponent::sizeFactor = 1.0f;

PresetCustomComponent::PresetCustomComponent() : juce::PopupMenu::CustomComponent (true) {}

int PresetCustomComponent::idealWidth()
{
    return (int)(95.0f * sizeFactor);
}

int PresetCustomComponent::idealHeight (int rowKind)
{
    return (int)((rowKind == presetRow ? 25.0f : 7.0f) * sizeFactor);
}

void PresetCustomComponent::paint (juce::Graphics& g)
{
    g.setFont (13.0f * sizeFactor);
    if (kind != presetRow)
        return;

    // The menu wraps each row in an item of its own, which knows the highlight.
    const auto* item = dynamic_cast<juce::PopupMenu::CustomComponent*> (getParentComponent());
    if (item != nullptr && item->isItemHighlighted())
    {
        g.setColour (juce::Colour (0xffc8cbd0));
        g.fillRoundedRectangle (juce::Rectangle<float> (4.0f, 2.5f, 87.0f, 20.0f) * sizeFactor, 4.0f * sizeFactor);
        g.setColour (juce::Colour (0xff35404f));
    }
    else
    {
        g.setColour (juce::Colours::white);
    }

    // 95 wide from 7 in, so the text may run past the row's edge, which clips it.
    g.drawText (text,
                juce::Rectangle<float> ((float)(int)(7.0f * sizeFactor), 0.0f, (float)(int)(95.0f * sizeFactor),
                                        (float)(int)(25.0f * sizeFactor)),
                juce::Justification::centredLeft, true);
}

void PresetCustomComponent::getIdealSize (int& width, int& height)
{
    width = idealWidth();
    height = idealHeight (kind);
}
