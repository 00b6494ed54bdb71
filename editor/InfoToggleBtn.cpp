/*
    The information switch.
*/
#include "InfoToggleBtn.h"

#include "Artwork.h"

#include <BinaryData.h>

InfoToggleBtn::InfoToggleBtn()
    : infoPanelImage (Artwork::loadHalved (BinaryData::temp_binary_data_7, BinaryData::temp_binary_data_7Size)),
      infoButtonImage (Artwork::loadHalved (BinaryData::temp_binary_data_8, BinaryData::temp_binary_data_8Size)),
      infoHoverImage (Artwork::loadHalved (BinaryData::temp_binary_data_9, BinaryData::temp_binary_data_9Size))
{
}

void InfoToggleBtn::paintButton (juce::Graphics& g, bool, bool)
{
    const auto width = getWidth();
    const auto height = getHeight();

    if (!getToggleState())
    {
        Artwork::drawCentredQuarter (g, isMouseOver (false) ? infoHoverImage : infoButtonImage, width, height, scale);
        return;
    }

    Artwork::drawAnchoredQuarter (g, infoButtonImage, anchorX, anchorY, scale);
    if (getState() != buttonDown)
        Artwork::drawCentredQuarter (g, infoPanelImage, width, height, scale);
}
