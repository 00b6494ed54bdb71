/*
    The pictures laid against the editor window: the background with the fader
    scales, knob and arc surrounds and captions, the Width EQ arc, the bypass
    overlay and the information panel.
*/
#include "ArtworkStyle.h"
#include "EditorLayout.h"
#include "Pictures.h"

using namespace ArtworkStyle;
using namespace EditorLayout;

namespace
{
void drawFaderScale (juce::Graphics& g, float trackX, bool labelsOnLeft)
{
    const auto side = labelsOnLeft ? -1.0f : 1.0f;
    const auto tickStart = trackX + side * 12.0f;
    for (int gain = -20; gain <= 20; gain += 5)
    {
        const auto y = gainToY ((float)gain);
        const auto major = gain % 10 == 0;
        const auto length = major ? 7.0f : 4.0f;
        g.setColour (major ? ink.withAlpha (0.7f) : ink.withAlpha (0.4f));
        g.fillRect (juce::Rectangle<float> (std::min (tickStart, tickStart + side * length), y - 0.5f, length, 1.0f));

        if (major)
        {
            const auto text = gain > 0 ? "+" + juce::String (gain) : juce::String (gain);
            const auto box = labelsOnLeft ? juce::Rectangle<float> (tickStart - 10.0f - 26.0f, y - 6.0f, 26.0f, 12.0f)
                                          : juce::Rectangle<float> (tickStart + 10.0f, y - 6.0f, 26.0f, 12.0f);
            g.setColour (ink.withAlpha (0.75f));
            drawText (g, text, box, sans (9.5f),
                      labelsOnLeft ? juce::Justification::centredRight : juce::Justification::centredLeft);
        }
    }
}

void drawFaderTrack (juce::Graphics& g, float trackX, const juce::String& caption, bool labelsOnLeft)
{
    // The track's inside stays in the panel colour: the meter masks paint that colour.
    const juce::Rectangle<float> track (trackX - 9.5f, maskTop - 6.0f, 19.0f, maskBottom - maskTop + 12.0f);
    g.setColour (juce::Colours::white.withAlpha (0.55f));
    g.drawRoundedRectangle (track.translated (0.0f, 0.8f), 9.5f, 1.0f);
    g.setColour (ink.withAlpha (0.35f));
    g.drawRoundedRectangle (track, 9.5f, 1.0f);

    drawFaderScale (g, trackX, labelsOnLeft);
    g.setColour (ink);
    drawText (g, caption, { trackX - 40.0f, 419.0f, 80.0f, 14.0f }, sans (10.5f, true, 0.12f));
}

void drawWidthSurround (juce::Graphics& g)
{
    const juce::Point<float> centre (knobCentreX, knobCentreY);
    juce::Path rim;
    rim.addCentredArc (centre.x, centre.y, 132.0f, 132.0f, 0.0f, widthStartAngle, widthEndAngle, true);
    g.setColour (ink.withAlpha (0.3f));
    g.strokePath (rim, juce::PathStrokeType (1.0f));

    for (int value = -15; value <= 15; value += 5)
    {
        const auto angle = widthStartAngle + (float)(value + 15) / 30.0f * (widthEndAngle - widthStartAngle);
        const auto major = value % 15 == 0;
        g.setColour (ink.withAlpha (major ? 0.75f : 0.45f));
        g.drawLine ({ pointOnCircle (centre, 134.0f, angle), pointOnCircle (centre, major ? 142.0f : 139.0f, angle) },
                    major ? 1.4f : 1.0f);
        if (major)
        {
            const auto text = value > 0 ? "+" + juce::String (value) : juce::String (value);
            g.setColour (ink.withAlpha (0.75f));
            drawText (g, text, juce::Rectangle<float> (30.0f, 12.0f).withCentre (pointOnCircle (centre, 153.0f, angle)),
                      sans (9.5f));
        }
    }
    g.setColour (ink);
    drawText (g, "WIDTH", { knobCentreX - 60.0f, 399.0f, 120.0f, 16.0f }, sans (12.0f, true, 0.2f));
}

void drawArcSurround (juce::Graphics& g)
{
    const juce::Point<float> centre (arcCentreX, arcCentreY);
    const auto margin = 0.035f; // the rims reach a little past both ends of the range
    for (const auto radius : { arcMaskInner - 4.0f, arcMaskOuter + 4.0f })
    {
        juce::Path rim;
        rim.addCentredArc (centre.x, centre.y, radius, radius, 0.0f, eqEndAngle - margin, eqStartAngle + margin, true);
        g.setColour (ink.withAlpha (0.3f));
        g.strokePath (rim, juce::PathStrokeType (1.0f));
    }

    for (int step = 0; step <= 6; ++step)
    {
        const auto value = 1.0f + 0.5f * (float)step;
        const auto angle = eqStartAngle + (value - 1.0f) / 3.0f * (eqEndAngle - eqStartAngle);
        const auto major = step % 2 == 0;
        g.setColour (ink.withAlpha (major ? 0.75f : 0.45f));
        g.drawLine ({ pointOnCircle (centre, arcMaskOuter + 6.0f, angle),
                      pointOnCircle (centre, arcMaskOuter + (major ? 13.0f : 10.0f), angle) },
                    major ? 1.4f : 1.0f);
        if (major)
        {
            g.setColour (ink.withAlpha (0.75f));
            drawText (g, juce::String ((int)value),
                      juce::Rectangle<float> (16.0f, 12.0f).withCentre (pointOnCircle (centre, arcMaskOuter + 21.0f, angle)),
                      sans (9.5f));
        }
    }
    g.setColour (ink);
    drawText (g, "WIDTH EQ", { eqSwitchX + eqSwitchSize + 2.0f, eqSwitchY + 25.0f, 92.0f, 14.0f }, sans (11.0f, true, 0.15f),
              juce::Justification::centredLeft);
}

void drawHeaderAndFooter (juce::Graphics& g)
{
    g.setColour (ink);
    drawText (g, "Duveline", { 260.0f, 24.0f, 200.0f, 34.0f }, sans (27.0f, false, 0.04f));
    g.setColour (ink.withAlpha (0.6f));
    drawText (g, "STEREO WIDTH", { 260.0f, 56.0f, 200.0f, 12.0f }, sans (8.5f, true, 0.35f));

    g.setColour (ink.withAlpha (0.65f));
    drawText (g, "TOLVANE", { 300.0f, 448.0f, 120.0f, 14.0f }, sans (10.0f, true, 0.45f));

    g.setColour (hairline);
    g.fillRect (juce::Rectangle<float> (16.0f, 76.0f, 688.0f, 1.0f));
    g.drawRoundedRectangle ({ 6.5f, 6.5f, 707.0f, 467.0f }, 10.0f, 1.0f);
}
} // namespace

