/*
    Validation: the checks behind "duveline-host validate". Every check drives the bundle only
    through the host's instances, editors and threads, so it sees what any host would.
*/
#include "Validation.h"

#include "AAX_Errors.h"
#include "AudioThread.h"
#include "Editor.h"
#include "HostString.h"
#include "PluginHost.h"
#include "RealtimeProbe.h"
#include "X11View.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <thread>

namespace duveline::host
{
bool ValidationReport::Passed() const
{
    return std::all_of (checks.begin(), checks.end(), [] (const CheckResult& check) { return check.passed; });
}

namespace
{
constexpr auto kBound = std::chrono::seconds (60);

enum class Signal
{
    Noise,
    Silence,
    Square,
    Sine
};

const char* SignalName (Signal signal)
{
    switch (signal)
    {
    case Signal::Noise:
        return "noise";
    case Signal::Silence:
        return "silence";
    case Signal::Square:
        return "square";
    case Signal::Sine:
        return "sine";
    }
    return "?";
}

// What came out of a run: anything non-finite or subnormal, and the peaks of its two halves.
struct OutputStats
{
    int64_t nonFinite = 0;
    int64_t subnormal = 0;
    float firstHalfPeak = 0.0f;
    float secondHalfPeak = 0.0f;
    float Peak() const { return std::max (firstHalfPeak, secondHalfPeak); }

    void Add (const float* samples, int64_t count, int64_t at, int64_t total)
    {
        for (int64_t i = 0; i < count; ++i)
        {
            const float x = samples[i];
            const int kind = std::fpclassify (x);
            if (kind == FP_NAN || kind == FP_INFINITE)
            {
                ++nonFinite;
                continue;
            }
            subnormal += kind == FP_SUBNORMAL;
            float& peak = at + i < total / 2 ? firstHalfPeak : secondHalfPeak;
            peak = std::max (peak, std::abs (x));
        }
    }
};

// Planar audio of a fixed length for a number of channels.
struct Audio
{
    Audio (int channels, int64_t length)
        : data (static_cast<size_t> (channels), std::vector<float> (static_cast<size_t> (length)))
    {
    }
    std::vector<std::vector<float>> data;
    int64_t Length() const { return data.empty() ? 0 : static_cast<int64_t> (data[0].size()); }
};

Audio MakeSignal (Signal signal, int channels, int64_t length, double rate, std::mt19937& random)
{
    Audio audio (channels, length);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    for (int c = 0; c < channels; ++c)
        for (int64_t i = 0; i < length; ++i)
        {
            const double t = static_cast<double> (i) / rate;
            const double frequency = c == 0 ? 441.0 : 613.0;
            float x = 0.0f;
            if (signal == Signal::Noise)
                x = noise (random);
            else if (signal == Signal::Square)
                x = std::fmod (t * frequency, 1.0) < 0.5 ? 1.0f : -1.0f;
            else if (signal == Signal::Sine)
                x = static_cast<float> (std::sin (2.0 * M_PI * frequency * t));
            audio.data[static_cast<size_t> (c)][static_cast<size_t> (i)] = x;
        }
    return audio;
}

bool IsSwitch (Instance& instance, const std::string& id)
{
    int32_t steps = 0;
    return instance.Effect().GetParameterNumberOfSteps (id.c_str(), &steps) == AAX_SUCCESS && steps == 2;
}

class Validator
{
public:
    Validator (const ValidationOptions& options, std::ostream& log)
        : mFull (options.level == ValidationLevel::Full), mRandom (options.seed), mLog (log)
    {
    }

