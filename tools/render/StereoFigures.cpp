/*
    Stereo width figures.
*/
#include "StereoFigures.h"

namespace render
{

StereoFigures measureStereo (const juce::AudioBuffer<float>& buffer, int start, int end)
{
    if (end < 0)
        end = buffer.getNumSamples();
    const int right = buffer.getNumChannels() > 1 ? 1 : 0;

    double ll = 0.0, rr = 0.0, lr = 0.0, mid = 0.0, side = 0.0, peak = 0.0;
    for (int i = start; i < end; ++i)
    {
        const double l = buffer.getSample (0, i), r = buffer.getSample (right, i);
        ll += l * l;
        rr += r * r;
        lr += l * r;
        mid += 0.25 * (l + r) * (l + r);
        side += 0.25 * (l - r) * (l - r);
        peak = std::max ({ peak, std::abs (l), std::abs (r) });
    }

    StereoFigures f;
    f.sideToMidDb = 10.0 * std::log10 ((side + 1e-30) / (mid + 1e-30));
    f.correlation = ll > 0.0 && rr > 0.0 ? lr / std::sqrt (ll * rr) : 1.0;
    f.peakDb = 20.0 * std::log10 (std::max (peak, 1e-15));
    return f;
}

} // namespace render
