/*
    Speed of the widening chain: the whole processBlock per host rate as a
    real-time factor (seconds of audio per CPU second), each stage's cost per
    second of audio, and one recurrent step; each beside the straightforward
    chain where the two differ, so one run compares them.
*/
#include "PluginProcessor.h"
#include "StraightforwardChain.h"

#include <benchmark/benchmark.h>

#include <random>

namespace
{
constexpr int hostBlock = 512;

juce::AudioBuffer<float> noiseBlock (int channels, int samples)
{
    juce::AudioBuffer<float> buffer (channels, samples);
    std::mt19937 rng (1);
    std::uniform_real_distribution<float> dist (-0.5f, 0.5f);
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            buffer.setSample (c, i, dist (rng));
    return buffer;
}

/** A processor prepared for a host rate, with one block already processed. */
struct PreparedProcessor
{
    juce::ScopedJuceInitialiser_GUI runtime;
    BrenvoAudioProcessor processor;
    juce::AudioBuffer<float> input = noiseBlock (2, hostBlock);
    juce::AudioBuffer<float> buffer { 2, hostBlock };
    juce::MidiBuffer midi;

    explicit PreparedProcessor (double rate)
    {
        processor.prepareToPlay (rate, hostBlock);
        buffer.makeCopyOf (input);
        processor.processBlock (buffer, midi);
    }
};

/** Reports the cost of one host block's worth of a stage per second of audio. */
void reportPerAudioSecond (benchmark::State& state, double rate)
{
    const double blocks = static_cast<double> (state.iterations());
    state.counters["audio_s_per_cpu_s"] = benchmark::Counter (blocks * hostBlock / rate, benchmark::Counter::kIsRate);
}

double rateOf (const benchmark::State& state)
{
    return static_cast<double> (state.range (0));
}

void BM_ProcessBlock (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    for (auto _ : state)
    {
        p.buffer.makeCopyOf (p.input, true);
        p.processor.processBlock (p.buffer, p.midi);
        benchmark::DoNotOptimize (p.buffer.getReadPointer (0));
    }
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StraightforwardProcessBlock (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    StraightforwardChain chain (p.processor);
    for (auto _ : state)
    {
        p.buffer.makeCopyOf (p.input, true);
        chain.process (p.buffer);
        benchmark::DoNotOptimize (p.buffer.getReadPointer (0));
    }
    reportPerAudioSecond (state, rateOf (state));
}

/** processBlock while "Width" moves every block, so every block glides its weights. */
template <typename Process> void processMovingWidth (benchmark::State& state, PreparedProcessor& p, Process process)
{
    float width = 0.0f;
    for (auto _ : state)
    {
        width = width > 10.0f ? -10.0f : width + 0.7f;
        p.processor.widthValue->store (width);
        p.buffer.makeCopyOf (p.input, true);
        process (p.buffer);
        benchmark::DoNotOptimize (p.buffer.getReadPointer (0));
    }
    reportPerAudioSecond (state, rateOf (state));
}

void BM_ProcessBlockMovingWidth (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    processMovingWidth (state, p, [&] (auto& buffer) { p.processor.processBlock (buffer, p.midi); });
}

void BM_StraightforwardProcessBlockMovingWidth (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    StraightforwardChain chain (p.processor);
    processMovingWidth (state, p, [&] (auto& buffer) { chain.process (buffer); });
}

void BM_StageConvolution (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    juce::dsp::AudioBlock<float> block (p.processor.modelBuffer);
    for (auto _ : state)
        p.processor.inputConvolution.process (juce::dsp::ProcessContextReplacing<float> (block));
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StageLowPass (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    juce::dsp::AudioBlock<float> block (p.processor.modelBuffer);
    for (auto _ : state)
        p.processor.applyLowPass (block);
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StraightforwardStageLowPass (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    juce::dsp::AudioBlock<float> block (p.processor.modelBuffer);
    for (auto _ : state)
        p.processor.lowPassFilter.process (juce::dsp::ProcessContextReplacing<float> (block));
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StageResamplers (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    auto& proc = p.processor;
    const int M = proc.modelBlockSize;
    for (auto _ : state)
        for (int c = 0; c < 2; ++c)
        {
            proc.upsamplers[(size_t)c].process (double (hostBlock) / M, p.input.getReadPointer (c),
                                                proc.modelBuffer.getWritePointer (c), M, hostBlock, 0);
            proc.downsamplers[(size_t)c].process (double (M) / hostBlock, proc.modelBuffer.getReadPointer (c),
                                                  p.buffer.getWritePointer (c), hostBlock, M, 0);
        }
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StageNetwork (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    auto& proc = p.processor;
    auto& gru = proc.useModel192k ? proc.gru192k : proc.gru96k;
    for (auto _ : state)
        for (int o = 0; o < gru.blockLength; ++o)
        {
            gru.gru_input (0, 0) = proc.modelBuffer.getSample (0, o);
            gru.gru_input (0, 1) = proc.modelBuffer.getSample (1, o);
            gru.forward_cell (gru.gru_input, proc.W_ih_rows, proc.W_hh_rows);
            proc.modelBuffer.setSample (0, o, gru.gru_output (0, 0));
        }
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StraightforwardStageNetwork (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    StraightforwardChain chain (p.processor);
    for (auto _ : state)
        chain.runNetwork (false);
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StageMeters (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    for (auto _ : state)
    {
        p.processor.GetTruePeak (p.buffer, 0);
        p.processor.GetTruePeak (p.buffer, 1);
    }
    reportPerAudioSecond (state, rateOf (state));
}

void BM_StraightforwardStageMeters (benchmark::State& state)
{
    PreparedProcessor p (rateOf (state));
    StraightforwardChain chain (p.processor);
    for (auto _ : state)
    {
        chain.measureTruePeak (p.buffer, 0);
        chain.measureTruePeak (p.buffer, 1);
    }
    reportPerAudioSecond (state, rateOf (state));
}

/** One recurrent step after another, each input taken from the last output.
    The cell steps with the row-wise weights the processor keeps for it. */
template <typename Step>
void runSteps (benchmark::State& state, Step step)
{
    PreparedProcessor p (48000.0);
    auto& gru = p.processor.gru96k;
    float x = 0.1f;
    for (auto _ : state)
    {
        gru.gru_input (0, 0) = x;
        gru.gru_input (0, 1) = -x;
        step (gru, p.processor);
        x = 0.5f * gru.gru_output (0, 0) + 0.01f;
    }
    benchmark::DoNotOptimize (x);
}

void BM_ForwardCell (benchmark::State& state)
{
    runSteps (state, [] (auto& gru, auto& p) { gru.forward_cell (gru.gru_input, p.W_ih_rows, p.W_hh_rows); });
}

void BM_StraightforwardStep (benchmark::State& state)
{
    runSteps (state,
              [] (auto& gru, auto& p) { StraightforwardChain::step (gru, gru.gru_input, p.subnet96k.W_ih, p.subnet96k.W_hh); });
}

/** The step's floor: only its chain of nonlinearities from one hidden row to
    the next (the gates' sigmoid, then the candidate's tanh, then the blend),
    with the model's own functions and without the products. However the step
    is arranged, with these formulas it cannot take less than this. */
void BM_GateChainFloor (benchmark::State& state)
{
    using Row = Eigen::Matrix<float, 1, 12>;
    Row h = Row::Constant (0.1f);
    const Eigen::Matrix<float, 1, 36> projection = Eigen::Matrix<float, 1, 36>::LinSpaced (-1.0f, 1.0f);
    for (auto _ : state)
    {
        Eigen::Matrix<float, 1, 24> gates;
        gates << h, h;
        const Eigen::Matrix<float, 1, 24> rz = Brenvo::sigmoid (gates + projection.head<24>());
        const Row n = Brenvo::fastTanh (projection.tail<12>() + rz.head<12>().cwiseProduct (h));
        h = (rz.tail<12>().array() * h.array() + (1.0f - rz.tail<12>().array()) * n.array()).matrix();
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize (h);
}

void hostRates (benchmark::internal::Benchmark* b)
{
    for (int rate : { 44100, 48000, 88200, 96000, 192000 })
        b->Arg (rate);
}
} // namespace

BENCHMARK (BM_ProcessBlock)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StraightforwardProcessBlock)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_ProcessBlockMovingWidth)->Arg (48000)->Arg (96000)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StraightforwardProcessBlockMovingWidth)->Arg (48000)->Arg (96000)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StageConvolution)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StageLowPass)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StraightforwardStageLowPass)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StageResamplers)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StageNetwork)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StraightforwardStageNetwork)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StageMeters)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_StraightforwardStageMeters)->Apply (hostRates)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_ForwardCell);
BENCHMARK (BM_StraightforwardStep);
BENCHMARK (BM_GateChainFloor);

BENCHMARK_MAIN();
