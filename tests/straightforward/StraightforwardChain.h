/*
    The widening chain as it read before it was tuned for speed: dynamic-size
    products in the recurrent step, the weight lists built for a whole block,
    one convolution call per block and scalar meters. It runs on a processor's
    own members, so the equivalence test and the benchmarks can set it beside
    processBlock with the same parameters, weights and framework objects.
*/
#pragma once

#include "PluginProcessor.h"

#include <vector>

class StraightforwardChain
{
public:
    /** Processes with `processor`'s members and parameters; the processor's own
        processBlock must not run on the same instance. */
    explicit StraightforwardChain (BrenvoAudioProcessor& processor);

    /** Does what processBlock does, the straightforward way. */
    void process (juce::AudioBuffer<float>& buffer);

    /** One recurrent step with dynamic-size products and temporaries. */
    static void step (BrenvoAudioProcessor::HyperGRU& cell, const Brenvo::Matrix<float>& x, const Brenvo::Matrix<float>& W_ih,
                      const Brenvo::Matrix<float>& W_hh);

    /** True peak of each channel into the `which` half of the processor's levels. */
    void measureTruePeak (const juce::AudioBuffer<float>& buffer, int which);

    /** The per-sample network over the processor's model buffer. */
    void runNetwork (bool useSteps);

private:
    BrenvoAudioProcessor& p;
    std::vector<Brenvo::Matrix<float>> W_ih_steps, W_hh_steps;

    BrenvoAudioProcessor::Subnet& subnet() { return p.useModel192k ? p.subnet192k : p.subnet96k; }
    BrenvoAudioProcessor::HyperGRU& gru() { return p.useModel192k ? p.gru192k : p.gru96k; }
    void applyGain (juce::AudioBuffer<float>& buffer, float gain, float& previousGain);
    void resample (std::array<juce::LagrangeInterpolator, 2>& interpolators, const juce::AudioBuffer<float>& source,
                   int numSourceSamples, juce::AudioBuffer<float>& destination, int numDestinationSamples);
};
