/*
    The preset button.
*/
#include "PresetImageBtn.h"

#include "Artwork.h"

#include <BinaryData.h>

PresetImageBtn::PresetImageBtn()
    : juce::ImageButton (juce::String()),
      presetButtonImage (Artwork::loadHalved (BinaryData::temp_binary_data_57, BinaryData::temp_binary_data_57Size)),
      presetPressedImage (Artwork::loadHalved (BinaryData::temp_binary_data_56, BinaryData::temp_binary_data_56Size))
{
}

void PresetImageBtn::paintButton (juce::Graphics& g, bool, bool)
{
    const auto& face = getState() == buttonDown ? presetPressedImage : presetButtonImage;
    Artwork::drawCentredQuarter (g, face, getWidth(), getHeight(), scale);
}
