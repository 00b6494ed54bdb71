/*
    libFuzzer target of the parameters' text conversions inside the plug-in: the first byte
    picks a parameter (or the width read-out's text entry), the rest is the text. A text must
    read as a value inside the range, and the value's own text must read back to that value;
    typed into the width read-out, it must leave the knob finite and inside its range.
*/
#include "PluginEditor.h"
#include "PluginProcessor.h"

#include <cmath>
#include <cstdlib>

namespace
{
struct Plugin
{
    juce::ScopedJuceInitialiser_GUI runtime;
    BrenvoAudioProcessor processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor { processor.createEditorIfNeeded() };
};

Plugin& Instance()
{
    // Never destroyed: libFuzzer ends the process from exit handlers that run after the
    // framework's own statics are gone.
    static auto* plugin = new Plugin;
    return *plugin;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // Text reaches both as UTF-8 (the host's through the framework's ASCII-safe conversion, the
    // read-out's from the text editor), so byte sequences that are not are no input here.
    const auto* bytes = reinterpret_cast<const char*> (data + 1);
    if (!juce::CharPointer_UTF8::isValidString (bytes, static_cast<int> (size - 1)))
        return 0;
    Plugin& plugin = Instance();
    const auto text = juce::String::fromUTF8 (bytes, static_cast<int> (size - 1));
    const auto& parameters = plugin.processor.getParameters();
    const size_t pick = data[0] % (parameters.size() + 1);

    if (pick == static_cast<size_t> (parameters.size()))
    {
        auto* editor = dynamic_cast<BrenvoAudioProcessorEditor*> (plugin.editor.get());
        auto& label = editor->widthSegment.widthLabel;
        auto& knob = editor->widthSegment.widthSlider;
        label.setText (text, juce::sendNotificationSync);
        const double value = knob.getValue();
        if (!std::isfinite (value) || value < knob.getMinimum() || value > knob.getMaximum())
            std::abort();
        return 0;
    }

    auto* parameter = parameters[static_cast<int> (pick)];
    const float value = parameter->getValueForText (text);
    if (!std::isfinite (value) || value < 0.0f || value > 1.0f)
        std::abort();
    const auto shown = parameter->getText (value, 64);
    const float again = parameter->getValueForText (shown);
    if (!std::isfinite (again) || parameter->getText (again, 64) != shown)
        std::abort();
    return 0;
}
