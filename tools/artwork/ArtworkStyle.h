/*
    Colours, fonts and drawing helpers shared by every picture of the artwork
    generator, so that the whole editor face keeps one palette and one typeface.
*/
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace ArtworkStyle
{
/** The panel colour; the editor paints its value masks in exactly this colour, so
    every area a mask can cover is left in it. */
const juce::Colour panel { 0xffdee4ed };
/** Text and marks. */
const juce::Colour ink { 0xff3b4d76 };
const juce::Colour hairline = ink.withAlpha (0.22f);
const juce::Colour faceTop { 0xfffbfcfe };
const juce::Colour faceBottom { 0xffe8edf4 };
const juce::Colour accentLight { 0xff8cc3ee };
const juce::Colour accent { 0xff4f7cc4 };
const juce::Colour linkText { 0xff2f6fc0 };

/** DejaVu Sans from Debian's fonts-dejavu-core, read from its file so that the
    pictures do not depend on the machine's font configuration. */
juce::Font sans (float height, bool bold = false, float extraKerning = 0.0f);

/** Single-line text in a box. */
void drawText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> box, const juce::Font& font,
               juce::Justification justification = juce::Justification::centred);

/** Point at `radius` and `angle` (radians, clockwise from twelve o'clock) around `centre`. */
juce::Point<float> pointOnCircle (juce::Point<float> centre, float radius, float angle);

/** A circular band between `innerRadius` and `outerRadius` whose colour runs from
    `from` at `startAngle` to `to` at `endAngle`, with round ends that stay inside the
    two angles. */
void fillGradientBand (juce::Graphics& g, juce::Point<float> centre, float innerRadius, float outerRadius, float startAngle,
                       float endAngle, juce::Colour from, juce::Colour to);

/** A rounded, lightly shaded button face with a thin outline and a soft shadow. */
void drawRaisedFace (juce::Graphics& g, juce::Rectangle<float> box, float cornerSize);

/** A filled rounded rectangle in `colour`, for pressed and active faces. */
void drawFilledFace (juce::Graphics& g, juce::Rectangle<float> box, float cornerSize, juce::Colour colour);
} // namespace ArtworkStyle
