/*
    Effect and GUI objects for the library's unit tests: an effect-parameters object whose
    EffectInit adds float parameters as a test asks, and a GUI that records when the base
    calls its view operations.
*/
#pragma once

#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <string>
#include <vector>

namespace duveline::test
{
struct TestParameter
{
    std::string id;
    float defaultValue = 0.0f;
    float minValue = 0.0f;
    float maxValue = 1.0f;
};

class TestEffect : public AAX_CEffectParameters
{
public:
    explicit TestEffect (std::vector<TestParameter> parameters = {}, AAX_Result initResult = AAX_SUCCESS)
        : mParameters (std::move (parameters)), mInitResult (initResult)
    {
    }

    AAX_Result EffectInit() override
    {
        if (mInitResult != AAX_SUCCESS)
            return mInitResult;
        for (const TestParameter& p : mParameters)
            mParameterManager.AddParameter (new AAX_CParameter<float> (
                p.id.c_str(), AAX_CString (p.id.c_str()), p.defaultValue,
                AAX_CLinearTaperDelegate<float, 0> (p.minValue, p.maxValue), AAX_CNumberDisplayDelegate<float, 3>(), true));
        for (const auto& [id, port] : mPackets)
            mPacketDispatcher.RegisterPacket (id.c_str(), port);
        return AAX_SUCCESS;
    }

    // Bindings registered with the default handler during EffectInit.
    void AddPacket (const std::string& id, AAX_CFieldIndex port) { mPackets.emplace_back (id, port); }

    int32_t NumChunkedParameters() const { return mNumChunkedParameters; }
    const std::set<std::string>& FilteredIDs() const { return mFilteredParameterIDs; }
    AAX_CParameterManager& Parameters() { return mParameterManager; }
    AAX_CPacketDispatcher& Packets() { return mPacketDispatcher; }
    AAX_CChunkDataParser& ChunkParser() { return mChunkParser; }
    AAX_IACFEffectParameters_V4* Interface() { return this; }

    float Value (const char* id)
    {
        float value = -1.0f;
        if (AAX_IParameter* parameter = mParameterManager.GetParameterByID (id))
            parameter->GetValueAsFloat (&value);
        return value;
    }

private:
    std::vector<TestParameter> mParameters;
    AAX_Result mInitResult;
    std::vector<std::pair<std::string, AAX_CFieldIndex>> mPackets;
};

class TestGUI : public AAX_CEffectGUI
{
public:
    AAX_Result ParameterUpdated (AAX_CParamID id) override
    {
        events.push_back (std::string ("updated ") + id);
        return AAX_SUCCESS;
    }

    std::vector<std::string> events;
    // Whether the effect was still held when the view was last deleted.
    bool effectHeldAtDelete = false;

protected:
    void CreateViewContents() override { events.push_back ("contents"); }
    void CreateViewContainer() override { events.push_back ("create"); }
    void DeleteViewContainer() override
    {
        events.push_back ("delete");
        effectHeldAtDelete = GetEffectParameters() != nullptr;
    }
};
} // namespace duveline::test
