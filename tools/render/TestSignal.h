/*
    The default input of the renderer: a few seconds of partly correlated pink
    noise under a chord of tones panned across the image, generated in code.
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace render
{

/** Partly correlated stereo pink noise (L/R correlation about 0.76), deterministic per seed, near -20 dBFS RMS. */
juce::AudioBuffer<float> makePinkNoise (double sampleRate, double seconds, unsigned seed = 1);

/** Stereo test signal of `seconds` at `sampleRate`, deterministic, peaking near -6 dBFS. */
juce::AudioBuffer<float> makeDefaultInput (double sampleRate, double seconds = 4.0);

} // namespace render
