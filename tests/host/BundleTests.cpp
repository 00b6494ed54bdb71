/*
    The host driving the real plug-in bundle end to end: its description, an instance's host
    parameters and latency, audio identical to the processor run directly, automation and the
    master bypass reaching the next block, the controls chunk byte for byte, chunks saved and
    restored, chunk comparison, concurrent automation and chunks while the audio thread runs,
    and a clean release on both sides.
*/
#include "AudioThread.h"
#include "CommaLocale.h"
#include "PluginHost.h"
#include "PluginProcessor.h"
#include "TestSignal.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace duveline::host;
using duveline::test::HostLocale;
using duveline::test::ScopedCommaLocale;

namespace
{
constexpr int kBlock = 512;
constexpr double kRate = 48000.0;

const ProcessProcRecord* ProcWithFormats (const EffectRecord& effect, AAX_EStemFormat in, AAX_EStemFormat out)
{
    for (const ComponentRecord& component : effect.components)
        for (const ProcessProcRecord& proc : component.processProcs)
        {
            const auto& values = proc.properties.values;
            if (values.count (AAX_eProperty_InputStemFormat) != 0 && values.at (AAX_eProperty_InputStemFormat) == in &&
                values.count (AAX_eProperty_OutputStemFormat) != 0 && values.at (AAX_eProperty_OutputStemFormat) == out)
                return &proc;
        }
    return nullptr;
}

void AppendBigEndian (std::vector<uint8_t>& bytes, uint64_t bits, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.push_back (static_cast<uint8_t> ((bits >> shift) & 0xFF));
}

// The controls chunk's data area written out from its layout: the mark, then per parameter
// "d_", the identifier, its NUL, zeros to a multiple of four and the value as a big-endian
// double.
std::vector<uint8_t> ControlsChunkData (const std::vector<std::pair<std::string, double>>& values)
{
    std::vector<uint8_t> bytes { 1, 1, 1, 1 };
    for (const auto& [id, value] : values)
    {
        bytes.push_back ('d');
        bytes.push_back ('_');
        bytes.insert (bytes.end(), id.begin(), id.end());
        bytes.push_back (0);
        while (bytes.size() % 4 != 0)
            bytes.push_back (0);
        uint64_t bits = 0;
        std::memcpy (&bits, &value, sizeof (bits));
        AppendBigEndian (bytes, bits, 8);
    }
    return bytes;
}
} // namespace

class BundleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (host.Load (DUVELINE_BUNDLE)) << host.LoadError();
        ASSERT_EQ (0, host.RegisterResult());
        instance = Create();
        ASSERT_NE (nullptr, instance);
    }

    void TearDown() override
    {
        instance.reset();
        other.reset();
        EXPECT_EQ (0, host.CanUnloadNow());
        const ShutdownReport report = host.Shutdown();
        EXPECT_EQ (0, report.canUnloadNow);
        EXPECT_TRUE (report.leakedHostObjects.empty());
        EXPECT_TRUE (report.unloaded);
    }

    std::unique_ptr<Instance> Create()
    {
        InstanceConfig config;
        config.sampleRate = static_cast<float> (kRate);
        int32_t result = 0;
        std::string error;
        auto made = host.CreateInstance (config, result, error);
        EXPECT_EQ (0, result) << error;
        return made;
    }

    void Set (Instance& target, const std::string& name, const std::string& text)
    {
        double normalized = 0.0;
        const std::string id = target.FindParameter (name);
        ASSERT_FALSE (id.empty()) << name;
        ASSERT_EQ (0, target.ValueFromText (id, text, normalized)) << name;
        ASSERT_EQ (0, target.SetParameter (id, normalized)) << name;
    }

    // Runs audio through target block by block on the audio thread, in place.
    void Render (Instance& target, juce::AudioBuffer<float>& audio, int start, int end)
    {
        for (int at = start; at < end; at += kBlock)
        {
            const int n = std::min (kBlock, end - at);
            target.GenerateCoefficients();
            const float* inputs[2] = { audio.getReadPointer (0, at), audio.getReadPointer (1, at) };
            float* outputs[2] = { audio.getWritePointer (0, at), audio.getWritePointer (1, at) };
            audioThread.Run ([&] { target.ProcessBlock (inputs, outputs, n); });
        }
    }

    PluginHost host;
    AudioThread audioThread { host.Main() };
    std::unique_ptr<Instance> instance, other;
};

