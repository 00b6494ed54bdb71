/*
    Validation: the battery a plug-in bundle has to survive in this host, the way plug-in
    validators of other formats exercise plug-ins: its parameters and their texts, a matrix of
    rates, block lengths, layouts and signals, automation, saved state (also damaged), the editor,
    concurrent use, hostile input and a clean release. Each check reports pass or fail with details.
*/
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace duveline::host
{
enum class ValidationLevel
{
    Fast, // a few of every kind: for the test suite
    Full  // every combination, long runs, many repetitions
};

struct ValidationOptions
{
    ValidationLevel level = ValidationLevel::Fast;
    uint32_t seed = 1;
};

struct CheckResult
{
    std::string name;
    bool passed = true;
    std::string details;
};

struct ValidationReport
{
    std::vector<CheckResult> checks;
    int64_t combinations = 0;     // rate x block length x layout x signal runs processed
    int64_t blocks = 0;           // blocks processed in all
    int64_t automationEvents = 0; // parameter changes made while processing
    int64_t stateRoundTrips = 0;  // save, disturb, restore, compare
    int64_t damagedChunks = 0;    // random, truncated and corrupted chunks handed to the plug-in
    int64_t editorOpenings = 0;
    bool Passed() const;
};

// Loads the bundle in a host of its own (the calling thread becomes its main thread) and runs
// every check; progress lines go to log as each check ends.
ValidationReport Validate (const std::string& bundle, const ValidationOptions& options, std::ostream& log);
} // namespace duveline::host
