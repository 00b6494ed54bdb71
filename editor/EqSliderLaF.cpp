/*
    Look-and-feel of the Width EQ arc.
*/
#include "EqSliderLaF.h"

#include "Artwork.h"
#include "MaskPath.h"

#include <BinaryData.h>

namespace
{
// The arc's circle lies to the left of the control, outside it.
constexpr double arcCentreX = (double)-181.8f;
constexpr double arcCentreY = 170.0;
constexpr juce::uint32 maskColour = 0xffdee4ed;
// The mask's edge turns past the value by this much at both radii.
constexpr double cornerOvershoot = 0.018;
} // namespace

EqSliderLaF::EqSliderLaF() : eqArcImage (Artwork::loadHalved (BinaryData::temp_binary_data_2, BinaryData::temp_binary_data_2Size))
{
}

void EqSliderLaF::drawRotarySlider (juce::Graphics& g, int, int, int, int, float sliderPosProportional, float rotaryStartAngle,
                                    float rotaryEndAngle, juce::Slider&)
{
    Artwork::drawWithin (g, eqArcImage,
                         { (int)(-477.0f * scale), (int)(-127.0f * scale), (int)(602.0f * scale), (int)(593.0f * scale) });

    g.setColour (juce::Colour (maskColour));
    g.fillPath (maskPath (maskAngle (sliderPosProportional, rotaryStartAngle, rotaryEndAngle), rotaryEndAngle));
}

float EqSliderLaF::maskAngle (float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle) const
{
    if (eqEnabled)
        return rotaryStartAngle + sliderPosProportional * (rotaryEndAngle - rotaryStartAngle);
    return (float)(0.662 * juce::MathConstants<double>::pi);
}

juce::Path EqSliderLaF::maskPath (float angle, float rotaryEndAngle) const
{
    using namespace MaskPath;
    const auto s = scale;
    const auto point = [s] (double radius, double a) { return pointOnCircle (arcCentreX, arcCentreY, radius, a, s); };
    const juce::Point<float> centre ((float)arcCentreX * s, (float)arcCentreY * s);

    const auto turned = angle + (float)cornerOvershoot;
    const auto cornerAngle = (double)angle + cornerOvershoot;
    const auto outerCornerEnd = (float)((double)angle - quarterTurn + cornerOvershoot);
    const auto innerCornerEnd = (float)((double)angle - halfTurn + cornerOvershoot);

    // The band between radii 259 and 291 from the end angle to the value, its edge
    // at the value straight between 286 and 265 with rounded corners.
    juce::Path path;
    path.startNewSubPath (point (259.0, rotaryEndAngle));
    arcAbout (path, centre, 291.0f * s, rotaryEndAngle, turned);
    arcAbout (path, point (286.0, cornerAngle), 5.0f * s, (float)cornerAngle, outerCornerEnd);
    path.lineTo (point (265.0, angle));
    arcAbout (path, point (265.0, cornerAngle), 5.0f * s, outerCornerEnd, innerCornerEnd);
    arcAbout (path, centre, 259.0f * s, turned, rotaryEndAngle);
    path.closeSubPath();
    return path;
}
