/*
    libFuzzer targets on a live instance of the plug-in bundle, loaded by our host: built once
    as the chunk target (the first byte picks the controls chunk or the framework's chunk, the
    rest is the chunk's data, handed to SetChunk in a record of exactly its size) and once as
    the text target (the first byte picks a parameter, the rest is the text handed to
    GetParameterValueFromString). After each input the instance must still process cleanly and
    every parameter must hold a normalised value.
*/
#include "AAX_Errors.h"
#include "HostString.h"
#include "PluginHost.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
using namespace duveline::host;

[[noreturn]] void Fail (const std::string& why)
{
    std::fprintf (stderr, "%s\n", why.c_str());
    std::abort();
}

struct Live
{
    PluginHost host;
    std::unique_ptr<Instance> instance;
    std::vector<ParameterInfo> parameters;

    Live()
    {
        int32_t result = 0;
        std::string error;
        if (!host.Load (DUVELINE_BUNDLE))
            Fail ("cannot load " DUVELINE_BUNDLE ": " + host.LoadError());
        instance = host.CreateInstance ({}, result, error);
        if (instance == nullptr)
            Fail ("no instance (" + std::to_string (result) + "): " + error);
        parameters = instance->Parameters();
    }
};

Live& Get()
{
    // Never destroyed: libFuzzer may end the process from any point.
    static Live* live = new Live;
    return *live;
}

void CheckStillWorks (Instance& instance, const std::vector<ParameterInfo>& parameters)
{
    for (const ParameterInfo& parameter : parameters)
    {
        const double value = instance.NormalizedValue (parameter.id);
        if (!(value >= 0.0 && value <= 1.0))
            std::abort();
    }
    static float input[2][64] = {}, output[2][64] = {};
    input[0][0] = input[1][7] = 0.5f;
    const float* in[2] = { input[0], input[1] };
    float* out[2] = { output[0], output[1] };
    instance.GenerateCoefficients();
    instance.ProcessBlock (in, out, 64);
    for (const auto& channel : output)
        for (float x : channel)
            if (!std::isfinite (x))
                std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Live& live = Get();
    Instance& instance = *live.instance;
#if DUVELINE_FUZZ_TEXT
    const ParameterInfo& parameter = live.parameters[data[0] % live.parameters.size()];
    double value = -1.0;
    const std::string text (reinterpret_cast<const char*> (data + 1), size - 1);
    if (instance.Effect().GetParameterValueFromString (parameter.id.c_str(), &value, HostString (text)) == AAX_SUCCESS &&
        !(value >= 0.0 && value <= 1.0))
        std::abort();
#else
    const AAX_CTypeID id = data[0] % 2 == 0 ? 'elck' : 'juce';
    const size_t header = offsetof (AAX_SPlugInChunk, fData);
    auto* record = static_cast<AAX_SPlugInChunk*> (std::malloc (header + size - 1));
    std::memset (record, 0, header);
    record->fChunkID = id;
    record->fSize = static_cast<int32_t> (size - 1);
    std::memcpy (record->fData, data + 1, size - 1);
    instance.Effect().SetChunk (id, record);
    std::free (record);
#endif
    CheckStillWorks (instance, live.parameters);
    return 0;
}
