/*
    duveline-host: loads an AAX plug-in shared object (or bundle). "describe" registers its
    description and prints it, readably or as JSON, with options that make it act as an older or
    a misbehaving host; "render" renders audio through it as the main job; "validate" runs the
    reliability battery on it.
*/
#include "Host.h"
#include "RenderJob.h"
#include "Validation.h"

#include <iostream>
#include <vector>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
int Usage()
{
    std::fprintf (stderr, "usage: duveline-host describe <plug-in.so> [--json]\n"
                          "         [--host-services-version N] [--effect-descriptor-version N]\n"
                          "         [--component-descriptor-version N] [--property-map-version N]\n"
                          "         [--no-description-host] [--refuse-factory] [--refuse-plugin-definition]\n"
                          "       duveline-host render <bundle> [--in in.wav] [--out out.wav] [--rate Hz] [--block N]\n"
                          "         [--preset NAME] [--set Name=value ...] [--automate Name=seconds:value,... ...]\n"
                          "         [--save-chunks FILE] [--load-chunks FILE]\n"
                          "       duveline-host validate <bundle> [--fast|--full] [--seed N]\n"
                          "Without --in, render uses the built-in stereo test signal at --rate (default 48000).\n");
    return 2;
}

bool ParseVersion (const char* text, int highest, int& out)
{
    char* end = nullptr;
    const long value = std::strtol (text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > highest)
        return false;
    out = static_cast<int> (value);
    return true;
}

int Render (int argc, char** argv)
{
    duveline::host::RenderOptions options;
    std::string error;
    if (!duveline::host::ParseRenderOptions (std::vector<std::string> (argv + 2, argv + argc), options, error))
    {
        std::fprintf (stderr, "%s\n", error.c_str());
        return Usage();
    }
    return duveline::host::RunRender (options, std::cout, std::cerr);
}

int Validate (int argc, char** argv)
{
    duveline::host::ValidationOptions options;
    for (int i = 3; i < argc; ++i)
    {
        const std::string option = argv[i];
        int seed = 0;
        if (option == "--fast")
            options.level = duveline::host::ValidationLevel::Fast;
        else if (option == "--full")
            options.level = duveline::host::ValidationLevel::Full;
        else if (option == "--seed" && i + 1 < argc && ParseVersion (argv[i + 1], 1 << 30, seed))
        {
            options.seed = static_cast<uint32_t> (seed);
            ++i;
        }
        else
            return Usage();
    }
    const auto report = duveline::host::Validate (argv[2], options, std::cout);
    std::cout << "Combinations processed: " << report.combinations << "\nBlocks processed: " << report.blocks
              << "\nAutomation events: " << report.automationEvents << "\nState round trips: " << report.stateRoundTrips
              << "\nDamaged chunks restored: " << report.damagedChunks << "\nEditor openings: " << report.editorOpenings
              << "\nValidation " << (report.Passed() ? "passed" : "FAILED") << std::endl;
    return report.Passed() ? 0 : 1;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc >= 3 && std::strcmp (argv[1], "render") == 0)
        return Render (argc, argv);
    if (argc >= 3 && std::strcmp (argv[1], "validate") == 0)
        return Validate (argc, argv);
    if (argc < 3 || std::strcmp (argv[1], "describe") != 0)
        return Usage();

    const std::string path = argv[2];
    bool json = false;
    duveline::host::HostConfig config;
    for (int i = 3; i < argc; ++i)
    {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--json")
            json = true;
        else if (option == "--no-description-host")
            config.offerDescriptionHost = false;
        else if (option == "--refuse-factory")
            config.componentFactory = duveline::host::FactoryAnswer::Refuse;
        else if (option == "--refuse-plugin-definition")
            config.offerPluginDefinition = false;
        else if (option == "--host-services-version" && hasValue && ParseVersion (argv[i + 1], 3, config.hostServicesVersion))
            ++i;
        else if (option == "--effect-descriptor-version" && hasValue &&
                 ParseVersion (argv[i + 1], 2, config.effectDescriptorVersion))
            ++i;
        else if (option == "--component-descriptor-version" && hasValue &&
                 ParseVersion (argv[i + 1], 3, config.componentDescriptorVersion))
            ++i;
        else if (option == "--property-map-version" && hasValue && ParseVersion (argv[i + 1], 3, config.propertyMapVersion))
            ++i;
        else
            return Usage();
    }

    const duveline::host::DescribeResult result = duveline::host::DescribePlugin (path, config);
    const std::string report = json ? duveline::host::ResultToJson (result, 2) + "\n" : duveline::host::ResultToText (result);
    std::fputs (report.c_str(), stdout);
    return result.Clean() ? 0 : 1;
}
