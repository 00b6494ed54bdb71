/*
    The control faces: fader thumb, meter strip, link and EQ switches, width ring
    and knob cap, and the bypass, preset and information buttons. Each is drawn in
    units of a quarter of its stored size, centred in its picture, because the
    editor centres every face in its control.
*/
#include "ArtworkStyle.h"
#include "Pictures.h"

using namespace ArtworkStyle;

namespace
{
void drawChainLink (juce::Graphics& g, juce::Point<float> centre, float offset, juce::Colour colour)
{
    g.setColour (colour);
    for (const auto dy : { -offset, offset })
        g.drawRoundedRectangle (juce::Rectangle<float> (8.0f, 15.0f).withCentre (centre.translated (0.0f, dy)), 4.0f, 2.2f);
}

void drawPowerSymbol (juce::Graphics& g, juce::Point<float> centre, float radius, float thickness, juce::Colour colour)
{
    juce::Path ring;
    ring.addCentredArc (centre.x, centre.y, radius, radius, 0.0f, 0.7f, juce::MathConstants<float>::twoPi - 0.7f, true);
    g.setColour (colour);
    g.strokePath (ring, juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    g.drawLine (centre.x, centre.y - radius - 1.0f, centre.x, centre.y - radius * 0.3f, thickness);
}

void drawPillButton (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& text, bool withPowerSymbol)
{
    const auto box = juce::Rectangle<float> (72.0f, 30.0f).withCentre (area.getCentre());
    drawRaisedFace (g, box, 15.0f);
    auto content = box.reduced (8.0f, 0.0f);
    if (withPowerSymbol)
    {
        drawPowerSymbol (g, { content.getX() + 5.0f, box.getCentreY() }, 4.5f, 1.4f, accent);
        content.removeFromLeft (13.0f);
    }
    else
    {
        // A small chevron on the right: the button opens a menu.
        const auto chevron = content.removeFromRight (7.0f);
        content.removeFromRight (3.0f);
        juce::Path arrow;
        arrow.addTriangle (chevron.getX(), box.getCentreY() - 2.0f, chevron.getRight(), box.getCentreY() - 2.0f,
                           chevron.getCentreX(), box.getCentreY() + 3.0f);
        g.setColour (accent);
        g.fillPath (arrow);
    }
    g.setColour (ink);
    drawText (g, text, content, sans (8.5f, true, 0.06f));
}

void drawPressedPill (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& text)
{
    const auto box = juce::Rectangle<float> (55.0f, 13.0f).withCentre (area.getCentre());
    drawFilledFace (g, box, 6.5f, ink);
    g.setColour (juce::Colours::white);
    drawText (g, text, box, sans (8.0f, true, 0.1f));
}

void drawInfoFace (juce::Graphics& g, juce::Rectangle<float> box, bool hovered)
{
    if (hovered)
    {
        g.setColour (juce::Colours::white);
        g.fillRoundedRectangle (box, box.getHeight() * 0.5f);
        g.setColour (accent);
        g.drawRoundedRectangle (box, box.getHeight() * 0.5f, 1.2f);
    }
    else
    {
        drawRaisedFace (g, box, box.getHeight() * 0.5f);
    }

    const juce::Point<float> icon (box.getX() + 16.0f, box.getCentreY());
    g.setColour (accent);
    g.drawEllipse (juce::Rectangle<float> (14.0f, 14.0f).withCentre (icon), 1.4f);
    drawText (g, "i", juce::Rectangle<float> (14.0f, 14.0f).withCentre (icon), sans (10.0f, true));
    g.setColour (ink);
    drawText (g, "About Duveline", box.withTrimmedLeft (30.0f).withTrimmedRight (14.0f), sans (11.0f, false, 0.03f));
}
} // namespace

void paintFaderThumb (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto centre = area.getCentre();
    const auto box = juce::Rectangle<float> (44.0f, 26.0f).withCentre (centre);
    drawRaisedFace (g, box, 7.0f);
    // Position marks at both ends, level with the value the thumb stands for.
    g.setColour (accent);
    g.fillRect (juce::Rectangle<float> (box.getX() + 1.5f, centre.y - 0.6f, 3.0f, 1.2f));
    g.fillRect (juce::Rectangle<float> (box.getRight() - 4.5f, centre.y - 0.6f, 3.0f, 1.2f));
}

void paintMeterStrip (juce::Graphics& g, juce::Rectangle<float> area)
{
    juce::ColourGradient gradient (juce::Colour (0xffe05a5a), 0.0f, area.getY(), juce::Colour (0xff5b8fd6), 0.0f,
                                   area.getBottom(), false);
    gradient.addColour (0.10, juce::Colour (0xfff2b24b)); // -6 dB
    gradient.addColour (0.30, juce::Colour (0xff6cc49a)); // -18 dB
    g.setGradientFill (gradient);
    g.fillRoundedRectangle (area, area.getWidth() * 0.5f);
}

void paintLinkOn (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto centre = area.getCentre();
    const auto plate = juce::Rectangle<float> (22.0f, 38.0f).withCentre (centre);
    juce::Path shape;
    shape.addRoundedRectangle (plate, 8.0f);
    juce::DropShadow (accentLight.withAlpha (0.9f), 6, {}).drawForPath (g, shape);
    drawFilledFace (g, plate, 8.0f, ink);
    drawChainLink (g, centre, 5.0f, juce::Colours::white);
}

void paintLinkOff (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto centre = area.getCentre();
    drawRaisedFace (g, juce::Rectangle<float> (22.0f, 38.0f).withCentre (centre), 8.0f);
    // The two links pulled apart, with a break mark between them.
    drawChainLink (g, centre, 8.5f, ink.withAlpha (0.45f));
    g.setColour (ink.withAlpha (0.45f));
    g.drawLine (centre.x - 5.0f, centre.y - 1.0f, centre.x - 2.0f, centre.y + 1.0f, 1.0f);
    g.drawLine (centre.x + 2.0f, centre.y - 1.0f, centre.x + 5.0f, centre.y + 1.0f, 1.0f);
}

void paintWidthRing (juce::Graphics& g, juce::Rectangle<float> area)
{
    // The knob's mask covers up to radius 126.75, so the band stays inside it.
    fillGradientBand (g, area.getCentre(), 105.0f, 123.0f, 1.18f * juce::MathConstants<float>::pi,
                      2.835f * juce::MathConstants<float>::pi, accentLight, ink);
}

void paintWidthKnob (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto centre = area.getCentre();
    const auto disc = juce::Rectangle<float> (188.0f, 188.0f).withCentre (centre);
    juce::Path shape;
    shape.addEllipse (disc);
    juce::DropShadow (ink.withAlpha (0.35f), 8, { 0, 2 }).drawForPath (g, shape);
    g.setGradientFill (
        juce::ColourGradient (juce::Colours::white, disc.getTopLeft(), faceBottom.darker (0.04f), disc.getBottomRight(), false));
    g.fillPath (shape);
    g.setColour (ink.withAlpha (0.25f));
    g.strokePath (shape, juce::PathStrokeType (1.0f));
    g.setColour (ink.withAlpha (0.12f));
    g.drawEllipse (disc.reduced (14.0f), 1.0f);

    // Two overlapping circles: left and right drawn apart.
    g.setColour (accent.withAlpha (0.45f));
    for (const auto dx : { -9.0f, 9.0f })
        g.drawEllipse (juce::Rectangle<float> (30.0f, 30.0f).withCentre (centre.translated (dx, -18.0f)), 1.6f);
}

void paintEqOn (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto centre = area.getCentre();
    g.setColour (accentLight.withAlpha (0.45f));
    g.fillEllipse (juce::Rectangle<float> (54.0f, 54.0f).withCentre (centre));
    const auto disc = juce::Rectangle<float> (44.0f, 44.0f).withCentre (centre);
    g.setGradientFill (
        juce::ColourGradient (ink.brighter (0.2f), disc.getTopLeft(), ink.darker (0.1f), disc.getBottomRight(), false));
    g.fillEllipse (disc);
    g.setColour (juce::Colours::white);
    drawText (g, "EQ", disc, sans (13.0f, true, 0.05f));
}

void paintEqOff (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto disc = juce::Rectangle<float> (44.0f, 44.0f).withCentre (area.getCentre());
    drawRaisedFace (g, disc, 22.0f);
    g.setColour (ink.withAlpha (0.5f));
    drawText (g, "EQ", disc, sans (13.0f, true, 0.05f));
}

void paintBypassButton (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawPillButton (g, area, "BYPASS", true);
}
void paintBypassPressed (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawPressedPill (g, area, "BYPASS");
}
void paintPresetButton (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawPillButton (g, area, "PRESETS", false);
}
void paintPresetPressed (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawPressedPill (g, area, "PRESETS");
}

void paintInfoButton (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawInfoFace (g, juce::Rectangle<float> (174.0f, 26.0f).withCentre (area.getCentre()), false);
}
void paintInfoHover (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawInfoFace (g, juce::Rectangle<float> (178.0f, 30.0f).withCentre (area.getCentre()), true);
}
