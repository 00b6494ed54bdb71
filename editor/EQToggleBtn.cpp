/*
    The Width EQ switch.
*/
#include "EQToggleBtn.h"

#include "Artwork.h"

#include <BinaryData.h>

EQToggleBtn::EQToggleBtn()
    : eqOnImage (Artwork::loadHalved (BinaryData::temp_binary_data_6, BinaryData::temp_binary_data_6Size)),
      eqOffImage (Artwork::loadHalved (BinaryData::temp_binary_data_5, BinaryData::temp_binary_data_5Size))
{
}

void EQToggleBtn::paintButton (juce::Graphics& g, bool, bool)
{
    Artwork::drawCentredQuarter (g, getToggleState() ? eqOnImage : eqOffImage, getWidth(), getHeight(), scale);
}
