/*
    True peak by four-times oversampling: each of the three in-between points of a sample
    interval is interpolated with a Hann-windowed sinc over 24 neighbours.
*/
#include "TruePeak.h"

#include <array>
#include <cmath>

namespace render
{

namespace
{
constexpr int kPhases = 4;
constexpr int kHalfTaps = 12;

// Interpolation weights of the neighbours n - kHalfTaps + 1 .. n + kHalfTaps for the point
// n + phase / kPhases.
std::array<std::array<double, 2 * kHalfTaps>, kPhases> makeWeights()
{
    std::array<std::array<double, 2 * kHalfTaps>, kPhases> weights {};
    for (int phase = 1; phase < kPhases; ++phase)
        for (int k = 0; k < 2 * kHalfTaps; ++k)
        {
            const double t = static_cast<double> (k - kHalfTaps + 1) - static_cast<double> (phase) / kPhases;
            const double sinc = std::sin (juce::MathConstants<double>::pi * t) / (juce::MathConstants<double>::pi * t);
            const double window = 0.5 + 0.5 * std::cos (juce::MathConstants<double>::pi * t / kHalfTaps);
            weights[static_cast<size_t> (phase)][static_cast<size_t> (k)] = sinc * window;
        }
    return weights;
}
} // namespace

double measureTruePeakDb (const juce::AudioBuffer<float>& buffer, int channel, int start, int end)
{
    static const auto weights = makeWeights();
    if (end < 0)
        end = buffer.getNumSamples();
    const float* x = buffer.getReadPointer (channel);
    const int length = buffer.getNumSamples();
    double peak = 0.0;
    for (int n = start; n < end; ++n)
    {
        peak = std::max (peak, std::abs (static_cast<double> (x[n])));
        for (int phase = 1; phase < kPhases; ++phase)
        {
            double value = 0.0;
            for (int k = 0; k < 2 * kHalfTaps; ++k)
            {
                const int at = n + k - kHalfTaps + 1;
                if (at >= 0 && at < length)
                    value += weights[static_cast<size_t> (phase)][static_cast<size_t> (k)] * x[at];
            }
            peak = std::max (peak, std::abs (value));
        }
    }
    return 20.0 * std::log10 (std::max (peak, 1e-15));
}

} // namespace render
