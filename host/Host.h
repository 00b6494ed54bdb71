/*
    One host run over a plug-in shared object: load it, start it up, register its description,
    shut it down, check that it can be unloaded and that every host object came back.
*/
#pragma once

#include "Description.h"
#include "HostSession.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace duveline::host
{
struct DescribeResult
{
    bool loaded = false;
    std::string loadError;

    int32_t sdkVersionResult = 0;
    uint64_t sdkVersion = 0;
    int32_t startupResult = 0;
    int32_t registerResult = 0;
    bool hasDescription = false;
    Description description;
    int32_t shutdownResult = 0;
    int32_t canUnloadNow = 0; // after shutdown: the plug-in's live objects

    std::vector<TraceRecord> traces;
    std::vector<AssertRecord> asserts;
    // Host objects of each kind still alive after the run (they were never released).
    std::vector<std::pair<std::string, int32_t>> leakedHostObjects;
    bool unloaded = false;

    // Loaded, registered, every object released on both sides.
    bool Clean() const;
};

DescribeResult DescribePlugin (const std::string& path, const HostConfig& config);

std::string ResultToText (const DescribeResult& result);
std::string ResultToJson (const DescribeResult& result, int indent);
} // namespace duveline::host
