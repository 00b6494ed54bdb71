/*
    Designs the input convolution's response. A double-precision model of the
    fixed chain (the framework's 5-point Lagrange interpolators with their
    position logic, the processor's own low-pass taps, the network as identity)
    measures the magnitude at each served host rate; the compensation takes the
    midpoint of their errors in dB, so the remaining error is split evenly, and
    becomes a minimum-phase filter by the real-cepstrum method. A few rounds of
    measure-and-correct absorb the truncation to a short filter.
*/
#include "InputCompensation.h"

#include "PluginProcessor.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace weights
{
namespace
{
using Complex = std::complex<double>;

constexpr int storedTaps = 2048;
constexpr int compensationTaps = 128;
constexpr int taperTaps = 24;
constexpr int fftSize = 8192;
constexpr int refinementRounds = 3;
constexpr double probeSpacing = 50.0;    // Hz; every served host rate is a multiple
constexpr double topFrequency = 20000.0; // compensated up to here, held above
constexpr int hostBlock = 512;           // the internal block length follows the processor's rule
constexpr int analysedPeriods = 8;

void fft (std::vector<Complex>& a, bool inverse)
{
    const auto n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i)
    {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap (a[i], a[j]);
    }
    for (size_t length = 2; length <= n; length <<= 1)
    {
        const double angle = 2.0 * M_PI / static_cast<double> (length) * (inverse ? 1.0 : -1.0);
        for (size_t start = 0; start < n; start += length)
            for (size_t k = 0; k < length / 2; ++k)
            {
                const Complex w = std::polar (1.0, angle * static_cast<double> (k));
                const Complex u = a[start + k], v = a[start + k + length / 2] * w;
                a[start + k] = u + v;
                a[start + k + length / 2] = u - v;
            }
    }
    if (inverse)
        for (auto& x : a)
            x /= static_cast<double> (n);
}

/** The framework's 5-point Lagrange interpolator: same positions, same weights, in double. */
class LagrangeStream
{
public:
    /** Produces `count` outputs at `ratio` input samples per output, reading `next()` for input. */
    template <typename Next> void process (double ratio, int count, std::vector<double>& out, Next next)
    {
        for (int i = 0; i < count; ++i)
        {
            while (position >= 1.0)
            {
                history[index] = next();
                index = (index + 1) % 5;
                position -= 1.0;
            }
            const double offset = static_cast<float> (position);
            double value = 0.0;
            for (int k = 0; k < 5; ++k)
            {
                double weight = 1.0;
                for (int j = 0; j < 5; ++j)
                    if (j != k)
                        weight *= ((j - 2) - offset) / (j - k);
                value += weight * history[(index + k) % 5];
            }
            out.push_back (value);
            position += ratio;
        }
    }

private:
    double history[5] {};
    int index = 0;
    double position = 1.0;
};

class Fir
{
public:
    explicit Fir (std::vector<double> t) : taps (std::move (t)), line (2 * taps.size(), 0.0) {}

    double operator() (double x)
    {
        // The history is written twice, so the newest taps.size() values are always contiguous.
        const size_t size = taps.size();
        head = (head + size - 1) % size;
        line[head] = line[head + size] = x;
        double y = 0.0;
        for (size_t k = 0; k < size; ++k)
            y += taps[k] * line[head + k];
        return y;
    }

private:
    std::vector<double> taps, line;
    size_t head = 0;
};

/** Magnitude in dB of the chain with `compensation` at each multiple of the probe spacing up to the top frequency. */
std::vector<double> chainResponseDb (double hostRate, double internalRate, const std::vector<double>& compensation)
{
    const int period = static_cast<int> (std::lround (hostRate / probeSpacing));
    const int numProbes = static_cast<int> (topFrequency / probeSpacing);
    const int internalBlock = static_cast<int> (std::ceil (hostBlock * internalRate / hostRate));
    const bool lowPassRuns = internalBlock > hostBlock;

    // Schroeder phases keep the multi-tone's crest factor low; the model is linear anyway.
    std::vector<double> onePeriod (static_cast<size_t> (period), 0.0);
    for (int n = 0; n < period; ++n)
        for (int k = 1; k <= numProbes; ++k)
            onePeriod[(size_t)n] += std::cos (2.0 * M_PI * k * n / period - M_PI * k * k / numProbes) / numProbes;

    std::vector<double> lowPassTaps;
    for (float t : BrenvoAudioProcessor::designLowPass (hostRate, internalRate))
        lowPassTaps.push_back (t);
    Fir convolution (compensation), lowPass (lowPassTaps);
    LagrangeStream up, down;

    const int numBlocks = ((analysedPeriods + 2) * period) / hostBlock + 1;
    std::vector<double> output, internal;
    long read = 0;
    for (int b = 0; b < numBlocks; ++b)
    {
        internal.clear();
        up.process (static_cast<double> (hostBlock) / internalBlock, internalBlock, internal,
                    [&] { return onePeriod[(size_t)(read++ % period)]; });
        for (auto& x : internal)
        {
            x = convolution (x);
            if (lowPassRuns)
                x = lowPass (x);
        }
        size_t used = 0;
        down.process (static_cast<double> (internalBlock) / hostBlock, hostBlock, output,
                      [&] { return used < internal.size() ? internal[used++] : 0.0; });
    }

    // Hann-windowed over whole periods: each probe sits on its own bin and the
    // resamplers' inharmonic spurs, which fall between probes, hardly leak in.
    const long length = static_cast<long> (analysedPeriods) * period;
    const long start = static_cast<long> (output.size()) - length;
    std::vector<double> windowed (static_cast<size_t> (length));
    for (long n = 0; n < length; ++n)
        windowed[(size_t)n] = (0.5 - 0.5 * std::cos (2.0 * M_PI * static_cast<double> (n) / static_cast<double> (length))) *
                              output[static_cast<size_t> (start + n)];
    std::vector<double> db;
    for (int k = 1; k <= numProbes; ++k)
    {
        const Complex step = std::polar (1.0, -2.0 * M_PI * k / period);
        Complex phasor = std::polar (1.0, -2.0 * M_PI * k * static_cast<double> (start % period) / period);
        Complex y = 0.0;
        for (long n = 0; n < length; ++n)
        {
            y += windowed[(size_t)n] * phasor;
            phasor *= step;
        }
        // A probe of amplitude 1 / numProbes reads |y| = length / (4 numProbes).
        db.push_back (20.0 * std::log10 (std::abs (y) * 4.0 * numProbes / static_cast<double> (length)));
    }
    return db;
}

/** The minimum-phase filter whose magnitude is 10^(dB / 20) on the FFT grid (fftSize / 2 + 1 bins). */
std::vector<double> minimumPhase (const std::vector<double>& targetDb)
{
    std::vector<Complex> c (fftSize);
    for (int k = 0; k <= fftSize / 2; ++k)
        c[(size_t)k] = c[(size_t)((fftSize - k) % fftSize)] = targetDb[(size_t)k] * std::log (10.0) / 20.0;
    fft (c, true);
    // Fold the real cepstrum onto positive quefrencies.
    for (int n = 1; n < fftSize / 2; ++n)
    {
        c[(size_t)n] *= 2.0;
        c[(size_t)(fftSize - n)] = 0.0;
    }
    fft (c, false);
    for (auto& x : c)
        x = std::exp (x);
    fft (c, true);

    std::vector<double> taps (compensationTaps);
    for (int n = 0; n < compensationTaps; ++n)
    {
        const int fromEnd = compensationTaps - n;
        const double taper = fromEnd > taperTaps ? 1.0 : 0.5 - 0.5 * std::cos (M_PI * fromEnd / (taperTaps + 1.0));
        taps[(size_t)n] = c[(size_t)n].real() * taper;
    }
    return taps;
}
} // namespace

