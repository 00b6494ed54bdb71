/*
    The main job through a plug-in: its command line, the true-peak figure, and whole renders
    through the fake effect with settings, automation and chunks saved and restored.
*/
#include "RenderJob.h"
#include "TruePeak.h"
#include "WavFiles.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

using namespace duveline::host;

TEST (RenderCommandLine, ReadsSettingsAutomationAndChunkFiles)
{
    RenderOptions options;
    std::string error;
    ASSERT_TRUE (ParseRenderOptions ({ "bundle", "--in", "a.wav", "--set", "Width=7", "--preset", "Super Wide", "--automate",
                                       "Width=0:0,2.5:15", "--save-chunks", "s.bin", "--load-chunks", "l.bin", "--block", "256" },
                                     options, error))
        << error;
    EXPECT_EQ ("bundle", options.bundle);
    EXPECT_EQ ("a.wav", options.input);
    ASSERT_EQ (1u, options.settings.size());
    EXPECT_EQ ("Width", options.settings[0].first);
    EXPECT_EQ ("7", options.settings[0].second);
    EXPECT_EQ ("Super Wide", options.preset);
    ASSERT_EQ (1u, options.automation.size());
    ASSERT_EQ (2u, options.automation[0].points.size());
    EXPECT_EQ (2.5, options.automation[0].points[1].seconds);
    EXPECT_EQ ("15", options.automation[0].points[1].value);
    EXPECT_EQ ("s.bin", options.saveChunks);
    EXPECT_EQ ("l.bin", options.loadChunks);
    EXPECT_EQ (256, options.blockSize);
}

class RenderCommandLineFaults : public ::testing::TestWithParam<std::vector<std::string>>
{
};

TEST_P (RenderCommandLineFaults, AreRefused)
{
    RenderOptions options;
    std::string error;
    EXPECT_FALSE (ParseRenderOptions (GetParam(), options, error));
    EXPECT_FALSE (error.empty());
}

INSTANTIATE_TEST_SUITE_P (Render, RenderCommandLineFaults,
                          ::testing::Values (std::vector<std::string> {}, std::vector<std::string> { "b", "--set", "Width" },
                                             std::vector<std::string> { "b", "--automate", "Width=1:0,0.5:3" },
                                             std::vector<std::string> { "b", "--automate", "Width=x:0" },
                                             std::vector<std::string> { "b", "--block", "4096" },
                                             std::vector<std::string> { "b", "--out" },
                                             std::vector<std::string> { "b", "--bogus", "1" }));

// A sine at a quarter of the rate sampled 45 degrees off its crests: every sample reads 3 dB
// below the true peak.
TEST (TruePeak, FindsThePeakBetweenSamples)
{
    juce::AudioBuffer<float> sine (1, 4800);
    for (int n = 0; n < sine.getNumSamples(); ++n)
        sine.setSample (0, n,
                        static_cast<float> (
                            0.5 * std::sin (juce::MathConstants<double>::halfPi * n + 0.25 * juce::MathConstants<double>::pi)));
    EXPECT_NEAR (0.5 * std::sqrt (0.5), sine.getMagnitude (0, 0, 4800), 1e-6);
    EXPECT_NEAR (20.0 * std::log10 (0.5), render::measureTruePeakDb (sine, 0, 100, 4700), 0.05);
}

class RenderThroughFake : public ::testing::Test
{
protected:
    void TearDown() override { std::filesystem::remove_all (mFolder); }

    std::string Path (const char* name) const { return (mFolder / name).string(); }

    int Run (RenderOptions options, std::string& report)
    {
        options.bundle = DUVELINE_FAKE_EFFECT;
        std::ostringstream out, err;
        const int code = RunRender (options, out, err);
        report = out.str() + err.str();
        return code;
    }

    std::filesystem::path mFolder = []
    {
        auto folder = std::filesystem::temp_directory_path() / ("duveline-render-" + std::to_string (::getpid()));
        std::filesystem::create_directories (folder);
        return folder;
    }();
};

// Inputs come from anywhere: integer files of every common width read as the samples they hold.
class WavInput : public RenderThroughFake, public ::testing::WithParamInterface<int>
{
};

TEST_P (WavInput, ReadsIntegerAndFloatingPointFiles)
{
    const int bits = GetParam();
    juce::AudioBuffer<float> halves (2, 64);
    for (int n = 0; n < 64; ++n)
    {
        halves.setSample (0, n, n % 2 == 0 ? 0.5f : -0.5f);
        halves.setSample (1, n, 0.25f);
    }
    const juce::File file (Path ("in.wav"));
    {
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (
            wav.createWriterFor (file.createOutputStream().release(), 44100.0, 2, static_cast<unsigned> (bits), {}, 0));
        ASSERT_NE (nullptr, writer);
        ASSERT_TRUE (writer->writeFromAudioSampleBuffer (halves, 0, 64));
    }
    juce::AudioBuffer<float> read;
    double rate = 0.0;
    ASSERT_TRUE (render::readWav (file, read, rate));
    EXPECT_EQ (44100.0, rate);
    ASSERT_EQ (64, read.getNumSamples());
    for (int c = 0; c < 2; ++c)
        for (int n = 0; n < 64; ++n)
            EXPECT_EQ (halves.getSample (c, n), read.getSample (c, n)) << bits << " bits, " << c << " " << n;
}

