/*
    Where the editor places its controls in its 720 x 480 window, as far as the
    pictures must line up with them: the fader tracks and the meter strips, the
    width knob, the Width EQ arc, the buttons and the manual link.
*/
#pragma once

#include <juce_core/juce_core.h>

namespace EditorLayout
{
// Faders: track centres, the thumb centre at the two ends of the gain range.
constexpr float inputTrackX = 68.0f;
constexpr float outputTrackX = 146.0f;
constexpr float minimumGain = -20.0f;
constexpr float maximumGain = 20.0f;
constexpr float thumbYAtMinimum = 391.0f;
constexpr float thumbYAtMaximum = 113.0f;
constexpr float gainToY (float gain)
{
    return thumbYAtMinimum + (gain - minimumGain) * (thumbYAtMaximum - thumbYAtMinimum) / (maximumGain - minimumGain);
}

// Meter strips (two per track, 4 wide, 2 apart) and the reach of their masks.
constexpr float stripTop = 97.0f;
constexpr float maskTop = 96.0f;
constexpr float maskBottom = 406.0f;

// Width knob: centre of its 271-pixel square and its rotary range.
constexpr float knobCentreX = 360.5f;
constexpr float knobCentreY = 238.5f;
constexpr float widthStartAngle = 1.18f * juce::MathConstants<float>::pi;
constexpr float widthEndAngle = 2.835f * juce::MathConstants<float>::pi;
constexpr float ringMaskRadius = 126.75f;

// Width EQ arc: centre of its circle, the band its mask covers, its rotary range.
constexpr float arcCentreX = 540.0f - 181.8f;
constexpr float arcCentreY = 70.0f + 170.0f;
constexpr float arcMaskInner = 259.0f;
constexpr float arcMaskOuter = 291.0f;
constexpr float eqStartAngle = 0.652f * juce::MathConstants<float>::pi;
constexpr float eqEndAngle = 0.34f * juce::MathConstants<float>::pi;
// The arc picture is drawn into the box (63, -57, 602, 593) of the window; its
// halved pixels scale by one half, which centres it at x 61.5.
constexpr float arcPictureX = 61.5f;
constexpr float arcPictureY = -57.0f;

// The EQ switch, whose caption sits beside it.
constexpr float eqSwitchX = 545.0f;
constexpr float eqSwitchY = 380.0f;
constexpr float eqSwitchSize = 64.0f;

// The information panel is drawn at x 225.75 (centred), y 150; the manual click
// area is (338, 268, 45, 12) in the window.
constexpr float panelX = 225.75f;
constexpr float panelY = 150.0f;
constexpr float manualX = 338.0f;
constexpr float manualY = 268.0f;
constexpr float manualWidth = 45.0f;
constexpr float manualHeight = 12.0f;

// The bypass face as it lies in the window; the overlay leaves it uncovered.
constexpr float bypassFaceX = 537.0f;
constexpr float bypassFaceY = 27.0f;
constexpr float bypassFaceWidth = 78.0f;
constexpr float bypassFaceHeight = 36.0f;
} // namespace EditorLayout
