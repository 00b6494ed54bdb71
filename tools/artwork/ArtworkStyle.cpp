/*
    Colours, fonts and drawing helpers shared by every picture of the artwork generator.
*/
#include "ArtworkStyle.h"

namespace ArtworkStyle
{
namespace
{
const juce::File fontFolder { "/usr/share/fonts/truetype/dejavu" };

juce::Typeface::Ptr loadTypeface (const char* fileName)
{
    juce::MemoryBlock bytes;
    const auto file = fontFolder.getChildFile (fileName);
    if (!file.loadFileAsData (bytes) || bytes.isEmpty())
    {
        // Silently falling back to another face would change every picture.
        std::cerr << "Cannot read " << file.getFullPathName() << " (install fonts-dejavu-core)" << std::endl;
        std::exit (1);
    }
    return juce::Typeface::createSystemTypefaceFor (bytes.getData(), bytes.getSize());
}

juce::Typeface::Ptr typeface (bool bold)
{
    static const auto regular = loadTypeface ("DejaVuSans.ttf");
    static const auto boldFace = loadTypeface ("DejaVuSans-Bold.ttf");
    return bold ? boldFace : regular;
}
} // namespace

juce::Font sans (float height, bool bold, float extraKerning)
{
    juce::Font font (typeface (bold));
    font.setHeight (height);
    font.setExtraKerningFactor (extraKerning);
    return font;
}

void drawText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> box, const juce::Font& font,
               juce::Justification justification)
{
    g.setFont (font);
    g.drawText (text, box, justification, false);
}

juce::Point<float> pointOnCircle (juce::Point<float> centre, float radius, float angle)
{
    return { centre.x + radius * std::sin (angle), centre.y - radius * std::cos (angle) };
}

void fillGradientBand (juce::Graphics& g, juce::Point<float> centre, float innerRadius, float outerRadius, float startAngle,
                       float endAngle, juce::Colour from, juce::Colour to)
{
    const auto midRadius = (innerRadius + outerRadius) * 0.5f;
    const auto thickness = outerRadius - innerRadius;
    const auto direction = endAngle > startAngle ? 1.0f : -1.0f;
    // Pull the arc in by the round end's radius so the ends stop at the two angles.
    const auto capAngle = direction * (thickness * 0.5f) / midRadius;

    juce::Path centreLine;
    centreLine.addCentredArc (centre.x, centre.y, midRadius, midRadius, 0.0f, startAngle + capAngle, endAngle - capAngle, true);
    juce::Path band;
    juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (band, centreLine);

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (band);

    // JUCE has no conic gradient: paint thin overlapping wedges instead. The band's
    // round ends lie inside the two angles, so the wedges cover all of it.
    constexpr int wedges = 720;
    const auto span = endAngle - startAngle;
    const auto reach = outerRadius + 2.0f;
    for (int i = 0; i < wedges; ++i)
    {
        juce::Path wedge;
        wedge.addPieSegment (centre.x - reach, centre.y - reach, 2.0f * reach, 2.0f * reach,
                             startAngle + span * (float)i / wedges, startAngle + span * ((float)i + 1.5f) / wedges, 0.0f);
        g.setColour (from.interpolatedWith (to, (float)i / (wedges - 1)));
        g.fillPath (wedge);
    }
}

void drawRaisedFace (juce::Graphics& g, juce::Rectangle<float> box, float cornerSize)
{
    juce::Path shape;
    shape.addRoundedRectangle (box, cornerSize);
    juce::DropShadow (ink.withAlpha (0.28f), juce::roundToInt (box.getHeight() * 0.12f), { 0, 1 }).drawForPath (g, shape);

    g.setGradientFill (juce::ColourGradient (faceTop, box.getTopLeft(), faceBottom, box.getBottomLeft(), false));
    g.fillPath (shape);
    g.setColour (ink.withAlpha (0.30f));
    g.strokePath (shape, juce::PathStrokeType (std::max (0.6f, box.getHeight() * 0.03f)));
}

void drawFilledFace (juce::Graphics& g, juce::Rectangle<float> box, float cornerSize, juce::Colour colour)
{
    g.setGradientFill (
        juce::ColourGradient (colour.brighter (0.15f), box.getTopLeft(), colour.darker (0.1f), box.getBottomLeft(), false));
    g.fillRoundedRectangle (box, cornerSize);
}
} // namespace ArtworkStyle
