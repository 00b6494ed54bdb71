/*
    True peak of a signal: the largest magnitude of the signal reconstructed at four times its
    rate, as a meter reads it, for figures of audio the renderers only see from outside.
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace render
{

/** True peak in dBTP of one channel over samples [start, end). */
double measureTruePeakDb (const juce::AudioBuffer<float>& buffer, int channel, int start = 0, int end = -1);

} // namespace render