INSTANTIATE_TEST_SUITE_P (Render, WavInput, ::testing::Values (16, 24, 32));

TEST_F (RenderThroughFake, ReportsParametersFiguresAndACleanShutdown)
{
    RenderOptions options;
    options.output = Path ("out.wav");
    options.settings = { { "Gain", "2" } };
    std::string report;
    ASSERT_EQ (0, Run (options, report)) << report;
    EXPECT_NE (std::string::npos, report.find ("Effect \"com.Tolvane.FakeGain\"")) << report;
    EXPECT_NE (std::string::npos, report.find ("Gain (Gain) = 2.00")) << report;
    EXPECT_NE (std::string::npos, report.find ("Master Bypass (MasterBypassID) = off")) << report;
    EXPECT_NE (std::string::npos, report.find ("  input   true peak L")) << report;
    EXPECT_NE (std::string::npos, report.find ("  output  true peak L")) << report;
    EXPECT_NE (std::string::npos, report.find ("ACFCanUnloadNow: 0\nHost objects: all released")) << report;
    EXPECT_TRUE (std::filesystem::exists (options.output));
}

TEST_F (RenderThroughFake, PeaksAboveFullScaleReachTheFile)
{
    juce::AudioBuffer<float> loud (2, 4800);
    for (int n = 0; n < loud.getNumSamples(); ++n)
        for (int c = 0; c < 2; ++c)
            loud.setSample (c, n, static_cast<float> (0.9 * std::sin (0.05 * n + c)));
    RenderOptions options;
    options.input = Path ("loud.wav");
    ASSERT_TRUE (render::writeWav (juce::File (options.input), loud, 48000.0));
    options.output = Path ("out.wav");
    options.settings = { { "Gain", "2" } };
    std::string report;
    ASSERT_EQ (0, Run (options, report)) << report;

    juce::AudioBuffer<float> written;
    double rate = 0.0;
    ASSERT_TRUE (render::readWav (juce::File (options.output), written, rate));
    ASSERT_EQ (loud.getNumSamples(), written.getNumSamples());
    EXPECT_GT (written.getMagnitude (0, written.getNumSamples()), 1.7f);
    for (int c = 0; c < 2; ++c)
        for (int n = 0; n < loud.getNumSamples(); ++n)
            ASSERT_EQ (2.0f * loud.getSample (c, n), written.getSample (c, n)) << c << " " << n;
}

TEST_F (RenderThroughFake, AutomationEndsAtItsLastValue)
{
    RenderOptions options;
    options.output = Path ("out.wav");
    AutomationLane lane;
    ASSERT_TRUE (ParseAutomation ("Gain=0:0,1:1.5,2:0.5", lane));
    options.automation = { lane };
    std::string report;
    ASSERT_EQ (0, Run (options, report)) << report;
    EXPECT_NE (std::string::npos, report.find ("Gain (Gain) = 0.50")) << report;
}

TEST_F (RenderThroughFake, SavedChunksComeBackInTheNextRun)
{
    RenderOptions save;
    save.output = Path ("first.wav");
    save.settings = { { "Gain", "1.5" }, { "Master Bypass", "on" } };
    save.saveChunks = Path ("chunks.bin");
    std::string report;
    ASSERT_EQ (0, Run (save, report)) << report;

    RenderOptions load;
    load.output = Path ("second.wav");
    load.loadChunks = save.saveChunks;
    ASSERT_EQ (0, Run (load, report)) << report;
    EXPECT_NE (std::string::npos, report.find ("Restored 2 chunks")) << report;
    EXPECT_NE (std::string::npos, report.find ("Gain (Gain) = 1.50")) << report;
    EXPECT_NE (std::string::npos, report.find ("Master Bypass (MasterBypassID) = on")) << report;
}

TEST_F (RenderThroughFake, UnknownParametersAndPresetsAreRefused)
{
    RenderOptions options;
    options.output = Path ("out.wav");
    options.settings = { { "Nope", "1" } };
    std::string report;
    EXPECT_EQ (2, Run (options, report));
    EXPECT_NE (std::string::npos, report.find ("unknown parameter \"Nope\"")) << report;
    EXPECT_NE (std::string::npos, report.find ("Host objects: all released")) << report;

    options.settings.clear();
    options.preset = "Nope";
    EXPECT_EQ (2, Run (options, report));
    EXPECT_FALSE (std::filesystem::exists (options.output));
}
