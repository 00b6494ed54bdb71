/*
    The low-pass stage of the processor, in a file of its own because it is
    compiled with reassociation allowed: the framework's FIR filter sums its
    46 taps one after another, and only reassociation lets the compiler split
    that sum into vector lanes (about twice as fast; the sums differ from the
    tap-by-tap order by float rounding only).
*/
#include "PluginProcessor.h"

namespace
{
// A context type of this file's own: the filter templates instantiated for it
// are this file's alone, so no copy compiled without these flags can replace
// them at link time, and none of them leaks into other files.
struct LowPassContext : juce::dsp::ProcessContextReplacing<float>
{
    using juce::dsp::ProcessContextReplacing<float>::ProcessContextReplacing;
};
} // namespace

void BrenvoAudioProcessor::applyLowPass (juce::dsp::AudioBlock<float>& block) noexcept
{
    lowPassFilter.process (LowPassContext (block));
}