    ValidationReport Run (const std::string& bundle)
    {
        x11::InstallErrorHandler();
        {
            PluginHost host;
            mHost = &host;
            if (!host.Load (bundle) || host.RegisterResult() != AAX_SUCCESS || !host.HasDescription())
            {
                Report ("Load", false, "cannot load " + bundle + ": " + host.LoadError());
                host.Shutdown();
                return mReport;
            }
            Report ("Load", true, bundle);
            {
                AudioThread audio (host.Main());
                mAudio = &audio;
                Check ("Parameters", [this] (std::ostream& details) { return Parameters (details); });
                Check ("ProcessingMatrix", [this] (std::ostream& details) { return Matrix (details); });
                Check ("LongRun", [this] (std::ostream& details) { return LongRun (details); });
                Check ("Automation", [this] (std::ostream& details) { return Automation (details); });
                Check ("RealtimeSafety", [this] (std::ostream& details) { return RealtimeSafety (details); });
                Check ("BadInput", [this] (std::ostream& details) { return BadInput (details); });
                Check ("StateRoundTrip", [this] (std::ostream& details) { return StateRoundTrip (details); });
                Check ("DamagedState", [this] (std::ostream& details) { return DamagedState (details); });
                Check ("Editor", [this] (std::ostream& details) { return EditorChecks (details); });
                Check ("Concurrency", [this] (std::ostream& details) { return Concurrency (details); });
                Check ("ParallelInstances", [this] (std::ostream& details) { return ParallelInstances (details); });
                mAudio = nullptr;
            }
            const int32_t alive = host.CanUnloadNow();
            const ShutdownReport shutdown = host.Shutdown();
            std::ostringstream details;
            details << "live objects before shut-down " << alive << ", after " << shutdown.canUnloadNow
                    << ", host objects leaked " << shutdown.leakedHostObjects.size() << ", plug-in assertions "
                    << shutdown.asserts.size();
            Report ("Lifetime",
                    alive == 0 && shutdown.canUnloadNow == 0 && shutdown.leakedHostObjects.empty() && shutdown.unloaded,
                    details.str());
            mHost = nullptr;
        }
        return mReport;
    }

private:
    void Report (const std::string& name, bool passed, const std::string& details)
    {
        mReport.checks.push_back ({ name, passed, details });
        mLog << (passed ? "PASS " : "FAIL ") << name << ": " << details << std::endl;
    }

    void Check (const std::string& name, const std::function<bool (std::ostream&)>& check)
    {
        std::ostringstream details;
        const bool passed = check (details);
        Report (name, passed, details.str());
    }

    std::unique_ptr<Instance> Make (float rate, AAX_EStemFormat format, int32_t maxBlock, std::ostream& details)
    {
        InstanceConfig config;
        config.sampleRate = rate;
        config.inputFormat = format;
        config.outputFormat = format;
        config.maxBlock = maxBlock;
        int32_t result = 0;
        std::string error;
        auto instance = mHost->CreateInstance (config, result, error);
        if (instance == nullptr)
            details << "instance at " << rate << " Hz could not be made (" << result << "): " << error << "; ";
        return instance;
    }

    // Processes audio through instance on the audio thread in blocks whose lengths next() gives;
    // returns what came out.
    OutputStats Process (Instance& instance, const Audio& input, const std::function<int32_t()>& next)
    {
        const int channels = instance.InputChannels();
        Audio output (instance.OutputChannels(), input.Length());
        instance.GenerateCoefficients();
        int64_t blocks = 0;
        mAudio->Run (
            [&]
            {
                std::vector<const float*> in (static_cast<size_t> (channels));
                std::vector<float*> out (output.data.size());
                for (int64_t at = 0; at < input.Length();)
                {
                    const int32_t length = static_cast<int32_t> (std::min<int64_t> (next(), input.Length() - at));
                    for (int c = 0; c < channels; ++c)
                        in[static_cast<size_t> (c)] = input.data[static_cast<size_t> (c)].data() + at;
                    for (size_t c = 0; c < out.size(); ++c)
                        out[c] = output.data[c].data() + at;
                    instance.ProcessBlock (in.data(), out.data(), length);
                    at += length;
                    ++blocks;
                }
            });
        mReport.blocks += blocks;
        OutputStats stats;
        for (const auto& channel : output.data)
            stats.Add (channel.data(), output.Length(), 0, output.Length());
        return stats;
    }

