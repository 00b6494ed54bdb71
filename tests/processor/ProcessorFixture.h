/*
    Shared set-up for the processor tests: a JUCE runtime for the whole binary,
    parameter helpers and test signals.
*/
#pragma once

#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

/** Sets a parameter by ID to a plain (unnormalised) value, as the host or the editor would. */
inline void setParameter (BrenvoAudioProcessor& p, const char* id, float value)
{
    auto* parameter = p.valueTreeState.getParameter (id);
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
}

inline float parameterValue (BrenvoAudioProcessor& p, const char* id)
{
    return p.valueTreeState.getRawParameterValue (id)->load();
}

/** Fills a buffer with partly correlated noise, deterministic per seed. */
inline void fillNoise (juce::AudioBuffer<float>& buffer, unsigned seed, float level = 0.5f)
{
    std::mt19937 rng (seed);
    std::normal_distribution<float> dist (0.0f, level * 0.3f);
    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        const float common = dist (rng);
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            buffer.setSample (c, i, common + 0.5f * dist (rng));
    }
}

/** Processes `numBlocks` blocks of noise and returns the last output block. */
inline juce::AudioBuffer<float> processNoise (BrenvoAudioProcessor& p, int blockSize, int numBlocks, int channels = 2, unsigned seed = 1)
{
    juce::AudioBuffer<float> buffer (channels, blockSize);
    juce::MidiBuffer midi;
    for (int b = 0; b < numBlocks; ++b)
    {
        fillNoise (buffer, seed + static_cast<unsigned> (b));
        p.processBlock (buffer, midi);
    }
    return buffer;
}

inline bool allFinite (const juce::AudioBuffer<float>& buffer)
{
    for (int c = 0; c < buffer.getNumChannels(); ++c)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            if (! std::isfinite (buffer.getSample (c, i)))
                return false;
    return true;
}

inline void setMonoLayout (BrenvoAudioProcessor& p)
{
    auto layout = p.getBusesLayout();
    layout.inputBuses.getReference (0) = juce::AudioChannelSet::mono();
    layout.outputBuses.getReference (0) = juce::AudioChannelSet::mono();
    ASSERT_TRUE (p.setBusesLayout (layout));
}
