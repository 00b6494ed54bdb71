/*
    Loading and drawing rules shared by every picture of the editor: pictures are
    stored at four times their drawn size, halved once when loaded, and control
    faces are drawn centred at half their loaded size.
*/
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace Artwork
{
/** Decodes one of the pictures embedded in BinaryData. Nothing else is ever
    decoded: JUCE's PNG and JPEG decoders are not safe against corrupt input on
    this platform, so only our own, known-good resources reach them. A missing
    resource gives a null image. */
juce::Image decode (const char* data, int size);

/** The picture at half its width and height (integer halves), resampled with high
    quality. A null picture stays null. */
juce::Image halved (const juce::Image& image);

/** decode followed by halved: the loading rule of every control picture. */
juce::Image loadHalved (const char* data, int size);

/** Where a control face goes: half the loaded size times `scale`, centred in a
    width x height control with integer halves (so a larger face starts at a
    negative offset). A null picture gives an empty rectangle. */
juce::Rectangle<int> centredQuarter (const juce::Image& image, int width, int height, float scale);

/** Draws a picture into a box, scaled to cover it with its aspect ratio kept and
    centred; a null picture draws nothing. */
void drawWithin (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> box);

/** Draws a control face by the centred-quarter rule. */
void drawCentredQuarter (juce::Graphics& g, const juce::Image& image, int width, int height, float scale);

/** Where a face goes when it is centred on the point (anchorX, anchorY) of the
    window instead of in its control: same size as the centred quarter, so that a
    button's face keeps its place when its toggle grows to the whole window. */
juce::Rectangle<int> anchoredQuarter (const juce::Image& image, float anchorX, float anchorY, float scale);

/** Draws a face by the anchored-quarter rule. */
void drawAnchoredQuarter (juce::Graphics& g, const juce::Image& image, float anchorX, float anchorY, float scale);
} // namespace Artwork
