/*
    Stereo width figures of a signal: side/mid energy ratio and L/R correlation.
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace render
{

struct StereoFigures
{
    double sideToMidDb = 0.0;   // 10 log10 (E[side^2] / E[mid^2]), mid = (L+R)/2, side = (L-R)/2
    double correlation = 0.0;   // E[LR] / sqrt (E[L^2] E[R^2])
    double peakDb = 0.0;        // sample peak over both channels
};

/** Figures over samples [start, end) of a stereo buffer (a mono buffer reads as L = R). */
StereoFigures measureStereo (const juce::AudioBuffer<float>& buffer, int start = 0, int end = -1);

} // namespace render
