/*
    Geometry shared by the look-and-feels that show a value by masking part of a
    ring picture: points on circles about a fixed centre, in the rounding the
    drawings are laid out in.
*/
#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cmath>

namespace MaskPath
{
/** Angles are the framework's rotary angles (0 at twelve o'clock, clockwise);
    this quarter turn brings them to the maths convention of cos and sin. */
constexpr double quarterTurn = 1.5708;
constexpr double halfTurn = 3.1416;

/** The point at `radius` and `angle` about (centreX, centreY), in design units,
    worked out in double precision and rounded to float before scaling. */
inline juce::Point<float> pointOnCircle (double centreX, double centreY, double radius, double angle, float scale)
{
    const auto x = (float)(centreX + radius * std::cos (angle - quarterTurn));
    const auto y = (float)(centreY + radius * std::sin (angle - quarterTurn));
    return { x * scale, y * scale };
}

/** Appends an arc about `centre` to the path, joined by a straight line from
    the path's current point (a new sub-path is never started). */
inline void arcAbout (juce::Path& path, juce::Point<float> centre, float radius, float fromAngle, float toAngle)
{
    path.addCentredArc (centre.x, centre.y, radius, radius, 0.0f, fromAngle, toAngle, false);
}
} // namespace MaskPath
