/*
    libFuzzer target of BrenvoAudioProcessor::setStateInformation: every input is a state block
    as a host might hand it back, damaged or made up. Whatever it holds, every parameter must
    stay finite and inside its range, and the state saved afterwards must restore again.
*/
#include "PluginProcessor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{
BrenvoAudioProcessor& Processor()
{
    // Built once, since the runtime and both weight files cost far more than one input, and
    // never destroyed: libFuzzer ends the process from exit handlers that run after the
    // framework's own statics are gone.
    static auto* runtime = new juce::ScopedJuceInitialiser_GUI;
    static auto* processor = new BrenvoAudioProcessor;
    juce::ignoreUnused (runtime);
    return *processor;
}

void CheckParameters (BrenvoAudioProcessor& processor)
{
    for (auto* parameter : processor.getParameters())
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (parameter);
        if (ranged == nullptr)
            continue;
        const float raw = processor.valueTreeState.getRawParameterValue (ranged->getParameterID())->load();
        const auto& range = ranged->getNormalisableRange();
        if (!std::isfinite (raw) || raw < range.start || raw > range.end)
        {
            std::fprintf (stderr, "%s holds %g\n", ranged->getParameterID().toRawUTF8(), static_cast<double> (raw));
            std::abort();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    BrenvoAudioProcessor& processor = Processor();
    // An exact-size copy, so that a read past the block is caught.
    std::unique_ptr<uint8_t[]> block (new uint8_t[size]);
    if (size > 0)
        std::memcpy (block.get(), data, size);
    processor.setStateInformation (block.get(), static_cast<int> (size));
    CheckParameters (processor);

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    processor.setStateInformation (saved.getData(), static_cast<int> (saved.getSize()));
    CheckParameters (processor);
    return 0;
}
