/*
    RenderJob: reading the input, driving one instance block by block on the audio thread with
    settings, presets, automation and chunks applied on the main thread, and the report.
*/
#include "RenderJob.h"

#include "AudioThread.h"
#include "PluginHost.h"
#include "StereoFigures.h"
#include "TestSignal.h"
#include "TruePeak.h"
#include "WavFiles.h"
#include "editor/PresetTable.h"

#include <cstdlib>
#include <iomanip>
#include <sstream>

namespace duveline::host
{
namespace
{
juce::File FileAt (const std::string& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

void PrintFigures (std::ostream& out, const char* label, const juce::AudioBuffer<float>& audio)
{
    const render::StereoFigures figures = render::measureStereo (audio);
    out << std::fixed << std::setprecision (2) << "  " << std::left << std::setw (7) << label << std::right << " true peak L "
        << std::setw (7) << render::measureTruePeakDb (audio, 0) << " dBTP, R " << std::setw (7)
        << render::measureTruePeakDb (audio, 1) << " dBTP | side/mid " << std::setw (7) << figures.sideToMidDb
        << " dB | L/R correlation " << std::setprecision (3) << figures.correlation << "\n";
    out.unsetf (std::ios::floatfield);
}

// The settings of a preset of the editor's menu, by parameter.
bool PresetSettings (const std::string& name, std::vector<std::pair<std::string, std::string>>& settings)
{
    for (const Preset& preset : presetTable)
    {
        if (name != preset.name)
            continue;
        auto number = [] (float value)
        {
            std::ostringstream text;
            text << value;
            return text.str();
        };
        settings.insert (settings.begin(), { { "Input Gain", number (preset.inputGain) },
                                             { "Output Gain", number (preset.outputGain) },
                                             { "IO Link Switch", preset.ioLink ? "on" : "off" },
                                             { "Width", number (preset.width) },
                                             { "Width EQ", number (preset.widthEq) },
                                             { "Width EQ Switch", preset.widthEqSwitch ? "on" : "off" } });
        return true;
    }
    return false;
}

struct Lane
{
    std::string id;
    std::vector<std::pair<double, double>> points; // seconds, normalised value
    double last = -1.0;

    double ValueAt (double seconds) const
    {
        if (seconds <= points.front().first)
            return points.front().second;
        for (size_t i = 1; i < points.size(); ++i)
            if (seconds < points[i].first)
            {
                const auto& [t0, v0] = points[i - 1];
                const auto& [t1, v1] = points[i];
                return v0 + (v1 - v0) * (seconds - t0) / (t1 - t0);
            }
        return points.back().second;
    }
};

bool Convert (const Instance& instance, const std::string& parameter, const std::string& text, std::string& id,
              double& normalized, std::ostream& err)
{
    id = instance.FindParameter (parameter);
    if (id.empty())
    {
        err << "unknown parameter \"" << parameter << "\"\n";
        return false;
    }
    if (instance.ValueFromText (id, text, normalized) != 0)
    {
        err << "\"" << text << "\" is no value of \"" << parameter << "\"\n";
        return false;
    }
    return true;
}

int Finish (PluginHost& host, std::unique_ptr<Instance>& instance, std::ostream& out, int code)
{
    if (instance != nullptr)
        instance->Close();
    instance.reset();
    const ShutdownReport report = host.Shutdown();
    out << "ACFShutdown: " << report.shutdownResult << "\n";
    out << "ACFCanUnloadNow: " << report.canUnloadNow << "\n";
    if (report.leakedHostObjects.empty())
        out << "Host objects: all released\n";
    for (const auto& [kind, count] : report.leakedHostObjects)
        out << "Host objects not released: " << count << " " << kind << "\n";
    const bool clean = report.canUnloadNow == 0 && report.leakedHostObjects.empty();
    return code != 0 ? code : clean ? 0 : 1;
}
} // namespace

bool ParseAutomation (const std::string& text, AutomationLane& lane)
{
    const size_t equals = text.find ('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    lane.parameter = text.substr (0, equals);
    lane.points.clear();
    std::istringstream points (text.substr (equals + 1));
    std::string point;
    while (std::getline (points, point, ','))
    {
        const size_t colon = point.find (':');
        if (colon == std::string::npos)
            return false;
        char* end = nullptr;
        const std::string time = point.substr (0, colon);
        const double seconds = std::strtod (time.c_str(), &end);
        if (end == time.c_str() || *end != '\0' || seconds < 0.0 ||
            (!lane.points.empty() && seconds <= lane.points.back().seconds))
            return false;
        lane.points.push_back ({ seconds, point.substr (colon + 1) });
    }
    return !lane.points.empty();
}

bool ParseRenderOptions (const std::vector<std::string>& arguments, RenderOptions& options, std::string& error)
{
    if (arguments.empty())
    {
        error = "no bundle given";
        return false;
    }
    options.bundle = arguments[0];
    for (size_t i = 1; i < arguments.size(); ++i)
    {
        const std::string& option = arguments[i];
        if (i + 1 >= arguments.size())
        {
            error = "option " + option + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        if (option == "--in")
            options.input = value;
        else if (option == "--out")
            options.output = value;
        else if (option == "--preset")
            options.preset = value;
        else if (option == "--save-chunks")
            options.saveChunks = value;
        else if (option == "--load-chunks")
            options.loadChunks = value;
        else if (option == "--block")
            options.blockSize = std::atoi (value.c_str());
        else if (option == "--rate")
            options.rate = std::atof (value.c_str());
        else if (option == "--set")
        {
            const size_t equals = value.find ('=');
            if (equals == std::string::npos || equals == 0)
            {
                error = "--set needs Name=value";
                return false;
            }
            options.settings.emplace_back (value.substr (0, equals), value.substr (equals + 1));
        }
        else if (option == "--automate")
        {
            AutomationLane lane;
            if (!ParseAutomation (value, lane))
            {
                error = "--automate needs Name=seconds:value,seconds:value,... with rising times";
                return false;
            }
            options.automation.push_back (std::move (lane));
        }
        else
        {
            error = "unknown option " + option;
            return false;
        }
    }
    if (options.blockSize <= 0 || options.blockSize > 1024 || !(options.rate > 0.0))
    {
        error = "block size must be 1 to 1024 and the rate positive";
        return false;
    }
    return true;
}

int RunRender (const RenderOptions& options, std::ostream& out, std::ostream& err)
{
    juce::AudioBuffer<float> audio;
    double rate = options.rate;
    if (options.input.empty())
        audio = render::makeDefaultInput (rate);
    else if (!render::readWav (FileAt (options.input), audio, rate))
    {
        err << "cannot read " << options.input << " as a WAV file\n";
        return 1;
    }

    PluginHost host;
    if (!host.Load (options.bundle))
    {
        err << "cannot load " << options.bundle << ": " << host.LoadError() << "\n";
        return 1;
    }
    out << "ACFRegisterPlugin: " << host.RegisterResult() << "\n";
    if (!host.HasDescription())
    {
        std::unique_ptr<Instance> none;
        return Finish (host, none, out, 1);
    }
    out << DescriptionToText (host.GetDescription());

    InstanceConfig config;
    config.sampleRate = static_cast<float> (rate);
    int32_t result = 0;
    std::string error;
    std::unique_ptr<Instance> instance = host.CreateInstance (config, result, error);
    if (instance == nullptr)
    {
        err << "cannot create an instance (" << result << "): " << error << "\n";
        return Finish (host, instance, out, 1);
    }
    out << "Instance: " << rate << " Hz, " << instance->InputChannels() << " in, " << instance->OutputChannels()
        << " out, latency " << instance->Latency() << " samples\n";

    if (!options.loadChunks.empty())
    {
        std::vector<Chunk> chunks;
        if (!ReadChunkFile (options.loadChunks, chunks, error) || instance->RestoreChunks (chunks) != 0)
        {
            err << "cannot restore chunks from " << options.loadChunks << " " << error << "\n";
            return Finish (host, instance, out, 1);
        }
        out << "Restored " << chunks.size() << " chunks from " << options.loadChunks << "\n";
    }

    std::vector<std::pair<std::string, std::string>> settings = options.settings;
    if (!options.preset.empty() && !PresetSettings (options.preset, settings))
    {
        err << "unknown preset \"" << options.preset << "\"\n";
        return Finish (host, instance, out, 2);
    }
    for (const auto& [parameter, text] : settings)
    {
        std::string id;
        double normalized = 0.0;
        if (!Convert (*instance, parameter, text, id, normalized, err))
            return Finish (host, instance, out, 2);
        instance->SetParameter (id, normalized);
    }

    std::vector<Lane> lanes;
    for (const AutomationLane& automation : options.automation)
    {
        Lane lane;
        for (const AutomationPoint& point : automation.points)
        {
            double normalized = 0.0;
            if (!Convert (*instance, automation.parameter, point.value, lane.id, normalized, err))
                return Finish (host, instance, out, 2);
            lane.points.emplace_back (point.seconds, normalized);
        }
        lanes.push_back (std::move (lane));
    }

    const juce::AudioBuffer<float> input (audio);
    const int length = audio.getNumSamples();
    AudioThread audioThread (host.Main());
    instance->State().playing = true;
    for (int start = 0; start < length; start += options.blockSize)
    {
        const int n = std::min (options.blockSize, length - start);
        // Host automation first, then the packets of what changed, then the block.
        for (Lane& lane : lanes)
        {
            const double value = lane.ValueAt (start / rate);
            if (value != lane.last)
                instance->Automate (lane.id, value);
            lane.last = value;
        }
        instance->GenerateCoefficients();
        const float* inputs[2] = { input.getReadPointer (0, start), input.getReadPointer (1, start) };
        float* outputs[2] = { audio.getWritePointer (0, start), audio.getWritePointer (1, start) };
        audioThread.Run ([&] { instance->ProcessBlock (inputs, outputs, n); });
    }
    instance->State().playing = false;

    out << "Rendered " << length << " samples at " << rate << " Hz in blocks of " << options.blockSize << "\n";
    out << "Parameters:\n";
    for (const ParameterInfo& parameter : instance->Parameters())
        out << "  " << parameter.name << " (" << parameter.id << ") = " << parameter.valueText << "\n";
    PrintFigures (out, "input", input);
    PrintFigures (out, "output", audio);

    const std::string written = FileAt (options.output).getFullPathName().toStdString();
    if (!render::writeWav (FileAt (options.output), audio, rate))
    {
        err << "cannot write " << written << "\n";
        return Finish (host, instance, out, 1);
    }
    out << "Wrote " << written << "\n";

    if (!options.saveChunks.empty())
    {
        std::vector<Chunk> chunks;
        if (instance->SaveChunks (chunks) != 0 || !WriteChunkFile (options.saveChunks, chunks, error))
        {
            err << "cannot save chunks to " << options.saveChunks << " " << error << "\n";
            return Finish (host, instance, out, 1);
        }
        out << "Saved " << chunks.size() << " chunks to " << options.saveChunks << "\n";
    }
    return Finish (host, instance, out, 0);
}
} // namespace duveline::host