    bool Parameters (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        AAX_IACFEffectParameters& effect = instance->Effect();
        bool passed = true;
        int trips = 0;
        const auto parameters = instance->Parameters();
        for (const ParameterInfo& parameter : parameters)
        {
            const char* id = parameter.id.c_str();
            auto fail = [&] (const std::string& what)
            {
                details << parameter.id << ": " << what << "; ";
                passed = false;
            };
            if (parameter.name.empty())
                fail ("no name");
            for (int32_t length = 1; length <= 32; ++length)
            {
                HostString shortName;
                if (effect.GetParameterNameOfLength (id, &shortName, length) != AAX_SUCCESS)
                    fail ("no name of length " + std::to_string (length));
                else if (shortName.Text().empty() || shortName.Text().size() > static_cast<size_t> (length))
                    fail ("name of length " + std::to_string (length) + " is \"" + shortName.Text() + "\"");
            }
            double defaultValue = -1.0;
            int32_t steps = 0;
            AAX_CBoolean automatable = 0;
            if (effect.GetParameterDefaultNormalizedValue (id, &defaultValue) != AAX_SUCCESS || !(defaultValue >= 0.0) ||
                defaultValue > 1.0)
                fail ("default " + std::to_string (defaultValue));
            if (effect.GetParameterNumberOfSteps (id, &steps) != AAX_SUCCESS || steps < 2)
                fail ("steps " + std::to_string (steps));
            if (effect.GetParameterIsAutomatable (id, &automatable) != AAX_SUCCESS || automatable == 0)
                fail ("not automatable");
            if (parameter.valueText.empty())
                fail ("no value text");

            // Text round trips: the value read back from a value's text shows the same text.
            std::uniform_real_distribution<double> unit (0.0, 1.0);
            for (int i = 0; i < (mFull ? 2000 : 50); ++i, ++trips)
            {
                const double value = i == 0 ? 0.0 : i == 1 ? 1.0 : unit (mRandom);
                HostString text, again;
                double readBack = -1.0;
                if (effect.GetParameterStringFromValue (id, value, &text, 64) != AAX_SUCCESS || text.Text().empty())
                {
                    fail ("no text for " + std::to_string (value));
                    break;
                }
                if (effect.GetParameterValueFromString (id, &readBack, text) != AAX_SUCCESS || !(readBack >= 0.0) ||
                    readBack > 1.0)
                {
                    fail ("text \"" + text.Text() + "\" reads as " + std::to_string (readBack));
                    break;
                }
                effect.GetParameterStringFromValue (id, readBack, &again, 64);
                if (again.Text() != text.Text())
                {
                    fail ("\"" + text.Text() + "\" reads back as \"" + again.Text() + "\"");
                    break;
                }
            }
        }
        details << parameters.size() << " parameters, " << trips << " text round trips";
        instance->Close();
        return passed && parameters.size() >= 2;
    }

    bool Matrix (std::ostream& details)
    {
        std::vector<float> rates { 22050, 44100, 48000, 88200, 96000, 176400, 192000, 384000 };
        std::vector<int32_t> lengths { 1, 16, 64, 256, 512, 1024, 4096, -1 };
        if (!mFull)
        {
            rates = { 22050, 48000, 384000 };
            lengths = { 1, 4096, -1 };
        }
        const double seconds = mFull ? 0.5 : 0.02;
        bool passed = true;
        int64_t combinations = 0;
        for (AAX_EStemFormat format : { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo })
            for (float rate : rates)
            {
                auto instance = Make (rate, format, 4096, details);
                if (instance == nullptr)
                {
                    passed = false;
                    continue;
                }
                const int64_t length = static_cast<int64_t> (seconds * rate);
                for (Signal signal : { Signal::Noise, Signal::Silence, Signal::Square, Signal::Sine })
                {
                    const Audio input = MakeSignal (signal, instance->InputChannels(), length, rate, mRandom);
                    for (int32_t blockLength : lengths)
                    {
                        std::uniform_int_distribution<int32_t> randomLength (1, 4096);
                        const OutputStats stats =
                            Process (*instance, input, [&] { return blockLength > 0 ? blockLength : randomLength (mRandom); });
                        ++combinations;
                        // The network widens and the gains are at 0 dB: 24 dB over full scale is far
                        // beyond anything it should make of a full-scale input.
                        const bool ok = stats.nonFinite == 0 && stats.subnormal == 0 && stats.Peak() <= 16.0f;
                        if (!ok)
                        {
                            passed = false;
                            details << (format == AAX_eStemFormat_Mono ? "mono " : "stereo ") << rate << " Hz, block "
                                    << blockLength << ", " << SignalName (signal) << ": " << stats.nonFinite << " non-finite, "
                                    << stats.subnormal << " subnormal, peak " << stats.Peak() << "; ";
                        }
                    }
                }
                instance->Close();
            }
        mReport.combinations += combinations;
        details << combinations << " combinations of " << seconds << " s";
        return passed;
    }

