/*
    Measurements of the whole plug-in through the real processor.
*/
#include "Measurements.h"

#include "PluginProcessor.h"
#include "TestSignal.h"

#include <juce_dsp/juce_dsp.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace measure
{
namespace
{
constexpr double twoPi = juce::MathConstants<double>::twoPi;

void setParameter (BrenvoAudioProcessor& p, const char* id, float value)
{
    auto* parameter = p.valueTreeState.getParameter (id);
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
}

double decibels (double ratio)
{
    return 10.0 * std::log10 (std::max (ratio, 1e-300));
}

/** A sum of cosines built by phasor recurrence (exact enough in double over a few seconds). */
std::vector<double> sumOfTones (const std::vector<double>& frequencies, const std::vector<double>& phases, double amplitude,
                                double rate, int length)
{
    std::vector<double> x (static_cast<size_t> (length), 0.0);
    for (size_t k = 0; k < frequencies.size(); ++k)
    {
        const auto step = std::polar (1.0, twoPi * frequencies[k] / rate);
        auto phasor = std::polar (amplitude, phases[k]);
        for (auto& v : x)
        {
            v += phasor.real();
            phasor *= step;
        }
    }
    return x;
}

/** Hann-windowed DFT of `x` from `start` over `length` samples at one frequency. */
std::complex<double> windowedBin (const float* x, int start, int length, double frequency, double rate)
{
    const auto step = std::polar (1.0, -twoPi * frequency / rate);
    auto phasor = std::polar (1.0, -twoPi * frequency * start / rate);
    std::complex<double> sum = 0.0;
    for (int n = 0; n < length; ++n)
    {
        const double window = 0.5 - 0.5 * std::cos (twoPi * n / length);
        sum += window * static_cast<double> (x[start + n]) * phasor;
        phasor *= step;
    }
    return sum;
}

struct MidSide
{
    double mid = 0.0, side = 0.0;
};

MidSide midSideEnergy (const juce::AudioBuffer<float>& b, int start)
{
    MidSide e;
    for (int i = start; i < b.getNumSamples(); ++i)
    {
        const double l = b.getSample (0, i), r = b.getSample (1, i);
        e.mid += 0.25 * (l + r) * (l + r);
        e.side += 0.25 * (l - r) * (l - r);
    }
    return e;
}

double largestHiddenState (BrenvoAudioProcessor& p)
{
    const auto& state = (p.useModel192k ? p.gru192k : p.gru96k).hidden_state;
    return state.size() > 0 ? static_cast<double> (state.cwiseAbs().maxCoeff()) : 0.0;
}

/** Fits a + b cos + c sin at `frequency` by least squares and returns the residual and the tone's power. */
std::pair<std::vector<double>, double> removeTone (const float* y, int start, int length, double frequency, double rate)
{
    double m[3][3] {}, v[3] {};
    auto basis = [&] (int n, double* f)
    {
        f[0] = 1.0;
        f[1] = std::cos (twoPi * frequency * n / rate);
        f[2] = std::sin (twoPi * frequency * n / rate);
    };
    for (int n = 0; n < length; ++n)
    {
        double f[3];
        basis (n, f);
        for (int i = 0; i < 3; ++i)
        {
            v[i] += f[i] * y[start + n];
            for (int j = 0; j < 3; ++j)
                m[i][j] += f[i] * f[j];
        }
    }
    // Gaussian elimination on the 3 x 3 normal equations.
    for (int i = 0; i < 3; ++i)
        for (int r = i + 1; r < 3; ++r)
        {
            const double factor = m[r][i] / m[i][i];
            for (int c = i; c < 3; ++c)
                m[r][c] -= factor * m[i][c];
            v[r] -= factor * v[i];
        }
    double coefficient[3];
    for (int i = 2; i >= 0; --i)
    {
        double s = v[i];
        for (int c = i + 1; c < 3; ++c)
            s -= m[i][c] * coefficient[c];
        coefficient[i] = s / m[i][i];
    }

    std::vector<double> residual (static_cast<size_t> (length));
    for (int n = 0; n < length; ++n)
    {
        double f[3];
        basis (n, f);
        residual[(size_t)n] = y[start + n] - (coefficient[0] + coefficient[1] * f[1] + coefficient[2] * f[2]);
    }
    return { residual, 0.5 * (coefficient[1] * coefficient[1] + coefficient[2] * coefficient[2]) };
}

/** Mean power of `x` between 20 Hz and 20 kHz (Hann window, power-of-two FFT). */
double bandPower (const std::vector<double>& x, double rate)
{
    const int order = juce::roundToInt (std::log2 (static_cast<double> (x.size())));
    const int n = 1 << order;
    juce::dsp::FFT fft (order);
    std::vector<float> data (2 * static_cast<size_t> (n), 0.0f);
    double windowEnergy = 0.0;
    for (int i = 0; i < n; ++i)
    {
        const double window = 0.5 - 0.5 * std::cos (twoPi * i / n);
        data[(size_t)i] = static_cast<float> (window * x[(size_t)i]);
        windowEnergy += window * window;
    }
    fft.performFrequencyOnlyForwardTransform (data.data(), true);
    double power = 0.0;
    for (int k = 1; k < n / 2; ++k)
    {
        const double f = k * rate / n;
        if (f >= 20.0 && f <= 20000.0)
            power += 2.0 * static_cast<double> (data[(size_t)k]) * data[(size_t)k];
    }
    return power / (n * windowEnergy);
}
} // namespace

void applyControls (BrenvoAudioProcessor& processor, const Controls& controls)
{
    setParameter (processor, BrenvoAudioProcessor::ParameterIDs::width, controls.width);
    setParameter (processor, BrenvoAudioProcessor::ParameterIDs::widthEq, controls.widthEq);
    setParameter (processor, BrenvoAudioProcessor::ParameterIDs::widthEqSwitch, controls.eqOn ? 1.0f : 0.0f);
    setParameter (processor, BrenvoAudioProcessor::ParameterIDs::inputGain, controls.inputGain);
    setParameter (processor, BrenvoAudioProcessor::ParameterIDs::outputGain, controls.outputGain);
}

void processInBlocks (BrenvoAudioProcessor& processor, juce::AudioBuffer<float>& audio, int blockSize,
                      const std::function<void (int)>& beforeBlock)
{
    // Every block is whole: a shorter last block would make the processor
    // prepare again and restart its state. The tail is padded with silence.
    juce::AudioBuffer<float> block (2, blockSize);
    juce::MidiBuffer midi;
    for (int start = 0; start < audio.getNumSamples(); start += blockSize)
    {
        const int n = std::min (blockSize, audio.getNumSamples() - start);
        if (beforeBlock)
            beforeBlock (start);
        block.clear();
        for (int c = 0; c < 2; ++c)
            block.copyFrom (c, 0, audio, c, start, n);
        processor.processBlock (block, midi);
        for (int c = 0; c < 2; ++c)
            audio.copyFrom (c, start, block, c, 0, n);
    }
}

void render (const Controls& controls, juce::AudioBuffer<float>& audio, double rate, int blockSize)
{
    BrenvoAudioProcessor processor;
    applyControls (processor, controls);
    processor.prepareToPlay (rate, blockSize);
    processInBlocks (processor, audio, blockSize);
}

//==============================================================================
std::vector<double> responseFrequencies()
{
    std::vector<double> f;
    for (int step = 0; step <= 120; ++step)
        f.push_back (std::round (20.0 * std::pow (2.0, step / 12.0) / 10.0) * 10.0);
    f.insert (f.end(), { 10000.0, 16000.0, 20000.0 });
    std::sort (f.begin(), f.end());
    f.erase (std::unique (f.begin(), f.end()), f.end());
    f.erase (std::remove_if (f.begin(), f.end(), [] (double x) { return x > 20000.0; }), f.end());
    return f;
}

std::vector<ResponsePoint> measureResponse (const Controls& controls, double rate, Drive drive,
                                            const std::vector<double>& frequencies)
{
    // Tones on a 10 Hz grid; the analysis spans 0.4 s (whole periods of every
    // tone), so with a Hann window each tone stays on its own bin.
    const int settle = juce::roundToInt (0.2 * rate), length = juce::roundToInt (0.4 * rate);
    std::vector<double> phases;
    const auto count = static_cast<double> (frequencies.size());
    for (size_t k = 0; k < frequencies.size(); ++k)
        phases.push_back (-juce::MathConstants<double>::pi * static_cast<double> (k * k) / count); // Schroeder: low crest factor
    const auto x = sumOfTones (frequencies, phases, 0.1 * std::sqrt (2.0 / count), rate, settle + length);

    juce::AudioBuffer<float> audio (2, settle + length), source (1, settle + length);
    for (int i = 0; i < settle + length; ++i)
    {
        const auto v = static_cast<float> (x[(size_t)i]);
        source.setSample (0, i, v);
        audio.setSample (0, i, drive == Drive::right ? 0.0f : v);
        audio.setSample (1, i, drive == Drive::left ? 0.0f : drive == Drive::side ? -v : v);
    }
    render (controls, audio, rate);

    std::vector<ResponsePoint> response;
    for (double f : frequencies)
    {
        const auto in = windowedBin (source.getReadPointer (0), settle, length, f, rate);
        response.push_back ({ f, windowedBin (audio.getReadPointer (0), settle, length, f, rate) / in,
                              windowedBin (audio.getReadPointer (1), settle, length, f, rate) / in });
    }
    return response;
}

Transparency measureTransparency (double rate)
{
    const Controls neutral;
    const auto frequencies = responseFrequencies();
    const auto fromLeft = measureResponse (neutral, rate, Drive::left, frequencies);
    const auto fromRight = measureResponse (neutral, rate, Drive::right, frequencies);

    Transparency t;
    t.crossFeedDb = -400.0;
    for (size_t k = 0; k < frequencies.size(); ++k)
    {
        const double f = frequencies[k];
        const double deviation = std::max (std::abs (20.0 * std::log10 (std::abs (fromLeft[k].left))),
                                           std::abs (20.0 * std::log10 (std::abs (fromRight[k].right))));
        if (f <= 10000.0)
            t.deviationTo10k = std::max (t.deviationTo10k, deviation);
        if (f <= 16000.0)
            t.deviationTo16k = std::max (t.deviationTo16k, deviation);
        t.deviationTo20k = std::max (t.deviationTo20k, deviation);
        const double crossFeed = std::max (std::abs (fromLeft[k].right), std::abs (fromRight[k].left));
        t.crossFeedDb = std::max (t.crossFeedDb, 20.0 * std::log10 (std::max (crossFeed, 1e-20)));
    }

    std::vector<double> leftDb;
    for (const auto& point : fromLeft)
        leftDb.push_back (20.0 * std::log10 (std::abs (point.left)));
    t.offsetAt1k = gainAt (frequencies, leftDb, 1000.0);

    // Least-squares slope of the unwrapped phase against angular frequency.
    double previous = 0.0, offset = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0, n = 0.0;
    for (size_t k = 0; k < frequencies.size(); ++k)
    {
        if (frequencies[k] < 100.0 || frequencies[k] > 2000.0)
            continue;
        double phase = std::arg (fromLeft[k].left) + offset;
        while (phase - previous > juce::MathConstants<double>::pi)
            phase -= twoPi, offset -= twoPi;
        while (phase - previous < -juce::MathConstants<double>::pi)
            phase += twoPi, offset += twoPi;
        previous = phase;
        const double w = twoPi * frequencies[k];
        sx += w, sy += phase, sxx += w * w, sxy += w * phase, n += 1.0;
    }
    t.delayMs = -1000.0 * (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return t;
}

std::vector<double> sideGainDb (const Controls& controls, double rate, const std::vector<double>& frequencies)
{
    const auto mid = measureResponse (controls, rate, Drive::mid, frequencies);
    const auto side = measureResponse (controls, rate, Drive::side, frequencies);
    std::vector<double> gain;
    for (size_t k = 0; k < frequencies.size(); ++k)
        gain.push_back (20.0 * std::log10 (std::abs (side[k].left - side[k].right) / std::abs (mid[k].left + mid[k].right)));
    return gain;
}

double halfBoostFrequency (const std::vector<double>& frequencies, const std::vector<double>& gainDb, double reference)
{
    const double half = 0.5 * gainAt (frequencies, gainDb, reference);
    for (size_t k = 1; k < frequencies.size(); ++k)
        if (gainDb[k] >= half)
        {
            if (gainDb[k - 1] >= half)
                return frequencies[k - 1];
            // Between the two grid points, linear in dB over log frequency.
            const double t = (half - gainDb[k - 1]) / (gainDb[k] - gainDb[k - 1]);
            return frequencies[k - 1] * std::pow (frequencies[k] / frequencies[k - 1], t);
        }
    return frequencies.back();
}

double gainAt (const std::vector<double>& frequencies, const std::vector<double>& gainDb, double frequency)
{
    size_t best = 0;
    for (size_t k = 1; k < frequencies.size(); ++k)
        if (std::abs (frequencies[k] - frequency) < std::abs (frequencies[best] - frequency))
            best = k;
    return gainDb[best];
}

//==============================================================================
WidthChange measureWidthChange (const Controls& controls, double rate, double seconds)
{
    const auto input = render::makePinkNoise (rate, seconds);
    auto output = input;
    render (controls, output, rate);

    // The first 0.1 s holds the noise generator's and the chain's start-up.
    const int start = juce::roundToInt (0.1 * rate);
    const auto in = midSideEnergy (input, start), out = midSideEnergy (output, start);
    return { decibels (out.side / out.mid) - decibels (in.side / in.mid), decibels (out.mid / in.mid) };
}

double thdPlusNoisePercent (const Controls& controls, double rate, double frequency, double levelDb, Placement placement)
{
    const int settle = juce::roundToInt (0.2 * rate);
    const int length = 1 << juce::roundToInt (std::floor (std::log2 (0.4 * rate)));
    const double amplitude = std::pow (10.0, levelDb / 20.0);

    juce::AudioBuffer<float> audio (2, settle + length);
    for (int i = 0; i < settle + length; ++i)
    {
        const auto v = static_cast<float> (amplitude * std::sin (twoPi * frequency * i / rate));
        audio.setSample (0, i, v);
        audio.setSample (1, i, placement == Placement::centre ? v : 0.0f);
    }
    render (controls, audio, rate);

    double residualPower = 0.0, tonePower = 0.0;
    for (int c = 0; c < 2; ++c)
    {
        const auto [residual, power] = removeTone (audio.getReadPointer (c), settle, length, frequency, rate);
        residualPower += bandPower (residual, rate);
        tonePower += power;
    }
    return 100.0 * std::sqrt (residualPower / tonePower);
}

//==============================================================================
Stability measureStability (const Controls& controls, double rate)
{
    Stability s;
    const int second = juce::roundToInt (rate);
    constexpr int shortBlock = 16;

    {
        // Noise with every fifth block 40 dB louder, in short blocks so that the
        // state is read often.
        BrenvoAudioProcessor p;
        applyControls (p, controls);
        auto audio = render::makePinkNoise (rate, 0.5, 7);
        for (int i = 0; i < audio.getNumSamples(); ++i)
            if ((i / 64) % 5 == 4)
                for (int c = 0; c < 2; ++c)
                    audio.setSample (c, i, 100.0f * audio.getSample (c, i));
        p.prepareToPlay (rate, shortBlock);
        processInBlocks (p, audio, shortBlock,
                         [&] (int) { s.largestHiddenState = std::max (s.largestHiddenState, largestHiddenState (p)); });
        s.largestHiddenState = std::max (s.largestHiddenState, largestHiddenState (p));

        // Then silence, in blocks of the same length (another length would prepare
        // again and clear the state): how long until the output stays below
        // -120 dBFS, and its mean over a second.
        // The mean is taken over the second after the first 0.2 s, once the tail has gone.
        const int tail = juce::roundToInt (0.2 * rate);
        juce::AudioBuffer<float> silence (2, tail + second);
        silence.clear();
        processInBlocks (p, silence, shortBlock);
        int last = -1;
        double mean = 0.0;
        for (int i = 0; i < tail + second; ++i)
            for (int c = 0; c < 2; ++c)
            {
                if (std::abs (silence.getSample (c, i)) >= 1e-6f)
                    last = i;
                if (i >= tail)
                    mean += silence.getSample (c, i) / (2.0 * second);
            }
        s.decayMs = 1000.0 * (last + 1) / rate;
        s.silenceDc = std::abs (mean);
    }
    {
        BrenvoAudioProcessor p;
        applyControls (p, controls);
        juce::AudioBuffer<float> zeros (2, second);
        zeros.clear();
        p.prepareToPlay (rate, 512);
        processInBlocks (p, zeros, 512);
        s.zeroInZeroOut =
            zeros.findMinMax (0, 0, second) == juce::Range<float>() && zeros.findMinMax (1, 0, second) == juce::Range<float>();
    }
    {
        // A full-scale 1 kHz tone on the left (at unity input gain): a whole second
        // of it must average to nothing.
        juce::AudioBuffer<float> tone (2, 2 * second);
        for (int i = 0; i < 2 * second; ++i)
        {
            tone.setSample (0, i, static_cast<float> (std::sin (twoPi * 1000.0 * i / rate)));
            tone.setSample (1, i, 0.0f);
        }
        auto atUnity = controls;
        atUnity.inputGain = 0.0f;
        render (atUnity, tone, rate);
        for (int c = 0; c < 2; ++c)
        {
            double mean = 0.0;
            for (int i = second; i < 2 * second; ++i)
                mean += tone.getSample (c, i) / second;
            s.toneDc = std::max (s.toneDc, std::abs (mean));
        }
    }
    return s;
}

Sweep measureSweep (double rate, int blockSize)
{
    const int length = juce::roundToInt (2.0 * rate), skip = juce::roundToInt (0.05 * rate);
    juce::AudioBuffer<float> tone (2, length);
    for (int i = 0; i < length; ++i)
    {
        const auto v = static_cast<float> (0.25 * std::sin (twoPi * 100.0 * i / rate));
        tone.setSample (0, i, v);
        tone.setSample (1, i, 0.5f * v);
    }

    auto clickDb = [&] (const juce::AudioBuffer<float>& b)
    {
        double peak = 0.0;
        for (int c = 0; c < 2; ++c)
        {
            const float* y = b.getReadPointer (c);
            for (int i = skip; i < length; ++i)
                peak = std::max (peak, std::abs (static_cast<double> (y[i]) - 3.0 * y[i - 1] + 3.0 * y[i - 2] - y[i - 3]));
        }
        return 20.0 * std::log10 (std::max (peak, 1e-12));
    };

    Sweep sweep;
    auto steady = tone;
    render ({}, steady, rate, blockSize);
    sweep.steadyClickDb = clickDb (steady);

    BrenvoAudioProcessor p;
    p.prepareToPlay (rate, blockSize);
    std::mt19937 rng (11);
    std::uniform_real_distribution<float> step (-1.0f, 1.0f);
    Controls c;
    int block = 0;
    auto moving = tone;
    processInBlocks (p, moving, blockSize,
                     [&] (int)
                     {
                         c.width = juce::jlimit (-15.0f, 15.0f, c.width + 1.5f * step (rng));
                         c.widthEq = juce::jlimit (1.0f, 4.0f, c.widthEq + 0.3f * step (rng));
                         c.eqOn = (block++ / 4) % 2 == 0;
                         c.inputGain = juce::jlimit (-6.0f, 6.0f, c.inputGain + 0.5f * step (rng));
                         c.outputGain = juce::jlimit (-6.0f, 6.0f, c.outputGain + 0.5f * step (rng));
                         applyControls (p, c);
                     });
    sweep.clickDb = clickDb (moving);
    sweep.peakDb = 20.0 * std::log10 (std::max (moving.getMagnitude (0, length), 1e-12f));
    return sweep;
}

} // namespace measure
