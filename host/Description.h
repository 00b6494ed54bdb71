/*
    The plug-in description as the host received it, in plain data, and its two printed forms
    (readable text and JSON).
*/
#pragma once

#include "AAX_Callbacks.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace duveline::host
{
struct PropertyRecords
{
    std::map<int32_t, int32_t> values;
    std::map<int32_t, bool> pointers;     // which pointer properties were set (and to non-null)
    std::map<int32_t, uint32_t> idArrays; // number of plug-in IDs per property
};

// One call that shapes the algorithm context, e.g. {"AddAudioIn", 0, {}}.
struct FieldRecord
{
    std::string call;
    int32_t fieldIndex = 0;
    std::vector<int64_t> arguments;
    std::string text;
};

struct ProcessProcRecord
{
    std::string kind; // "native" or "TI"
    uint32_t id = 0;
    bool hasProcessProc = false;
    bool hasInstanceInitProc = false;
    bool hasBackgroundProc = false;
    std::vector<std::string> symbols; // TI: file and symbol names
    PropertyRecords properties;
    // The native procedures themselves, for running the component (never printed).
    AAX_CProcessProc processProc = nullptr;
    AAX_CInstanceInitProc instanceInitProc = nullptr;
};

struct ComponentRecord
{
    std::vector<FieldRecord> fields;
    std::vector<ProcessProcRecord> processProcs;
};

struct MeterRecord
{
    uint32_t id = 0;
    std::string name;
    PropertyRecords properties;
};

struct EffectRecord
{
    std::string effectID;
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::map<uint32_t, bool> procPtrs;       // procedure-pointer ID -> non-null
    std::map<uint32_t, void*> procAddresses; // procedure-pointer ID -> the procedure (never printed)
    std::vector<std::string> resources;
    std::vector<MeterRecord> meters;
    std::vector<ComponentRecord> components;
    PropertyRecords properties;
};

struct Description
{
    std::string manufacturerName;
    std::vector<std::string> packageNames;
    bool hasPackageVersion = false;
    uint32_t packageVersion = 0;
    std::vector<EffectRecord> effects;
    PropertyRecords properties;
};

// Name of a property number the host knows, or an empty text.
std::string PropertyName (int32_t property);
// A value as four characters when all four are printable, else an empty text.
std::string FourCharText (uint32_t value);

std::string DescriptionToText (const Description& description);
std::string DescriptionToJson (const Description& description, int indent);
} // namespace duveline::host
