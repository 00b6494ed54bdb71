/*
    The renderer's default input signal.
*/
#include "TestSignal.h"

#include <random>

namespace render
{
namespace
{
/** Paul Kellet's economy pink filter over white noise. */
class PinkNoise
{
public:
    explicit PinkNoise (unsigned seed) : rng (seed) {}

    float next()
    {
        const float white = dist (rng);
        b0 = 0.99765f * b0 + white * 0.0990460f;
        b1 = 0.96300f * b1 + white * 0.2965164f;
        b2 = 0.57000f * b2 + white * 1.0526913f;
        return 0.05f * (b0 + b1 + b2 + white * 0.1848f);
    }

private:
    std::mt19937 rng;
    std::uniform_real_distribution<float> dist { -1.0f, 1.0f };
    float b0 = 0.0f, b1 = 0.0f, b2 = 0.0f;
};
} // namespace

juce::AudioBuffer<float> makePinkNoise (double sampleRate, double seconds, unsigned seed)
{
    const int length = static_cast<int> (sampleRate * seconds);
    juce::AudioBuffer<float> buffer (2, length);
    PinkNoise common (seed), left (seed + 1), right (seed + 2);
    for (int i = 0; i < length; ++i)
    {
        const float shared = common.next();
        buffer.setSample (0, i, 0.8f * shared + 0.45f * left.next());
        buffer.setSample (1, i, 0.8f * shared + 0.45f * right.next());
    }
    return buffer;
}

juce::AudioBuffer<float> makeDefaultInput (double sampleRate, double seconds)
{
    auto buffer = makePinkNoise (sampleRate, seconds);
    const int length = buffer.getNumSamples();

    struct Tone
    {
        double frequency;
        float level;
        float pan;
    };
    const Tone tones[] = { { 110.0, 0.10f, 0.5f }, { 277.2, 0.06f, 0.2f }, { 659.3, 0.05f, 0.8f }, { 1760.0, 0.03f, 0.35f } };

    for (int i = 0; i < length; ++i)
    {
        const double t = i / sampleRate;
        const float fade = static_cast<float> (std::min ({ 1.0, t / 0.05, (seconds - t) / 0.05 }));
        float l = buffer.getSample (0, i);
        float r = buffer.getSample (1, i);
        for (const auto& tone : tones)
        {
            const auto s = tone.level * static_cast<float> (std::sin (juce::MathConstants<double>::twoPi * tone.frequency * t));
            l += s * (1.0f - tone.pan);
            r += s * tone.pan;
        }
        buffer.setSample (0, i, fade * l);
        buffer.setSample (1, i, fade * r);
    }
    return buffer;
}

} // namespace render