void paintBackground (juce::Graphics& g, juce::Rectangle<float>)
{
    g.fillAll (panel);
    // A soft light from above; the masked areas (tracks, ring, arc) stay exact panel colour
    // because the light is confined to the header.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.35f), 0.0f, 0.0f,
                                             juce::Colours::white.withAlpha (0.0f), 0.0f, 76.0f, false));
    g.fillRect (juce::Rectangle<float> (0.0f, 0.0f, 720.0f, 76.0f));

    drawHeaderAndFooter (g);
    drawFaderTrack (g, inputTrackX, "INPUT", true);
    drawFaderTrack (g, outputTrackX, "OUTPUT", false);
    drawWidthSurround (g);
    drawArcSurround (g);
}

void paintEqArc (juce::Graphics& g, juce::Rectangle<float>)
{
    // The band lies inside the mask's reach so that the mask can cover it entirely.
    fillGradientBand (g, { arcCentreX, arcCentreY }, arcMaskInner + 4.0f, arcMaskOuter - 4.0f, eqStartAngle, eqEndAngle,
                      accentLight, ink);
}

void paintBypassOverlay (juce::Graphics& g, juce::Rectangle<float>)
{
    const juce::Rectangle<float> window (720.0f, 480.0f);
    const juce::Rectangle<float> face (bypassFaceX, bypassFaceY, bypassFaceWidth, bypassFaceHeight);

    // A dark veil over everything but the bypass button, which stays visible as the way back.
    juce::Path veil;
    veil.setUsingNonZeroWinding (false);
    veil.addRectangle (window);
    veil.addRoundedRectangle (face.expanded (3.0f), 18.0f);
    g.setColour (juce::Colour (0xd0222b3d));
    g.fillPath (veil);
    g.setColour (accentLight);
    g.drawRoundedRectangle (face.expanded (3.0f), 18.0f, 2.0f);

    // Power symbol.
    const juce::Point<float> centre (360.0f, 178.0f);
    juce::Path power;
    power.addCentredArc (centre.x, centre.y, 30.0f, 30.0f, 0.0f, 0.7f, juce::MathConstants<float>::twoPi - 0.7f, true);
    g.setColour (juce::Colours::white);
    g.strokePath (power, juce::PathStrokeType (7.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    g.drawLine (centre.x, centre.y - 40.0f, centre.x, centre.y - 8.0f, 7.0f);

    drawText (g, "BYPASSED", { 160.0f, 228.0f, 400.0f, 56.0f }, sans (46.0f, true, 0.12f));
    g.setColour (juce::Colours::white.withAlpha (0.8f));
    drawText (g, "The effect is off: the signal passes unchanged.", { 110.0f, 292.0f, 500.0f, 20.0f }, sans (15.0f));
    drawText (g, "Click anywhere to switch it back on.", { 110.0f, 314.0f, 500.0f, 20.0f }, sans (15.0f));
}

void paintInfoPanel (juce::Graphics& g, juce::Rectangle<float>)
{
    // Drawn in the panel's own units: window position minus the panel's origin.
    const juce::Rectangle<float> card (0.5f, 0.5f, 268.5f, 179.0f);
    g.setColour (ink.withAlpha (0.35f));
    g.fillRoundedRectangle (card, 10.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white, 0.0f, 0.0f, juce::Colour (0xfff1f4f8), 0.0f, 180.0f, false));
    g.fillRoundedRectangle (card.reduced (1.0f), 9.0f);

    g.setColour (ink);
    drawText (g, "Duveline", { 0.0f, 16.0f, 269.5f, 32.0f }, sans (26.0f, false, 0.04f));
    g.setColour (ink.withAlpha (0.75f));
    drawText (g, "Neural stereo widening by Tolvane", { 0.0f, 52.0f, 269.5f, 14.0f }, sans (10.5f));
    drawText (g, "Version " + juce::String (DUVELINE_VERSION), { 0.0f, 70.0f, 269.5f, 14.0f }, sans (10.5f));

    g.setColour (hairline);
    g.fillRect (juce::Rectangle<float> (40.0f, 96.0f, 189.5f, 1.0f));

    // The manual link, exactly over the editor's click area.
    const juce::Rectangle<float> manual (manualX - panelX, manualY - panelY, manualWidth, manualHeight);
    auto font = sans (10.0f);
    font.setHorizontalScale (std::min (1.0f, (manualWidth - 1.0f) / font.getStringWidthFloat ("User manual")));
    g.setColour (linkText);
    drawText (g, "User manual", manual.withTrimmedBottom (1.0f), font);
    const auto underline = font.getStringWidthFloat ("User manual");
    g.fillRect (juce::Rectangle<float> (manual.getCentreX() - underline * 0.5f, manual.getBottom() - 1.2f, underline, 0.7f));

    g.setColour (ink.withAlpha (0.5f));
    drawText (g, "Click outside this panel to close it.", { 0.0f, 150.0f, 269.5f, 12.0f }, sans (9.0f));
}