    // Width and gains at their extremes for a long run of noise: the output's peak must not grow.
    bool LongRun (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        for (const char* name : { "Width", "Input Gain" })
        {
            const std::string id = instance->FindParameter (name);
            if (!id.empty())
                instance->Automate (id, 1.0);
        }
        const double seconds = mFull ? 120.0 : 1.0;
        const Audio input = MakeSignal (Signal::Noise, 2, static_cast<int64_t> (seconds * 48000.0), 48000.0, mRandom);
        const OutputStats stats = Process (*instance, input, [] { return 512; });
        details << seconds << " s of noise at full width and input gain: peak " << stats.firstHalfPeak << " then "
                << stats.secondHalfPeak << ", " << stats.nonFinite << " non-finite, " << stats.subnormal << " subnormal";
        instance->Close();
        return stats.nonFinite == 0 && stats.subnormal == 0 && stats.secondHalfPeak <= 1.5f * stats.firstHalfPeak;
    }

    // A random value for a parameter: switches (and bypasses) only at either end.
    double RandomValue (Instance& instance, const std::string& id)
    {
        std::uniform_real_distribution<double> unit (0.0, 1.0);
        const double value = unit (mRandom);
        return IsSwitch (instance, id) || id == instance.MasterBypassID() ? std::round (value) : value;
    }

    bool Automation (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        const auto parameters = instance->Parameters();
        const int blocks = mFull ? 20000 : 300;
        const Audio input = MakeSignal (Signal::Noise, 2, 32, 48000.0, mRandom);
        Audio output (2, 32);
        OutputStats stats;
        int64_t events = 0, failures = 0;
        for (int block = 0; block < blocks; ++block)
        {
            for (const ParameterInfo& parameter : parameters)
            {
                failures += instance->Automate (parameter.id, RandomValue (*instance, parameter.id)) != AAX_SUCCESS;
                ++events;
            }
            instance->GenerateCoefficients();
            const float* in[2] = { input.data[0].data(), input.data[1].data() };
            float* out[2] = { output.data[0].data(), output.data[1].data() };
            mAudio->Run ([&] { instance->ProcessBlock (in, out, 32); });
            for (const auto& channel : output.data)
                stats.Add (channel.data(), 32, 0, 32);
        }
        mReport.blocks += blocks;
        mReport.automationEvents += events;
        details << blocks << " blocks of 32 samples, " << events << " parameter changes, " << failures
                << " refused; output: " << stats.nonFinite << " non-finite, " << stats.subnormal << " subnormal, peak "
                << stats.Peak();
        instance->Close();
        // Both gains at +20 dB put a full-scale input 40 dB up, before any widening.
        return failures == 0 && stats.nonFinite == 0 && stats.subnormal == 0 && stats.Peak() <= 1600.0f;
    }

    // Allocations and contended lock waits inside the process procedure at a steady block length
    // (after the first block, which prepares for its length), and what a change of length costs.
    bool RealtimeSafety (std::ostream& details)
    {
        if (!realtime::Available())
        {
            details << "not counted in this build (sanitizer run-times own the allocator)";
            return true;
        }
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 4096, details);
        if (instance == nullptr)
            return false;
        const auto parameters = instance->Parameters();
        const Audio input = MakeSignal (Signal::Noise, 2, 4096, 48000.0, mRandom);
        Audio output (2, 4096);
        const float* in[2] = { input.data[0].data(), input.data[1].data() };
        float* out[2] = { output.data[0].data(), output.data[1].data() };
        auto block = [&] (int32_t length)
        {
            realtime::Counts counts;
            mAudio->Run (
                [&]
                {
                    realtime::Begin();
                    instance->ProcessBlock (in, out, length);
                    counts = realtime::End();
                });
            ++mReport.blocks;
            return counts;
        };
        bool passed = true;
        const int blocks = mFull ? 5000 : 200;
        for (int32_t length : { 512, 64 })
        {
            // A bypassed block returns before the processor sees its length, so the change of
            // length is measured on a block that is processed.
            for (const char* name : { "Bypass", "Master Bypass" })
            {
                const std::string id = instance->FindParameter (name);
                if (!id.empty())
                    instance->Automate (id, 0.0);
            }
            instance->GenerateCoefficients();
            const realtime::Counts first = block (length);
            realtime::Counts steady;
            for (int i = 0; i < blocks; ++i)
            {
                // Controls move between blocks, as automation would move them.
                const ParameterInfo& parameter = parameters[static_cast<size_t> (i) % parameters.size()];
                if (parameter.id != instance->MasterBypassID())
                    instance->Automate (parameter.id, RandomValue (*instance, parameter.id));
                instance->GenerateCoefficients();
                const realtime::Counts counts = block (length);
                steady.allocations += counts.allocations;
                steady.contendedLocks += counts.contendedLocks;
                steady.locks += counts.locks;
            }
            details << "block " << length << ": first block " << first.allocations << " allocations, " << first.locks
                    << " locks; then " << blocks << " blocks: " << steady.allocations << " allocations, " << steady.contendedLocks
                    << " contended of " << steady.locks << " locks; ";
            passed &= steady.allocations == 0 && steady.contendedLocks == 0;
        }
        instance->Close();
        return passed;
    }

