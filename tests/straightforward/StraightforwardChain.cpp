/*
    The straightforward widening chain: each stage written the plain way,
    as the optimised processBlock must still compute it.
*/
#include "StraightforwardChain.h"

#include <cmath>

namespace
{
constexpr auto& phases = BrenvoAudioProcessor::truePeakPhases;
constexpr int kept = 12;

float gainOf (const std::atomic<float>* decibels)
{
    return exp10f (decibels->load() / 20.0f);
}
} // namespace

StraightforwardChain::StraightforwardChain (BrenvoAudioProcessor& processor) : p (processor) {}

void StraightforwardChain::step (BrenvoAudioProcessor::HyperGRU& cell, const Brenvo::Matrix<float>& x,
                                 const Brenvo::Matrix<float>& W_ih, const Brenvo::Matrix<float>& W_hh)
{
    using GateRow = Eigen::Matrix<float, 1, 12>;
    cell.input_projection.noalias() = x * W_ih;
    cell.hidden_projection.noalias() = cell.hidden_state * W_hh;

    const GateRow r_in = cell.input_projection.middleCols<12> (0) + cell.hidden_projection.middleCols<12> (0);
    const GateRow z_in = cell.input_projection.middleCols<12> (12) + cell.hidden_projection.middleCols<12> (12);
    cell.reset_gate = Brenvo::sigmoid (r_in);
    cell.update_gate = Brenvo::sigmoid (z_in);

    const GateRow n_in =
        cell.input_projection.middleCols<12> (24) + cell.reset_gate.cwiseProduct (cell.hidden_projection.middleCols<12> (24));
    cell.candidate = Brenvo::fastTanh (n_in);

    cell.hidden_state =
        (cell.update_gate.array() * cell.hidden_state.array() + (1.0f - cell.update_gate.array()) * cell.candidate.array())
            .matrix();
    cell.gru_output.noalias() = cell.hidden_state * cell.W_out;
}

void StraightforwardChain::process (juce::AudioBuffer<float>& buffer)
{
    juce::ScopedNoDenormals noDenormals;

    const auto n = buffer.getNumSamples();
    if (n <= 0 || static_cast<double> (p.bypassValue->load()) >= 0.00001)
        return;

    if (n != p.lastBlockSize)
        p.prepareToPlay (p.hostSampleRate, n);
    const auto M = p.modelBlockSize;

    const auto w = p.currentWidthControl();
    const auto e = p.currentEqControl();
    W_ih_steps.clear();
    W_hh_steps.clear();

    const bool controlsChanged = !(w == p.lastWidth) || !(e == p.lastEq);
    if (controlsChanged)
    {
        auto& net = subnet();
        p.previous_W_ih = net.W_ih;
        p.previous_W_hh = net.W_hh;
        net.forward (e, w);
        Brenvo::interpolateMatrix (p.previous_W_ih, net.W_ih, M, W_ih_steps);
        Brenvo::interpolateMatrix (p.previous_W_hh, net.W_hh, M, W_hh_steps);
        p.lastWidth = w;
        p.lastEq = e;
    }

    applyGain (buffer, gainOf (p.inputGainValue), p.prevInputGain);
    for (int c = 0; c < p.numOutputChannels; ++c)
        for (int i = 0; i < n; ++i)
            if (!std::isfinite (buffer.getSample (c, i)))
                buffer.setSample (c, i, 0.0f);
    measureTruePeak (buffer, 0);

    resample (p.upsamplers, buffer, n, p.modelBuffer, M);
    juce::dsp::AudioBlock<float> block (p.modelBuffer);
    p.inputConvolution.process (juce::dsp::ProcessContextReplacing<float> (block));
    runNetwork (controlsChanged);
    if (M > n)
        p.lowPassFilter.process (juce::dsp::ProcessContextReplacing<float> (block));
    resample (p.downsamplers, p.modelBuffer, M, buffer, n);

    applyGain (buffer, gainOf (p.outputGainValue), p.prevOutputGain);
    measureTruePeak (buffer, 1);
}

void StraightforwardChain::runNetwork (bool useSteps)
{
    auto& cell = gru();
    auto& net = subnet();
    for (int o = 0; o < cell.blockLength; ++o)
    {
        for (int c = 0; c < cell.channelCount; ++c)
            cell.gru_input (0, c) = p.modelBuffer.getSample (c, o);
        if (cell.channelCount == 1)
            cell.gru_input (0, 1) = cell.gru_input (0, 0);

        const auto k = static_cast<size_t> (o);
        step (cell, cell.gru_input, useSteps ? W_ih_steps[k] : net.W_ih, useSteps ? W_hh_steps[k] : net.W_hh);

        for (int c = 0; c < cell.channelCount; ++c)
            p.modelBuffer.setSample (c, o, cell.gru_output (0, c));
    }
    if (!cell.hidden_state.allFinite())
        cell.hidden_state.setZero();
}

void StraightforwardChain::measureTruePeak (const juce::AudioBuffer<float>& buffer, int which)
{
    const auto n = buffer.getNumSamples();
    const auto length = p.truePeakHistory.getNumSamples();
    for (int c = 0; c < p.numOutputChannels; ++c)
    {
        const auto index = which * p.numOutputChannels + c;
        auto* h = p.truePeakHistory.getWritePointer (index);
        std::copy (h + length - kept, h + length, h);
        std::copy (buffer.getReadPointer (c), buffer.getReadPointer (c) + n, h + kept);

        float peak = 0.0f;
        for (int f = kept; f < n + kept; ++f)
            for (const auto& phase : phases)
            {
                float y = 0.0f;
                for (int m = 0; m < 12; ++m)
                    y += phase[m] * h[f - m];
                peak = std::max (peak, std::abs (y));
            }
        p.truePeakLevels[static_cast<size_t> (index)] = 20.0f * std::log10 (peak);
    }
}

void StraightforwardChain::applyGain (juce::AudioBuffer<float>& buffer, float gain, float& previousGain)
{
    if (!(gain == previousGain))
    {
        buffer.applyGainRamp (0, buffer.getNumSamples(), previousGain, gain);
        previousGain = gain;
    }
    else
    {
        buffer.applyGain (gain);
    }
}

void StraightforwardChain::resample (std::array<juce::LagrangeInterpolator, 2>& interpolators,
                                     const juce::AudioBuffer<float>& source, int numSourceSamples,
                                     juce::AudioBuffer<float>& destination, int numDestinationSamples)
{
    const auto ratio = static_cast<double> (numSourceSamples) / static_cast<double> (numDestinationSamples);
    for (int c = 0; c < juce::jmin (p.numOutputChannels, 2); ++c)
        interpolators[static_cast<size_t> (c)].process (ratio, source.getReadPointer (c), destination.getWritePointer (c),
                                                        numDestinationSamples, numSourceSamples, 0);
}
