/*
    The bypass switch.
*/
#include "BypassToggleBtn.h"

#include "Artwork.h"

#include <BinaryData.h>

BypassToggleBtn::BypassToggleBtn()
    : bypassOverlayImage (Artwork::loadHalved (BinaryData::temp_binary_data_52, BinaryData::temp_binary_data_52Size)),
      bypassButtonImage (Artwork::loadHalved (BinaryData::temp_binary_data_51, BinaryData::temp_binary_data_51Size)),
      bypassPressedImage (Artwork::loadHalved (BinaryData::temp_binary_data_50, BinaryData::temp_binary_data_50Size))
{
}

void BypassToggleBtn::paintButton (juce::Graphics& g, bool, bool)
{
    const auto held = getState() == buttonDown;
    const auto width = getWidth();
    const auto height = getHeight();

    if (!getToggleState())
    {
        Artwork::drawCentredQuarter (g, held ? bypassPressedImage : bypassButtonImage, width, height, scale);
        return;
    }

    Artwork::drawAnchoredQuarter (g, bypassButtonImage, anchorX, anchorY, scale);
    // Holding the mouse down lifts the overlay, showing what a release would switch back on.
    if (!held)
        Artwork::drawCentredQuarter (g, bypassOverlayImage, width, height, scale);
}