    bool BadInput (std::ostream& details)
    {
        bool passed = true;
        const float inf = std::numeric_limits<float>::infinity();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const std::vector<float> rates =
            mFull ? std::vector<float> { 8000.0f, 22050.0f, 384000.0f, 768000.0f } : std::vector<float> { 8000.0f, 768000.0f };
        const double recoverySeconds = mFull ? 2.0 : 0.25;
        for (float rate : rates)
        {
            auto instance = Make (rate, AAX_eStemFormat_Stereo, 65536, details);
            if (instance == nullptr)
            {
                details << "(refused " << rate << " Hz) ";
                continue;
            }
            for (float bad : { nan, inf, -inf, 1e30f, -1e30f })
            {
                Audio poisoned = MakeSignal (Signal::Noise, 2, 4096, rate, mRandom);
                poisoned.data[0][100] = bad;
                poisoned.data[1][2000] = bad;
                Process (*instance, poisoned, [] { return 512; });
                // Zero-length and very long blocks, then ordinary audio must come out clean again
                // once the poisoned samples have left the network.
                Audio empty (2, 0);
                const float* in[2] = { nullptr, nullptr };
                float* out[2] = { nullptr, nullptr };
                mAudio->Run ([&] { instance->ProcessBlock (in, out, 0); });
                const Audio recovery =
                    MakeSignal (Signal::Noise, 2, static_cast<int64_t> (rate * recoverySeconds), rate, mRandom);
                Process (*instance, recovery, [] { return 65536; });
                const OutputStats after =
                    Process (*instance, MakeSignal (Signal::Sine, 2, 8192, rate, mRandom), [] { return 1024; });
                if (after.nonFinite != 0 || after.subnormal != 0 || after.Peak() > 16.0f)
                {
                    passed = false;
                    details << rate << " Hz after " << bad << ": " << after.nonFinite << " non-finite, peak " << after.Peak()
                            << "; ";
                }
            }
            instance->Close();
        }
        details << "NaN, infinities and 1e30 at 8000 to 768000 Hz, zero-length and 65536-sample blocks";
        return passed;
    }

    // Parameters whose value texts differ between the two lists (the master bypass aside: it is
    // not part of the saved state).
    std::string DifferingTexts (Instance& instance, const std::vector<ParameterInfo>& expected)
    {
        std::string differing;
        for (const ParameterInfo& parameter : expected)
            if (parameter.id != instance.MasterBypassID() && instance.ValueText (parameter.id) != parameter.valueText)
                differing += parameter.id + " (" + instance.ValueText (parameter.id) + " not " + parameter.valueText + ") ";
        return differing;
    }

