/*
    Helpers for the editor tests, and the JUCE runtime every editor test needs:
    the editor is created and used on the message thread.
*/
#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { juce.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
} // namespace

namespace EditorTest
{
bool pumpMessagesUntil (const std::function<bool()>& done, int boundMs)
{
    constexpr int sliceMs = 5;
    for (int waited = 0; waited < boundMs && !done(); waited += sliceMs)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (sliceMs);
    return done();
}

void pumpPendingMessages()
{
    // Messages are delivered in order, so once a marker posted now has run, so has
    // everything queued before it.
    auto delivered = std::make_shared<bool> (false);
    juce::MessageManager::callAsync ([delivered] { *delivered = true; });
    pumpMessagesUntil ([delivered] { return *delivered; });
}

juce::RangedAudioParameter& parameter (BrenvoAudioProcessor& processor, const char* id)
{
    auto* p = processor.valueTreeState.getParameter (id);
    if (p == nullptr)
        throw std::runtime_error (std::string ("no parameter ") + id);
    return *p;
}

float parameterValue (BrenvoAudioProcessor& processor, const char* id)
{
    return processor.valueTreeState.getRawParameterValue (id)->load();
}

void automate (BrenvoAudioProcessor& processor, const char* id, float value)
{
    auto& p = parameter (processor, id);
    p.setValueNotifyingHost (p.convertTo0to1 (value));
}

juce::Image render (juce::Component& component, juce::Colour background)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    g.fillAll (background);
    component.paintEntireComponent (g, true);
    return image;
}

bool isMaskColour (juce::Colour pixel, int tolerance)
{
    return std::abs (pixel.getRed() - 0xde) <= tolerance && std::abs (pixel.getGreen() - 0xe4) <= tolerance &&
           std::abs (pixel.getBlue() - 0xed) <= tolerance;
}

std::unique_ptr<BrenvoAudioProcessorEditor> openEditor (BrenvoAudioProcessor& processor)
{
    auto* editor = dynamic_cast<BrenvoAudioProcessorEditor*> (processor.createEditorIfNeeded());
    if (editor == nullptr)
        throw std::runtime_error ("the processor made no editor");
    return std::unique_ptr<BrenvoAudioProcessorEditor> (editor);
}
} // namespace EditorTest
