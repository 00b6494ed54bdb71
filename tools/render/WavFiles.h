/*
    Reading and writing the renderers' WAV files: input as stereo (a mono file is doubled),
    output as 32-bit floating point, so that nothing above full scale is cut off.
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

namespace render
{

/** Reads file (16, 24 or 32-bit, integer or floating point) into a stereo buffer and its sample
    rate; false when it is no readable WAV file. */
bool readWav (const juce::File& file, juce::AudioBuffer<float>& buffer, double& rate);

/** Writes buffer as a 32-bit floating-point WAV file, creating the folder; false when that fails. */
bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double rate);

} // namespace render
