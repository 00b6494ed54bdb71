/*
    RenderJob: the host's main job. Renders audio (a WAV file or the built-in test signal)
    through a plug-in bundle, with parameters set by name or preset, automation over time and
    chunks saved or restored, and reports the description, the parameters with their value texts
    and the true-peak and width figures of input and output.
*/
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace duveline::host
{
struct AutomationPoint
{
    double seconds = 0.0;
    std::string value; // as the parameter's value text
};

struct AutomationLane
{
    std::string parameter; // ID or name
    std::vector<AutomationPoint> points;
};

struct RenderOptions
{
    std::string bundle;
    std::string input; // empty: the built-in test signal
    std::string output = "out/duveline-host-render.wav";
    double rate = 48000.0; // of the built-in test signal
    int32_t blockSize = 512;
    std::string preset;
    std::vector<std::pair<std::string, std::string>> settings; // parameter (ID or name), value text
    std::vector<AutomationLane> automation;
    std::string saveChunks;
    std::string loadChunks;
};

// Parses "Name=t:v,t:v,..." (seconds and value texts, times rising) into a lane.
bool ParseAutomation (const std::string& text, AutomationLane& lane);

// Parses the arguments after "render"; false with error set on a bad command line.
bool ParseRenderOptions (const std::vector<std::string>& arguments, RenderOptions& options, std::string& error);

// Runs the job, writing its report to out and problems to err; the process exit code (0 when
// rendered and every object on both sides was released).
int RunRender (const RenderOptions& options, std::ostream& out, std::ostream& err);
} // namespace duveline::host
