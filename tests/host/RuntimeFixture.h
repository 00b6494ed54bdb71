/*
    A loaded fake effect with one instance, for the host's run-time tests: its diagnostics, a
    block runner on the audio thread, and the check at the end that both sides released
    everything.
*/
#pragma once

#include "AudioThread.h"
#include "FakeEffect.h"
#include "HostString.h"
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace duveline::host::testing
{
class FakeEffectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (host.Load (DUVELINE_FAKE_EFFECT)) << host.LoadError();
        instance = Create (InstanceConfig {});
        ASSERT_NE (nullptr, instance);
    }

    void TearDown() override
    {
        instance.reset();
        const ShutdownReport report = host.Shutdown();
        EXPECT_EQ (0, report.canUnloadNow);
        EXPECT_TRUE (report.leakedHostObjects.empty());
        EXPECT_TRUE (report.unloaded);
    }

    std::unique_ptr<Instance> Create (const InstanceConfig& config)
    {
        int32_t result = 0;
        std::string error;
        auto made = host.CreateInstance (config, result, error);
        EXPECT_EQ (0, result) << error;
        return made;
    }

    fake::Diagnostics Diagnostics (const Instance& of) const
    {
        ACFPtr<AAX_IACFEffectParameters_V2> effect;
        fake::Diagnostics diagnostics {};
        if (ACFQuery (&of.Effect(), IID_IAAXEffectParametersV2, effect) == ACF_OK)
        {
            uint32_t written = 0;
            effect->GetCustomData (fake::kDiagnosticsID, sizeof (diagnostics), &diagnostics, &written);
        }
        return diagnostics;
    }

    fake::Diagnostics Diagnostics() const { return Diagnostics (*instance); }

    // One stereo block of constant inputs (0.25 left, -0.5 right) through the audio thread.
    std::array<float, 2> Block (int32_t length = 64)
    {
        std::vector<float> left (static_cast<size_t> (length), 0.25f), right (static_cast<size_t> (length), -0.5f);
        std::vector<float> outLeft (left.size()), outRight (right.size());
        const float* inputs[2] = { left.data(), right.data() };
        float* outputs[2] = { outLeft.data(), outRight.data() };
        audio.Run ([&] { instance->ProcessBlock (inputs, outputs, length); });
        return { outLeft.back(), outRight.back() };
    }

    PluginHost host;
    AudioThread audio { host.Main() };
    std::unique_ptr<Instance> instance;
};
} // namespace duveline::host::testing
