/*
    duveline-render: renders audio through BrenvoAudioProcessor the way a host
    does (prepare, fixed-length blocks, parameters by name or preset) and prints
    true-peak and stereo-width figures of the input and the output.
*/
#include "PluginProcessor.h"
#include "StereoFigures.h"
#include "TestSignal.h"
#include "WavFiles.h"
#include "editor/PresetTable.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <iomanip>
#include <iostream>

namespace
{
struct Options
{
    juce::String input, output = "out/duveline-render.wav";
    int blockSize = 512;
    double defaultRate = 48000.0;
    std::vector<std::pair<juce::String, juce::String>> settings;
    juce::String preset;
};

void printUsage()
{
    std::cout << "usage: duveline-render [--in input.wav] [--out output.wav] [--block N] [--rate Hz]\n"
                 "                       [--preset NAME] [--set \"Parameter=value\" ...]\n"
                 "Without --in, renders a built-in stereo test signal at --rate (default 48000).\n"
                 "Presets: Default, \"Magically Wide\", \"Super Wide\", \"Extremely Wide\", \"More Color\".\n";
}

bool parse (int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i)
    {
        const juce::String arg (argv[i]);
        auto next = [&]() -> juce::String { return ++i < argc ? juce::String (argv[i]) : juce::String(); };
        if (arg == "--in") o.input = next();
        else if (arg == "--out") o.output = next();
        else if (arg == "--block") o.blockSize = next().getIntValue();
        else if (arg == "--rate") o.defaultRate = next().getDoubleValue();
        else if (arg == "--preset") o.preset = next();
        else if (arg == "--set")
        {
            const auto setting = next();
            if (! setting.containsChar ('='))
                return false;
            o.settings.push_back ({ setting.upToFirstOccurrenceOf ("=", false, false).trim(),
                                    setting.fromFirstOccurrenceOf ("=", false, false).trim() });
        }
        else
            return false;
    }
    return o.blockSize > 0 && o.defaultRate > 0.0;
}

bool setParameter (BrenvoAudioProcessor& p, const juce::String& name, const juce::String& text)
{
    auto* parameter = p.valueTreeState.getParameter (name);
    if (parameter == nullptr)
        return false;
    const auto lower = text.toLowerCase();
    const float value = lower == "on" || lower == "true" ? 1.0f : lower == "off" || lower == "false" ? 0.0f : text.getFloatValue();
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
    return true;
}

bool applyPreset (BrenvoAudioProcessor& p, const juce::String& name)
{
    for (const auto& preset : presetTable)
    {
        if (name != preset.name)
            continue;
        setParameter (p, "Input Gain", juce::String (preset.inputGain));
        setParameter (p, "Output Gain", juce::String (preset.outputGain));
        setParameter (p, "IO Link Switch", preset.ioLink ? "1" : "0");
        setParameter (p, "Width", juce::String (preset.width));
        setParameter (p, "Width EQ", juce::String (preset.widthEq));
        setParameter (p, "Width EQ Switch", preset.widthEqSwitch ? "1" : "0");
        return true;
    }
    return false;
}

void printFigures (const char* label, const render::StereoFigures& f, float truePeakLeft, float truePeakRight)
{
    std::cout << std::fixed << std::setprecision (2) << "  " << std::left << std::setw (7) << label << std::right
              << " true peak L " << std::setw (7) << truePeakLeft << " dBTP, R " << std::setw (7) << truePeakRight
              << " dBTP | side/mid " << std::setw (7) << f.sideToMidDb << " dB | L/R correlation "
              << std::setprecision (3) << f.correlation << "\n";
}
} // namespace

int main (int argc, char** argv)
{
    Options options;
    if (! parse (argc, argv, options))
    {
        printUsage();
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI runtime;
    juce::AudioBuffer<float> audio;
    double rate = options.defaultRate;
    if (options.input.isEmpty())
        audio = render::makeDefaultInput (rate);
    else if (! render::readWav (juce::File::getCurrentWorkingDirectory().getChildFile (options.input), audio, rate))
    {
        std::cerr << "cannot read " << options.input << " as a WAV file\n";
        return 1;
    }

    BrenvoAudioProcessor processor;
    if (options.preset.isNotEmpty() && ! applyPreset (processor, options.preset))
    {
        std::cerr << "unknown preset \"" << options.preset << "\"\n";
        return 2;
    }
    for (const auto& [name, value] : options.settings)
        if (! setParameter (processor, name, value))
        {
            std::cerr << "unknown parameter \"" << name << "\"\n";
            return 2;
        }

    processor.prepareToPlay (rate, options.blockSize);
    const auto inputFigures = render::measureStereo (audio);

    std::array<float, 4> peaks;
    peaks.fill (-std::numeric_limits<float>::infinity());
    juce::AudioBuffer<float> block (2, options.blockSize);
    juce::MidiBuffer midi;
    const int length = audio.getNumSamples();
    for (int start = 0; start < length; start += options.blockSize)
    {
        const int n = std::min (options.blockSize, length - start);
        block.setSize (2, n, false, false, true);
        for (int c = 0; c < 2; ++c)
            block.copyFrom (c, 0, audio, c, start, n);
        processor.processBlock (block, midi);
        for (int c = 0; c < 2; ++c)
            audio.copyFrom (c, start, block, c, 0, n);
        for (size_t k = 0; k < 4; ++k)
            peaks[k] = std::max (peaks[k], processor.truePeakLevels[k]);
    }

    const auto outputFile = juce::File::getCurrentWorkingDirectory().getChildFile (options.output);
    if (! render::writeWav (outputFile, audio, rate))
    {
        std::cerr << "cannot write " << outputFile.getFullPathName() << "\n";
        return 1;
    }

    std::cout << "Duveline rendered " << length << " samples at " << rate << " Hz in blocks of " << options.blockSize << "\n";
    for (auto* parameter : processor.getParameters())
        std::cout << "  " << parameter->getName (64) << " = " << parameter->getCurrentValueAsText() << "\n";
    printFigures ("input", inputFigures, peaks[0], peaks[1]);
    printFigures ("output", render::measureStereo (audio), peaks[2], peaks[3]);
    std::cout << "wrote " << outputFile.getFullPathName() << "\n";
    return 0;
}