TEST_F (BundleTest, DescribesItselfAsTheProduct)
{
    const Description& description = host.GetDescription();
    EXPECT_EQ ("Tolvane", description.manufacturerName);
    EXPECT_NE (description.packageNames.end(),
               std::find (description.packageNames.begin(), description.packageNames.end(), "Duveline"));
    EXPECT_EQ (0x10000u, description.packageVersion);
    ASSERT_EQ (1u, description.effects.size());
    const EffectRecord& effect = description.effects[0];
    EXPECT_EQ ("com.Tolvane.Duveline", effect.effectID);
    EXPECT_EQ (std::vector<uint32_t> { 512u }, effect.categories);
    EXPECT_EQ (2u, effect.components.size());
    for (AAX_EStemFormat format : { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo })
    {
        const ProcessProcRecord* proc = ProcWithFormats (effect, format, format);
        ASSERT_NE (nullptr, proc) << format;
        EXPECT_EQ ('Kpzl', proc->properties.values.at (AAX_eProperty_ManufacturerID));
        EXPECT_EQ ('Kpzq', proc->properties.values.at (AAX_eProperty_ProductID));
    }
}

TEST_F (BundleTest, InstanceHasEightHostParametersAndNoLatency)
{
    const auto parameters = instance->Parameters();
    ASSERT_EQ (8u, parameters.size());
    const std::vector<std::string> ids { "Input Gain",      "Output Gain",    "Width",  "Width EQ",
                                         "Width EQ Switch", "IO Link Switch", "Bypass", "MasterBypassID" };
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ (ids[i], parameters[i].id);
    EXPECT_EQ ("Master Bypass", parameters[7].name);
    EXPECT_EQ ("MasterBypassID", instance->MasterBypassID());
    EXPECT_EQ (0, instance->Latency());
    for (const ParameterInfo& parameter : parameters)
        EXPECT_TRUE (instance->State().IsRegistered (parameter.id)) << parameter.id;
}

TEST_F (BundleTest, AudioIsSampleIdenticalToTheProcessorRunDirectly)
{
    const juce::AudioBuffer<float> input = render::makeDefaultInput (kRate, 1.0);
    const std::vector<std::pair<std::string, std::string>> settings {
        { "Width", "7" }, { "Width EQ", "3" }, { "Width EQ Switch", "1" }, { "Input Gain", "1.5" }, { "Output Gain", "-2" }
    };

    juce::AudioBuffer<float> throughBundle (input);
    for (const auto& [name, text] : settings)
        Set (*instance, name, text);
    Render (*instance, throughBundle, 0, throughBundle.getNumSamples());

    // The framework prepares at initialisation for its longest block, and once more when the
    // host resets the private data; the processor then prepares itself for the real block.
    juce::ScopedJuceInitialiser_GUI runtime;
    BrenvoAudioProcessor processor;
    processor.setRateAndBufferSizeDetails (kRate, 1024);
    processor.prepareToPlay (kRate, 1024);
    processor.prepareToPlay (kRate, 1024);
    for (const auto& [name, text] : settings)
    {
        auto* parameter = processor.valueTreeState.getParameter (name);
        ASSERT_NE (nullptr, parameter);
        parameter->setValueNotifyingHost (parameter->getValueForText (text));
    }
    juce::AudioBuffer<float> direct (input);
    juce::MidiBuffer midi;
    for (int at = 0; at < direct.getNumSamples(); at += kBlock)
    {
        const int n = std::min (kBlock, direct.getNumSamples() - at);
        float* channels[2] = { direct.getWritePointer (0, at), direct.getWritePointer (1, at) };
        juce::AudioBuffer<float> block (channels, 2, n);
        processor.processBlock (block, midi);
    }

    int differing = 0;
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < direct.getNumSamples(); ++i)
            differing += std::memcmp (direct.getReadPointer (c) + i, throughBundle.getReadPointer (c) + i, sizeof (float)) != 0;
    EXPECT_EQ (0, differing);
    EXPECT_GT (throughBundle.getMagnitude (0, throughBundle.getNumSamples()), 0.01f);
}

