/*
    The editor's eighteen pictures: their files, stored sizes and painters. Each
    painter draws in the units the editor shows the picture in (a quarter of the
    stored pixels, or the window's own pixels for the pictures placed against the
    window), and the table's transform takes those units to stored pixels.
*/
#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

struct Picture
{
    const char* fileName;
    int width;
    int height;
    /** From drawing units to stored pixels. */
    juce::AffineTransform unitsToPixels;
    void (*paint) (juce::Graphics&, juce::Rectangle<float> area);
};

/** Every picture of the editor, in the order of their resource names. */
std::vector<Picture> allPictures();

// Pictures laid against the whole window: drawn in window pixels.
void paintBackground (juce::Graphics&, juce::Rectangle<float> area);
void paintBypassOverlay (juce::Graphics&, juce::Rectangle<float> area);
void paintInfoPanel (juce::Graphics&, juce::Rectangle<float> area);
void paintEqArc (juce::Graphics&, juce::Rectangle<float> area);

// Control faces: drawn in units of a quarter of the stored size.
void paintFaderThumb (juce::Graphics&, juce::Rectangle<float> area);
void paintMeterStrip (juce::Graphics&, juce::Rectangle<float> area);
void paintLinkOn (juce::Graphics&, juce::Rectangle<float> area);
void paintLinkOff (juce::Graphics&, juce::Rectangle<float> area);
void paintWidthRing (juce::Graphics&, juce::Rectangle<float> area);
void paintWidthKnob (juce::Graphics&, juce::Rectangle<float> area);
void paintEqOn (juce::Graphics&, juce::Rectangle<float> area);
void paintEqOff (juce::Graphics&, juce::Rectangle<float> area);
void paintBypassButton (juce::Graphics&, juce::Rectangle<float> area);
void paintBypassPressed (juce::Graphics&, juce::Rectangle<float> area);
void paintInfoButton (juce::Graphics&, juce::Rectangle<float> area);
void paintInfoHover (juce::Graphics&, juce::Rectangle<float> area);
void paintPresetButton (juce::Graphics&, juce::Rectangle<float> area);
void paintPresetPressed (juce::Graphics&, juce::Rectangle<float> area);