    bool StateRoundTrip (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        bool passed = true;
        const int trips = mFull ? 500 : 10;
        int firstSaveDiffers = 0;
        const auto ids = instance->Parameters();
        for (int trip = 0; trip < trips && passed; ++trip)
        {
            for (const ParameterInfo& parameter : ids)
                if (parameter.id != instance->MasterBypassID())
                    instance->Automate (parameter.id, RandomValue (*instance, parameter.id));
            std::vector<Chunk> saved, again;
            const auto expected = instance->Parameters();
            if (instance->SaveChunks (saved) != AAX_SUCCESS || saved.size() < 2)
            {
                details << "saving failed; ";
                passed = false;
                break;
            }
            for (const ParameterInfo& parameter : ids)
                if (parameter.id != instance->MasterBypassID())
                    instance->Automate (parameter.id, RandomValue (*instance, parameter.id));
            // Each chunk alone must bring every value back.
            for (const Chunk& chunk : saved)
            {
                if (instance->RestoreChunks ({ chunk }) != AAX_SUCCESS)
                {
                    details << "restoring chunk " << chunk.ID() << " failed; ";
                    passed = false;
                }
                const std::string differing = DifferingTexts (*instance, expected);
                if (!differing.empty())
                {
                    details << "after restoring chunk " << chunk.ID() << ": " << differing << "; ";
                    passed = false;
                }
            }
            // A value set between the steps of its parameter is kept as it came in the controls
            // chunk but snapped in the framework's, so the first restore of both may move it onto
            // its step; from then on restoring and saving must be a fixed point, byte for byte.
            std::vector<Chunk> fixedPoint;
            if (instance->SaveChunks (again) != AAX_SUCCESS || instance->RestoreChunks (again) != AAX_SUCCESS ||
                instance->SaveChunks (fixedPoint) != AAX_SUCCESS || fixedPoint.size() != again.size())
                passed = false;
            for (size_t i = 0; i < fixedPoint.size() && passed; ++i)
            {
                firstSaveDiffers += again[i].Bytes() != saved[i].Bytes();
                if (fixedPoint[i].Bytes() != again[i].Bytes())
                {
                    details << "chunk " << saved[i].ID() << " saved again after its restore differs; ";
                    passed = false;
                }
            }
            ++mReport.stateRoundTrips;
        }
        details << trips << " round trips of both chunks (" << firstSaveDiffers
                << " chunks changed by their first restore, values moved onto their steps)";
        instance->Close();
        return passed;
    }

    // A record allocated to exactly its header and data, so that a read past it is caught by the
    // address sanitizer when it is on.
    static std::unique_ptr<AAX_SPlugInChunk, void (*) (void*)> RawRecord (AAX_CTypeID id, const uint8_t* data, size_t size)
    {
        const size_t header = offsetof (AAX_SPlugInChunk, fData);
        auto* record = static_cast<AAX_SPlugInChunk*> (std::malloc (header + size));
        std::memset (record, 0, header);
        record->fChunkID = id;
        record->fSize = static_cast<int32_t> (size);
        if (size > 0)
            std::memcpy (record->fData, data, size);
        return { record, std::free };
    }

    bool DamagedState (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        std::vector<Chunk> saved;
        if (instance->SaveChunks (saved) != AAX_SUCCESS)
            return false;
        const int rounds = mFull ? 3000 : 60;
        std::uniform_int_distribution<int> byte (0, 255);
        int64_t damaged = 0;
        for (int round = 0; round < rounds; ++round)
            for (const Chunk& chunk : saved)
            {
                std::vector<uint8_t> data (chunk.Data(), chunk.Data() + chunk.DataSize());
                switch (round % 3)
                {
                case 0: // random bytes of a random length
                    data.resize (std::uniform_int_distribution<size_t> (0, data.size() * 2) (mRandom));
                    for (uint8_t& b : data)
                        b = static_cast<uint8_t> (byte (mRandom));
                    break;
                case 1: // truncated
                    data.resize (std::uniform_int_distribution<size_t> (0, data.size()) (mRandom));
                    break;
                default: // a few bytes changed
                    for (int i = 0; i < 4 && !data.empty(); ++i)
                        data[std::uniform_int_distribution<size_t> (0, data.size() - 1) (mRandom)] =
                            static_cast<uint8_t> (byte (mRandom));
                    break;
                }
                const auto record = RawRecord (chunk.ID(), data.data(), data.size());
                instance->Effect().SetChunk (chunk.ID(), record.get());
                ++damaged;
            }
        mReport.damagedChunks += damaged;
        // The instance still works: processes cleanly and takes its good state back.
        const OutputStats stats = Process (*instance, MakeSignal (Signal::Sine, 2, 4800, 48000.0, mRandom), [] { return 480; });
        std::vector<Chunk> restoredAgain;
        const bool restores = instance->RestoreChunks (saved) == AAX_SUCCESS &&
                              instance->SaveChunks (restoredAgain) == AAX_SUCCESS && restoredAgain.size() == saved.size();
        bool same = restores;
        for (size_t i = 0; same && i < saved.size(); ++i)
            same = restoredAgain[i].Bytes() == saved[i].Bytes();
        details << damaged << " damaged chunks; afterwards " << stats.nonFinite << " non-finite samples, peak " << stats.Peak()
                << ", good state " << (same ? "restored" : "NOT restored");
        instance->Close();
        return stats.nonFinite == 0 && stats.Peak() <= 16.0f && same;
    }

