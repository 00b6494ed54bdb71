/*
    WAV files through JUCE's WAV format.
*/
#include "WavFiles.h"

#include <juce_audio_formats/juce_audio_formats.h>

namespace render
{

bool readWav (const juce::File& file, juce::AudioBuffer<float>& buffer, double& rate)
{
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));
    if (reader == nullptr || reader->numChannels < 1 || reader->lengthInSamples <= 0)
        return false;
    buffer.setSize (2, static_cast<int> (reader->lengthInSamples));
    reader->read (&buffer, 0, buffer.getNumSamples(), 0, true, true);
    if (reader->numChannels == 1)
        buffer.copyFrom (1, 0, buffer, 0, 0, buffer.getNumSamples());
    rate = reader->sampleRate;
    return true;
}

bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double rate)
{
    file.getParentDirectory().createDirectory();
    file.deleteFile();
    // The framework writes 32-bit WAV as floating point, the way an audio editor's bounce keeps
    // peaks above full scale that integer samples would cut.
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (
        file.createOutputStream().release(), rate, static_cast<unsigned> (buffer.getNumChannels()), 32, {}, 0));
    return writer != nullptr && writer->writeFromAudioSampleBuffer (buffer, 0, buffer.getNumSamples());
}

} // namespace render
