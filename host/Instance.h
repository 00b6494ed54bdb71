/*
    Instance: one instance of a plug-in effect as this host drives it. Its effect-parameters
    object, created through the plug-in's factory and initialised with the instance's host
    unknown; the algorithm context of the chosen component; parameters, packets and chunks on
    the main thread; blocks through the process procedure on the audio thread.
*/
#pragma once

#include "AAX_IACFEffectParameters.h"
#include "Chunks.h"
#include "Description.h"
#include "RuntimeObjects.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace duveline::host
{
class Editor;

struct InstanceConfig
{
    float sampleRate = 48000.0f;
    AAX_EStemFormat inputFormat = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputFormat = AAX_eStemFormat_Stereo;
    int32_t maxBlock = 1024;
};

struct ParameterInfo
{
    std::string id;
    std::string name;
    double normalized = 0.0;
    std::string valueText;
};

class Instance
{
public:
    // Main thread: creates and initialises an instance of effect; null with result and error
    // set when that fails (everything made on the way is released again).
    static std::unique_ptr<Instance> Create (const EffectRecord& effect, const InstanceConfig& config, Session& session,
                                             MainThread& mainThread, IACFUnknown* componentFactory, int32_t& result,
                                             std::string& error);
    ~Instance();

    Instance (const Instance&) = delete;
    Instance& operator= (const Instance&) = delete;

    // Everything below runs on the main thread unless it says otherwise.
    AAX_IACFEffectParameters& Effect() const { return *mEffect; }
    InstanceState& State() const { return *mState; }
    int32_t InputChannels() const { return mState->context.InputChannels(); }
    int32_t OutputChannels() const { return mState->context.OutputChannels(); }
    int32_t Latency() const { return mState->latency.load(); }
    int32_t MaxBlock() const { return mState->context.MaxBlock(); }

    std::vector<ParameterInfo> Parameters() const;
    // The ID of the parameter with this ID or name, or an empty text.
    std::string FindParameter (const std::string& idOrName) const;
    std::string MasterBypassID() const;
    double NormalizedValue (const std::string& id) const;
    std::string ValueText (const std::string& id) const;
    int32_t ValueFromText (const std::string& id, const std::string& text, double& normalized) const;
    // A change as the plug-in's own controls make it: the plug-in asks the host, which answers.
    int32_t SetParameter (const std::string& id, double normalized);
    // Host automation: the host sets the value itself.
    int32_t Automate (const std::string& id, double normalized);
    // Posts the packets of changed parameters to the algorithm's ports.
    int32_t GenerateCoefficients();
    int32_t Notify (AAX_CTypeID type, const void* data, uint32_t size);

    // Every chunk the plug-in offers, each asked for its size and then its data on this thread.
    int32_t SaveChunks (std::vector<Chunk>& chunks) const;
    int32_t SaveChunk (AAX_CTypeID id, Chunk& chunk) const;
    int32_t RestoreChunks (const std::vector<Chunk>& chunks);
    int32_t CompareChunk (const Chunk& chunk, bool& equal) const;

    // Creates and initialises the GUI object; null with result set on failure.
    std::unique_ptr<Editor> OpenEditor (int32_t& result);

    // Audio thread: runs one block of length samples (at most MaxBlock()) through the process
    // procedure, from inputs to outputs.
    void ProcessBlock (const float* const* inputs, float* const* outputs, int32_t length);

    // Uninitialises and releases the effect; the result of Uninitialize. Later calls return 0.
    int32_t Close();

private:
    Instance() = default;
    friend class Editor;

    std::shared_ptr<InstanceState> mState;
    ACFPtr<IACFUnknown> mComponentFactory;
    ACFPtr<AAX_IACFEffectParameters> mEffect;
    ACFPtr<IACFUnknown> mHost;
    AAX_CProcessProc mProcessProc = nullptr;
    AAX_CInstanceInitProc mInstanceInitProc = nullptr;
    void* mCreateGUI = nullptr;
    std::vector<Editor*> mEditors; // open editors, closed before the instance
    int mIdleClient = 0;
};
} // namespace duveline::host