    // Opens an editor, attached to a window when there is a display, and pumps until it shows.
    bool OpenAndClose (Instance& instance, std::ostream& details)
    {
        int32_t result = 0;
        auto editor = instance.OpenEditor (result);
        if (editor == nullptr)
        {
            details << "editor not opened (" << result << "); ";
            return false;
        }
        ++mReport.editorOpenings;
        std::unique_ptr<x11::ViewWindow> window;
        if (mDisplay)
        {
            float width = 0.0f, height = 0.0f;
            editor->ViewSize (width, height);
            std::string error;
            window = x11::ViewWindow::Create (std::max (1, static_cast<int> (width)), std::max (1, static_cast<int> (height)),
                                              "validate", error);
            if (window != nullptr)
            {
                x11::ViewWindow* target = window.get();
                editor->Attach ({ AAX_eViewContainer_Type_HWND, window->NativeHandle(),
                                  [target] (int32_t w, int32_t h) { return target->Resize (w, h); } });
                if (!mHost->Main().PumpUntil ([&] { return window->ChildCount() > 0; }, kBound))
                    details << "view never appeared; ";
                editor->Detach();
                window.reset();
            }
        }
        mHost->Main().Pump();
        return editor->Close() == AAX_SUCCESS;
    }

    bool EditorChecks (std::ostream& details)
    {
        mDisplay = x11::DisplayAvailable();
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        auto other = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr || other == nullptr)
            return false;
        bool passed = true;
        const int openings = mFull ? 100 : 6;
        for (int i = 0; i < openings; ++i)
            passed &= OpenAndClose (*instance, details);

        // The same while the audio thread processes this instance.
        const Audio input = MakeSignal (Signal::Noise, 2, 64, 48000.0, mRandom);
        Audio output (2, 64);
        std::atomic<bool> stop { false };
        std::atomic<int64_t> blocks { 0 };
        auto processUntilStopped = [&] (Instance& target)
        {
            return [&, target = &target]
            {
                const float* in[2] = { input.data[0].data(), input.data[1].data() };
                float* out[2] = { output.data[0].data(), output.data[1].data() };
                while (!stop.load())
                {
                    target->ProcessBlock (in, out, 64);
                    ++blocks;
                }
            };
        };
        mAudio->Submit (processUntilStopped (*instance));
        for (int i = 0; i < openings; ++i)
            passed &= OpenAndClose (*instance, details);
        stop = true;
        mAudio->Wait();

        // Automation from the host with the editor open, while the audio thread runs.
        int32_t result = 0;
        auto editor = instance->OpenEditor (result);
        passed &= editor != nullptr;
        if (editor != nullptr)
            ++mReport.editorOpenings;
        stop = false;
        mAudio->Submit (processUntilStopped (*instance));
        const auto parameters = instance->Parameters();
        for (int i = 0; i < (mFull ? 2000 : 100); ++i)
        {
            for (const ParameterInfo& parameter : parameters)
                instance->Automate (parameter.id, RandomValue (*instance, parameter.id));
            ++mReport.automationEvents;
            mHost->Main().Pump();
        }
        stop = true;
        mAudio->Wait();
        // One GUI object at a time per instance: the framework's GUI objects of one instance
        // share the processor's single editor.
        if (editor != nullptr)
            passed &= editor->Close() == AAX_SUCCESS;
        editor.reset();

        // Editors of one instance opened and closed while a second instance processes.
        stop = false;
        mAudio->Submit (processUntilStopped (*other));
        for (int i = 0; i < openings / 2; ++i)
            passed &= OpenAndClose (*instance, details);
        stop = true;
        mAudio->Wait();
        mReport.blocks += blocks.load();
        details << mReport.editorOpenings << " editor openings" << (mDisplay ? " in X11 windows" : " without a display") << ", "
                << blocks.load() << " blocks processed meanwhile";
        passed &= output.data[0][0] == output.data[0][0];
        instance->Close();
        other->Close();
        return passed;
    }