std::vector<double> compensatedHostRates (double internalRate)
{
    if (internalRate < 150000.0)
        return { 44100.0, 48000.0 };
    // 176.4 kHz is left out: its low-pass sits at the internal Nyquist rate and lifts by about 2 dB.
    return { 88200.0, 96000.0, 192000.0 };
}

std::vector<float> designInputCompensation (double internalRate)
{
    const auto hostRates = compensatedHostRates (internalRate);
    const int numProbes = static_cast<int> (topFrequency / probeSpacing);

    // Correction in dB at each probe, refined round by round.
    std::vector<double> correctionDb (static_cast<size_t> (numProbes), 0.0);
    std::vector<double> taps { 1.0 };
    for (int round = 0; round <= refinementRounds; ++round)
    {
        std::vector<double> lowest (correctionDb.size(), 1e9), highest (correctionDb.size(), -1e9);
        for (double rate : hostRates)
        {
            const auto db = chainResponseDb (rate, internalRate, taps);
            for (size_t k = 0; k < db.size(); ++k)
            {
                lowest[k] = std::min (lowest[k], db[k]);
                highest[k] = std::max (highest[k], db[k]);
            }
        }
        if (round == refinementRounds)
            break;
        for (size_t k = 0; k < correctionDb.size(); ++k)
            correctionDb[k] -= 0.5 * (lowest[k] + highest[k]);

        // Onto the FFT grid: linear between probes, held below the first and above the last.
        std::vector<double> targetDb (fftSize / 2 + 1);
        for (int bin = 0; bin <= fftSize / 2; ++bin)
        {
            const double position = bin * internalRate / fftSize / probeSpacing - 1.0;
            const double clamped = std::clamp (position, 0.0, numProbes - 1.0);
            const auto below = static_cast<size_t> (std::min (std::floor (clamped), numProbes - 2.0));
            const double fraction = clamped - static_cast<double> (below);
            targetDb[(size_t)bin] = correctionDb[below] * (1.0 - fraction) + correctionDb[below + 1] * fraction;
        }
        taps = minimumPhase (targetDb);
    }

    // Stored time-reversed: the last value is the first tap; the rest is silence.
    std::vector<float> stored (storedTaps, 0.0f);
    for (size_t n = 0; n < taps.size(); ++n)
        stored[storedTaps - 1 - n] = static_cast<float> (taps[n]);
    return stored;
}

} // namespace weights
