/*
    The input/output link switch.
*/
#include "LinkToggleBtn.h"

#include "Artwork.h"

#include <BinaryData.h>

LinkToggleBtn::LinkToggleBtn()
    : linkOnImage (Artwork::loadHalved (BinaryData::temp_binary_data_16, BinaryData::temp_binary_data_16Size)),
      linkOffImage (Artwork::loadHalved (BinaryData::temp_binary_data_15, BinaryData::temp_binary_data_15Size))
{
}

void LinkToggleBtn::paintButton (juce::Graphics& g, bool, bool)
{
    Artwork::drawCentredQuarter (g, getToggleState() ? linkOnImage : linkOffImage, getWidth(), getHeight(), scale);
}