    bool Concurrency (std::ostream& details)
    {
        auto instance = Make (48000.0f, AAX_eStemFormat_Stereo, 1024, details);
        if (instance == nullptr)
            return false;
        int32_t result = 0;
        auto editor = instance->OpenEditor (result);
        std::vector<Chunk> saved;
        instance->SaveChunks (saved);
        const auto parameters = instance->Parameters();

        // The audio thread processes 500 blocks while the main thread automates and moves values
        // as the editor's controls do, and another thread restores saved state.
        const int blocks = 500;
        const Audio input = MakeSignal (Signal::Noise, 2, 64, 48000.0, mRandom);
        Audio output (2, 64);
        OutputStats stats;
        std::atomic<bool> done { false };
        mAudio->Submit (
            [&]
            {
                const float* in[2] = { input.data[0].data(), input.data[1].data() };
                float* out[2] = { output.data[0].data(), output.data[1].data() };
                for (int block = 0; block < blocks; ++block)
                {
                    instance->ProcessBlock (in, out, 64);
                    for (const auto& channel : output.data)
                        stats.Add (channel.data(), 64, 0, 64);
                }
                done = true;
            });
        std::atomic<int> restores { 0 };
        std::thread restorer (
            [&]
            {
                while (!done.load())
                {
                    for (const Chunk& chunk : saved)
                        instance->Effect().SetChunk (chunk.ID(), chunk.Record());
                    ++restores;
                }
            });
        int64_t changes = 0;
        while (!done.load())
        {
            const ParameterInfo& parameter = parameters[static_cast<size_t> (changes) % parameters.size()];
            if (changes % 2 == 0)
                instance->Automate (parameter.id, RandomValue (*instance, parameter.id));
            else if (parameter.id != instance->MasterBypassID())
                instance->SetParameter (parameter.id, RandomValue (*instance, parameter.id));
            instance->GenerateCoefficients();
            ++changes;
            mHost->Main().Pump();
        }
        mAudio->Wait();
        restorer.join();
        mHost->Main().Pump();
        mReport.blocks += blocks;
        mReport.automationEvents += changes;
        if (editor != nullptr)
            editor->Close();
        details << blocks << " blocks against " << changes << " parameter changes and " << restores.load()
                << " state restores; output " << stats.nonFinite << " non-finite, peak " << stats.Peak();
        instance->Close();
        return editor != nullptr && stats.nonFinite == 0 && stats.Peak() <= 1600.0f;
    }

    bool ParallelInstances (std::ostream& details)
    {
        const int count = 4;
        const int blocks = 500;
        std::vector<std::unique_ptr<Instance>> instances;
        std::vector<std::unique_ptr<AudioThread>> threads;
        for (int i = 0; i < count; ++i)
        {
            instances.push_back (Make (48000.0f, i % 2 == 0 ? AAX_eStemFormat_Stereo : AAX_eStemFormat_Mono, 1024, details));
            if (instances.back() == nullptr)
                return false;
            threads.push_back (std::make_unique<AudioThread> (mHost->Main()));
        }
        std::vector<OutputStats> stats (count);
        const Audio input = MakeSignal (Signal::Noise, 2, 128, 48000.0, mRandom);
        for (int i = 0; i < count; ++i)
            threads[static_cast<size_t> (i)]->Submit (
                [&, i]
                {
                    Instance& target = *instances[static_cast<size_t> (i)];
                    Audio output (target.OutputChannels(), 128);
                    const float* in[2] = { input.data[0].data(), input.data[1].data() };
                    std::vector<float*> out;
                    for (auto& channel : output.data)
                        out.push_back (channel.data());
                    for (int block = 0; block < blocks; ++block)
                    {
                        target.ProcessBlock (in, out.data(), 128);
                        for (const auto& channel : output.data)
                            stats[static_cast<size_t> (i)].Add (channel.data(), 128, 0, 128);
                    }
                });
        for (auto& thread : threads)
            thread->Wait();
        bool passed = true;
        for (const OutputStats& s : stats)
            passed &= s.nonFinite == 0 && s.subnormal == 0 && s.Peak() <= 16.0f;
        mReport.blocks += count * blocks;
        threads.clear();
        for (auto& instance : instances)
            instance->Close();
        details << count << " instances on " << count << " audio threads, " << blocks << " blocks each";
        return passed;
    }

    const bool mFull;
    std::mt19937 mRandom;
    std::ostream& mLog;
    ValidationReport mReport;
    PluginHost* mHost = nullptr;
    AudioThread* mAudio = nullptr;
    bool mDisplay = false;
};
} // namespace

ValidationReport Validate (const std::string& bundle, const ValidationOptions& options, std::ostream& log)
{
    return Validator (options, log).Run (bundle);
}
} // namespace duveline::host
