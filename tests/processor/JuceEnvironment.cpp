/*
    Starts JUCE's runtime (message manager, timer thread) once for a test binary.
*/
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

namespace
{
class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { runtime = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { runtime.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> runtime;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
} // namespace