TEST_F (BundleTest, AutomationReachesTheProcessorWithinTheNextBlock)
{
    other = Create();
    ASSERT_NE (nullptr, other);
    juce::AudioBuffer<float> automated = render::makeDefaultInput (kRate, 0.2);
    juce::AudioBuffer<float> steady (automated);
    Render (*instance, automated, 0, 2 * kBlock);
    Render (*other, steady, 0, 2 * kBlock);
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ (0, std::memcmp (automated.getReadPointer (c), steady.getReadPointer (c), 2 * kBlock * sizeof (float)));

    double normalized = 0.0;
    ASSERT_EQ (0, instance->ValueFromText ("Output Gain", "-20", normalized));
    ASSERT_EQ (0, instance->Automate ("Output Gain", normalized));
    Render (*instance, automated, 2 * kBlock, 4 * kBlock);
    Render (*other, steady, 2 * kBlock, 4 * kBlock);
    // The next block already ramps the gain down; the one after is down by the full 20 dB.
    const float rampedRatio =
        automated.getMagnitude (2 * kBlock + kBlock / 2, kBlock / 2) / steady.getMagnitude (2 * kBlock + kBlock / 2, kBlock / 2);
    EXPECT_LT (rampedRatio, 0.6f);
    const float fullRatio = automated.getMagnitude (3 * kBlock, kBlock) / steady.getMagnitude (3 * kBlock, kBlock);
    EXPECT_NEAR (0.1f, fullRatio, 0.002f);
}

TEST_F (BundleTest, MasterBypassPacketPassesAudioUntouched)
{
    Set (*instance, "Width", "11");
    ASSERT_EQ (0, instance->Automate ("MasterBypassID", 1.0));
    const int posted = instance->State().packetsPosted.load();
    const juce::AudioBuffer<float> input = render::makeDefaultInput (kRate, 0.1);
    juce::AudioBuffer<float> audio (input);
    Render (*instance, audio, 0, audio.getNumSamples());
    EXPECT_EQ (posted + 1, instance->State().packetsPosted.load());
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ (0, std::memcmp (input.getReadPointer (c), audio.getReadPointer (c), input.getNumSamples() * sizeof (float)));
}

TEST_F (BundleTest, ControlsChunkOfANewInstanceIsByteExact)
{
    Chunk chunk;
    ASSERT_EQ (0, instance->SaveChunk ('elck', chunk));
    std::vector<std::pair<std::string, double>> values;
    for (const ParameterInfo& parameter : instance->Parameters())
        if (parameter.id != "MasterBypassID")
            values.emplace_back (parameter.id, static_cast<double> (static_cast<float> (parameter.normalized)));
    ASSERT_EQ (7u, values.size());
    const std::vector<uint8_t> expected = ControlsChunkData (values);
    ASSERT_EQ (static_cast<int32_t> (expected.size()), chunk.DataSize());
    EXPECT_EQ (expected, std::vector<uint8_t> (chunk.Data(), chunk.Data() + chunk.DataSize()));
    EXPECT_EQ (-1, chunk.Record()->fVersion);
    EXPECT_STREQ ("Complete Controls State", reinterpret_cast<const char*> (chunk.Record()->fName));
}

TEST_F (BundleTest, EveryParameterComesBackFromEitherChunk)
{
    std::vector<Chunk> chunks;
    ASSERT_EQ (0, instance->SaveChunks (chunks));
    ASSERT_EQ (2u, chunks.size());
    EXPECT_EQ ('elck', chunks[0].ID());
    EXPECT_EQ ('juce', chunks[1].ID());
    const auto saved = instance->Parameters();

    for (const Chunk& chunk : chunks)
    {
        for (const ParameterInfo& parameter : saved)
        {
            if (parameter.id == "MasterBypassID")
                continue;
            ASSERT_EQ (0, instance->SetParameter (parameter.id, parameter.normalized < 0.5 ? 0.9 : 0.1));
            EXPECT_NE (parameter.normalized, instance->NormalizedValue (parameter.id)) << parameter.id;
        }
        ASSERT_EQ (0, instance->RestoreChunks ({ chunk }));
        for (const ParameterInfo& parameter : saved)
            EXPECT_NEAR (parameter.normalized, instance->NormalizedValue (parameter.id), 1e-6)
                << parameter.id << " from chunk " << chunk.ID();
    }
}

