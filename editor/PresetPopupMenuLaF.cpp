/*
    Look-and-feel of the preset menu.
*/
#include "PresetPopupMenuLaF.h"

void PresetPopupMenuLaF::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.setColour (juce::Colour (0xcc253041));
    g.fillRoundedRectangle (0.0f, 0.0f, (float)width, (float)height, 7.5f * scale);
}

int PresetPopupMenuLaF::getPopupMenuBorderSize()
{
    return 0;
}
