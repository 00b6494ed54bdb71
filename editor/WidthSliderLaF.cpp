/*
    Look-and-feel of the width knob.
*/
#include "WidthSliderLaF.h"

#include "Artwork.h"
#include "MaskPath.h"

#include <BinaryData.h>

namespace
{
constexpr double knobCentre = 135.5;
constexpr juce::uint32 maskColour = 0xffdee4ed;
} // namespace

WidthSliderLaF::WidthSliderLaF()
    : widthRingImage (Artwork::loadHalved (BinaryData::temp_binary_data_58, BinaryData::temp_binary_data_58Size)),
      widthKnobImage (Artwork::loadHalved (BinaryData::temp_binary_data_61, BinaryData::temp_binary_data_61Size))
{
}

void WidthSliderLaF::drawRotarySlider (juce::Graphics& g, int, int, int, int, float sliderPosProportional, float rotaryStartAngle,
                                       float rotaryEndAngle, juce::Slider&)
{
    const auto side = (int)(271.0f * scale);
    Artwork::drawWithin (g, widthRingImage, { 0, 0, side, side });

    const auto angle = rotaryStartAngle + sliderPosProportional * (rotaryEndAngle - rotaryStartAngle);
    g.setColour (juce::Colour (maskColour));
    g.fillPath (maskPath (angle, rotaryEndAngle));

    // The cap covers the inner part of the mask.
    Artwork::drawWithin (g, widthKnobImage,
                         { (int)(33.0f * scale), (int)(34.0f * scale), (int)(204.0f * scale), (int)(204.0f * scale) });
}

juce::Path WidthSliderLaF::maskPath (float angle, float rotaryEndAngle) const
{
    using namespace MaskPath;
    const auto s = scale;
    const auto point = [s] (double radius, double a) { return pointOnCircle (knobCentre, knobCentre, radius, a, s); };

    // From the knob centre the sector runs back from the end angle to the value;
    // its edge is indented toward the end with two rounded corners, so the visible
    // ring ends in a rounded tip just past the value.
    juce::Path path;
    path.startNewSubPath ((float)knobCentre * s, (float)knobCentre * s);
    const auto centre = 8.75f * s + 126.75f * s;
    arcAbout (path, { centre, centre }, 253.5f * s * 0.5f, rotaryEndAngle, angle);
    arcAbout (path, point (121.75, angle), 5.0f * s, angle, angle + (float)quarterTurn);
    path.lineTo (point (103.25, (double)angle + 0.05));
    arcAbout (path, point (103.25, angle), 5.0f * s, angle + (float)quarterTurn, angle + (float)halfTurn);
    path.closeSubPath();
    return path;
}