// A host may put its process in the user's locale: a project saved without one opens with every
// value as it was saved, and typed values and value texts stay the same.
class BundleUnderCommaLocale : public BundleTest, public ::testing::WithParamInterface<HostLocale>
{
};

TEST_P (BundleUnderCommaLocale, SavedStateAndTextsReadAsInTheCLocale)
{
    Set (*instance, "Width", "9.5");
    Set (*instance, "Input Gain", "-7.25");
    Set (*instance, "Output Gain", "12.34");
    Set (*instance, "Width EQ", "1.7");
    Chunk state;
    ASSERT_EQ (0, instance->SaveChunk ('juce', state));
    const auto saved = instance->Parameters();
    double typedInC = 0.0;
    ASSERT_EQ (0, instance->ValueFromText ("Width", "2.5", typedInC));

    ScopedCommaLocale comma (GetParam());
    ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
    other = Create();
    ASSERT_NE (nullptr, other);
    ASSERT_EQ (0, other->RestoreChunks ({ state }));
    for (const ParameterInfo& parameter : saved)
    {
        EXPECT_EQ (parameter.normalized, other->NormalizedValue (parameter.id)) << parameter.id;
        EXPECT_EQ (parameter.valueText, other->ValueText (parameter.id)) << parameter.id;
    }
    EXPECT_EQ ("9.5", other->ValueText ("Width"));
    double typed = 0.0;
    ASSERT_EQ (0, other->ValueFromText ("Width", "2.5", typed));
    EXPECT_EQ (typedInC, typed);
}

INSTANTIATE_TEST_SUITE_P (Host, BundleUnderCommaLocale, duveline::test::kHostLocales, duveline::test::HostLocaleName);

TEST_F (BundleTest, CompareActiveChunkTellsEqualFromChanged)
{
    std::vector<Chunk> chunks;
    ASSERT_EQ (0, instance->SaveChunks (chunks));
    bool equal = false;
    ASSERT_EQ (0, instance->CompareChunk (chunks[0], equal));
    EXPECT_TRUE (equal);
    Set (*instance, "Width", "-4");
    ASSERT_EQ (0, instance->CompareChunk (chunks[0], equal));
    EXPECT_FALSE (equal);
    ASSERT_EQ (0, instance->CompareChunk (chunks[1], equal));
    EXPECT_TRUE (equal); // any other chunk compares equal
}

// The audio thread streams blocks while the main thread automates and saves and restores
// chunks: the host's hand-over must keep the two apart (run it in a thread-sanitizer build).
TEST_F (BundleTest, MainThreadWorksWhileTheAudioThreadStreams)
{
    juce::AudioBuffer<float> audio = render::makeDefaultInput (kRate, 0.5);
    std::atomic<bool> stop { false };
    audioThread.Submit (
        [&]
        {
            std::vector<float> left (kBlock), right (kBlock);
            while (!stop.load())
                for (int at = 0; at + kBlock <= audio.getNumSamples() && !stop.load(); at += kBlock)
                {
                    const float* inputs[2] = { audio.getReadPointer (0, at), audio.getReadPointer (1, at) };
                    float* outputs[2] = { left.data(), right.data() };
                    instance->ProcessBlock (inputs, outputs, kBlock);
                }
        });
    // The first block prepares the processor for its length: let the stream get going first.
    ASSERT_TRUE (host.Main().PumpUntil ([&] { return instance->State().samplePosition.load() > 0; }, std::chrono::seconds (30)));
    const int64_t started = instance->State().samplePosition.load();
    for (int round = 0; round < 20; ++round)
    {
        instance->Automate ("Width", round % 2 == 0 ? 0.2 : 0.8);
        instance->Automate ("MasterBypassID", round % 3 == 0 ? 1.0 : 0.0);
        instance->GenerateCoefficients();
        std::vector<Chunk> chunks;
        ASSERT_EQ (0, instance->SaveChunks (chunks));
        ASSERT_EQ (0, instance->RestoreChunks (chunks));
        host.Main().Pump();
    }
    ASSERT_TRUE (
        host.Main().PumpUntil ([&] { return instance->State().samplePosition.load() > started; }, std::chrono::seconds (30)));
    stop = true;
    audioThread.Wait();
}
