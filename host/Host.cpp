/*
    DescribePlugin: the whole host run, and the printed report of it.
*/
#include "Host.h"

#include "PluginHost.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

namespace duveline::host
{
namespace
{
std::string Hex64 (uint64_t value)
{
    char text[32];
    std::snprintf (text, sizeof (text), "0x%016llX", static_cast<unsigned long long> (value));
    return text;
}
} // namespace

bool DescribeResult::Clean() const
{
    return loaded && registerResult == 0 && hasDescription && canUnloadNow == 0 && leakedHostObjects.empty();
}

DescribeResult DescribePlugin (const std::string& path, const HostConfig& config)
{
    DescribeResult result;
    PluginHost host (config);
    if (!host.Load (path))
    {
        result.loadError = host.LoadError();
        return result;
    }
    result.loaded = true;
    result.sdkVersionResult = host.SdkVersionResult();
    result.sdkVersion = host.SdkVersion();
    result.startupResult = host.StartupResult();
    result.registerResult = host.RegisterResult();
    result.hasDescription = host.HasDescription();
    result.description = host.GetDescription();

    const ShutdownReport report = host.Shutdown();
    result.shutdownResult = report.shutdownResult;
    result.canUnloadNow = report.canUnloadNow;
    result.traces = report.traces;
    result.asserts = report.asserts;
    result.leakedHostObjects = report.leakedHostObjects;
    result.unloaded = report.unloaded;
    return result;
}

std::string ResultToText (const DescribeResult& result)
{
    std::ostringstream out;
    if (!result.loaded)
    {
        out << "Load failed: " << result.loadError << "\n";
        return out.str();
    }
    out << "SDK version: " << Hex64 (result.sdkVersion) << " (result " << result.sdkVersionResult << ")\n";
    out << "ACFStartup: " << result.startupResult << "\n";
    out << "ACFRegisterPlugin: " << result.registerResult << "\n";
    if (result.hasDescription)
        out << DescriptionToText (result.description);
    out << "ACFShutdown: " << result.shutdownResult << "\n";
    out << "ACFCanUnloadNow: " << result.canUnloadNow << "\n";
    for (const TraceRecord& trace : result.traces)
        out << "Trace [0x" << std::hex << trace.priority << std::dec << "]: " << trace.message << "\n";
    for (const AssertRecord& assertion : result.asserts)
        out << "Assertion: " << assertion.file << ":" << assertion.line << ": " << assertion.note << "\n";
    if (result.leakedHostObjects.empty())
        out << "Host objects: all released\n";
    for (const auto& [kind, count] : result.leakedHostObjects)
        out << "Host objects not released: " << count << " " << kind << "\n";
    return out.str();
}

std::string ResultToJson (const DescribeResult& result, int indent)
{
    nlohmann::json json;
    json["loaded"] = result.loaded;
    if (!result.loaded)
    {
        json["loadError"] = result.loadError;
        return json.dump (indent);
    }
    json["sdkVersion"] = Hex64 (result.sdkVersion);
    json["sdkVersionResult"] = result.sdkVersionResult;
    json["startupResult"] = result.startupResult;
    json["registerResult"] = result.registerResult;
    json["description"] =
        result.hasDescription ? nlohmann::json::parse (DescriptionToJson (result.description, -1)) : nlohmann::json();
    json["shutdownResult"] = result.shutdownResult;
    json["canUnloadNow"] = result.canUnloadNow;
    json["traces"] = nlohmann::json::array();
    for (const TraceRecord& trace : result.traces)
        json["traces"].push_back ({ { "priority", trace.priority }, { "message", trace.message } });
    json["asserts"] = nlohmann::json::array();
    for (const AssertRecord& assertion : result.asserts)
        json["asserts"].push_back (
            { { "file", assertion.file }, { "line", assertion.line }, { "note", assertion.note }, { "flags", assertion.flags } });
    json["leakedHostObjects"] = nlohmann::json::object();
    for (const auto& [kind, count] : result.leakedHostObjects)
        json["leakedHostObjects"][kind] = count;
    json["unloaded"] = result.unloaded;
    return json.dump (indent);
}
} // namespace duveline::host
