/*
    Instance: creation and initialisation of an effect instance, its parameters, chunks and
    blocks.
*/
#include "Instance.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "Editor.h"
#include "HostString.h"

#include <cmath>
#include <limits>

namespace duveline::host
{
namespace
{
typedef IACFUnknown* (*CreateObjectProc)();

const ProcessProcRecord* FindProcedure (const EffectRecord& effect, const InstanceConfig& config,
                                        const ComponentRecord*& component)
{
    for (const ComponentRecord& candidate : effect.components)
        for (const ProcessProcRecord& proc : candidate.processProcs)
        {
            const auto& values = proc.properties.values;
            const auto input = values.find (AAX_eProperty_InputStemFormat);
            const auto output = values.find (AAX_eProperty_OutputStemFormat);
            if (proc.processProc != nullptr && input != values.end() && output != values.end() &&
                input->second == config.inputFormat && output->second == config.outputFormat)
            {
                component = &candidate;
                return &proc;
            }
        }
    return nullptr;
}

// An object a factory procedure made arrives without a reference: the query either gives the
// caller the only one or lets the object go.
template <typename T> ACFPtr<T> Adopt (IACFUnknown* object, const acfIID& iid)
{
    ACFPtr<T> result;
    if (object == nullptr)
        return result;
    object->AddRef();
    object->QueryInterface (iid, result.ReceiveVoid());
    object->Release();
    return result;
}
} // namespace

std::unique_ptr<Instance> Instance::Create (const EffectRecord& effect, const InstanceConfig& config, Session& session,
                                            MainThread& mainThread, IACFUnknown* componentFactory, int32_t& result,
                                            std::string& error)
{
    result = AAX_ERROR_NULL_OBJECT;
    const ComponentRecord* component = nullptr;
    const ProcessProcRecord* proc = FindProcedure (effect, config, component);
    if (proc == nullptr)
    {
        error = "the effect has no native component for these stem formats";
        return nullptr;
    }
    const auto createEffect = effect.procAddresses.find (kAAX_ProcPtrID_Create_EffectParameters);
    if (createEffect == effect.procAddresses.end() || createEffect->second == nullptr)
    {
        error = "the effect has no effect-parameters factory";
        return nullptr;
    }

    std::unique_ptr<Instance> instance (new Instance());
    instance->mState = std::make_shared<InstanceState> (session, mainThread, effect.effectID, config.sampleRate,
                                                        config.inputFormat, config.outputFormat);
    if (!instance->mState->context.Build (*component, AAX_STEM_FORMAT_CHANNEL_COUNT (config.inputFormat),
                                          AAX_STEM_FORMAT_CHANNEL_COUNT (config.outputFormat), config.maxBlock, config.sampleRate,
                                          error))
    {
        result = AAX_ERROR_INVALID_FIELD_INDEX;
        return nullptr;
    }
    instance->mProcessProc = proc->processProc;
    instance->mInstanceInitProc = proc->instanceInitProc;
    const auto createGUI = effect.procAddresses.find (kAAX_ProcPtrID_Create_EffectGUI);
    instance->mCreateGUI = createGUI != effect.procAddresses.end() ? createGUI->second : nullptr;
    instance->mComponentFactory = ACFPtr<IACFUnknown>::AddRefed (componentFactory);

    const auto create = reinterpret_cast<CreateObjectProc> (createEffect->second);
    instance->mEffect = Adopt<AAX_IACFEffectParameters> (create(), IID_IAAXEffectParametersV1);
    if (!instance->mEffect)
    {
        error = "the effect-parameters factory made no effect-parameters object";
        return nullptr;
    }
    instance->mHost = ACFPtr<IACFUnknown>::AddRefed (new InstanceHost (instance->mState, componentFactory, false));
    instance->mState->effect = instance->mEffect.Get();

    result = instance->mEffect->Initialize (instance->mHost.Get());
    if (result != AAX_SUCCESS)
    {
        error = "Initialize failed";
        instance->Close();
        return nullptr;
    }
    // Private data is set up by the plug-in once it is initialised, before the first block.
    result = instance->mState->context.ResetPrivateData ([&instance] (int32_t field, void* data, uint32_t size)
                                                         { return instance->mEffect->ResetFieldData (field, data, size); });
    if (result == AAX_SUCCESS && instance->mInstanceInitProc != nullptr)
        result =
            instance->mInstanceInitProc (instance->mState->context.Pointer(), AAX_eComponentInstanceInitAction_AddingNewInstance);
    if (result != AAX_SUCCESS)
    {
        error = "the private data could not be reset";
        instance->Close();
        return nullptr;
    }
    // The initial packets reach the ports before the first block.
    result = instance->GenerateCoefficients();
    Instance* self = instance.get();
    instance->mIdleClient = mainThread.AddIdleClient ([self] { self->mEffect->TimerWakeup(); });
    return instance;
}

Instance::~Instance()
{
    Close();
}

int32_t Instance::Close()
{
    if (!mEffect)
        return AAX_SUCCESS;
    // The GUI holds a reference on the effect and its editor needs the processor: GUIs go first.
    while (!mEditors.empty())
        mEditors.back()->Close();
    if (mIdleClient != 0)
        mState->mainThread.RemoveIdleClient (mIdleClient);
    mIdleClient = 0;
    if (mInstanceInitProc != nullptr)
        mInstanceInitProc (mState->context.Pointer(), AAX_eComponentInstanceInitAction_RemovingInstance);
    const int32_t result = mEffect->Uninitialize();
    mState->effect = nullptr;
    mEffect.Reset();
    mHost.Reset();
    mComponentFactory.Reset();
    return result;
}

std::vector<ParameterInfo> Instance::Parameters() const
{
    std::vector<ParameterInfo> parameters;
    int32_t count = 0;
    if (mEffect->GetNumberOfParameters (&count) != AAX_SUCCESS)
        return parameters;
    for (int32_t index = 0; index < count; ++index)
    {
        HostString id, name;
        if (mEffect->GetParameterIDFromIndex (index, &id) != AAX_SUCCESS)
            continue;
        mEffect->GetParameterName (id.Get(), &name);
        parameters.push_back ({ id.Text(), name.Text(), NormalizedValue (id.Text()), ValueText (id.Text()) });
    }
    return parameters;
}

std::string Instance::FindParameter (const std::string& idOrName) const
{
    for (const ParameterInfo& parameter : Parameters())
        if (parameter.id == idOrName || parameter.name == idOrName)
            return parameter.id;
    return {};
}

std::string Instance::MasterBypassID() const
{
    HostString id;
    mEffect->GetMasterBypassParameter (&id);
    return id.Text();
}

double Instance::NormalizedValue (const std::string& id) const
{
    double value = std::numeric_limits<double>::quiet_NaN();
    mEffect->GetParameterNormalizedValue (id.c_str(), &value);
    return value;
}

std::string Instance::ValueText (const std::string& id) const
{
    // The text the plug-in itself shows for the current value; the library's
    // own value string is the raw number of its 0..1 taper.
    HostString text;
    mEffect->GetParameterStringFromValue (id.c_str(), NormalizedValue (id), &text, 64);
    return text.Text();
}

int32_t Instance::ValueFromText (const std::string& id, const std::string& text, double& normalized) const
{
    return mEffect->GetParameterValueFromString (id.c_str(), &normalized, HostString (text));
}

int32_t Instance::SetParameter (const std::string& id, double normalized)
{
    return mEffect->SetParameterNormalizedValue (id.c_str(), normalized);
}

int32_t Instance::Automate (const std::string& id, double normalized)
{
    return mEffect->UpdateParameterNormalizedValue (id.c_str(), normalized, AAX_eUpdateSource_Parameter);
}

int32_t Instance::GenerateCoefficients()
{
    return mEffect->GenerateCoefficients();
}

int32_t Instance::Notify (AAX_CTypeID type, const void* data, uint32_t size)
{
    return mEffect->NotificationReceived (type, data, size);
}

int32_t Instance::SaveChunk (AAX_CTypeID id, Chunk& chunk) const
{
    uint32_t size = 0;
    int32_t result = mEffect->GetChunkSize (id, &size);
    if (result != AAX_SUCCESS)
        return result;
    Chunk record = Chunk::WithDataSize (id, size);
    result = mEffect->GetChunk (id, record.Record());
    if (result != AAX_SUCCESS)
        return result;
    if (record.DataSize() < 0 || static_cast<uint32_t> (record.DataSize()) > record.Capacity())
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    record.Trim();
    chunk = std::move (record);
    return AAX_SUCCESS;
}

int32_t Instance::SaveChunks (std::vector<Chunk>& chunks) const
{
    int32_t count = 0;
    int32_t result = mEffect->GetNumberOfChunks (&count);
    if (result != AAX_SUCCESS)
        return result;
    std::vector<Chunk> saved;
    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CTypeID id = 0;
        result = mEffect->GetChunkIDFromIndex (index, &id);
        if (result != AAX_SUCCESS)
            return result;
        Chunk chunk;
        result = SaveChunk (id, chunk);
        if (result != AAX_SUCCESS)
            return result;
        saved.push_back (std::move (chunk));
    }
    chunks = std::move (saved);
    return AAX_SUCCESS;
}

int32_t Instance::RestoreChunks (const std::vector<Chunk>& chunks)
{
    for (const Chunk& chunk : chunks)
    {
        const int32_t result = mEffect->SetChunk (chunk.ID(), chunk.Record());
        if (result != AAX_SUCCESS)
            return result;
    }
    return AAX_SUCCESS;
}

int32_t Instance::CompareChunk (const Chunk& chunk, bool& equal) const
{
    AAX_CBoolean isEqual = 0;
    const int32_t result = mEffect->CompareActiveChunk (chunk.Record(), &isEqual);
    equal = isEqual != 0;
    return result;
}

std::unique_ptr<Editor> Instance::OpenEditor (int32_t& result)
{
    result = AAX_ERROR_NULL_OBJECT;
    if (mCreateGUI == nullptr || !mEffect)
        return nullptr;
    std::unique_ptr<Editor> editor (new Editor (*this));
    editor->mGui = Adopt<AAX_IACFEffectGUI> (reinterpret_cast<CreateObjectProc> (mCreateGUI)(), IID_IAAXEffectGUIV1);
    if (!editor->mGui)
        return nullptr;
    editor->mHost = ACFPtr<IACFUnknown>::AddRefed (new InstanceHost (mState, mComponentFactory.Get(), true));
    result = editor->mGui->Initialize (editor->mHost.Get());
    mEditors.push_back (editor.get());
    if (result != AAX_SUCCESS)
    {
        editor->Close();
        return nullptr;
    }
    Editor* self = editor.get();
    editor->mIdleClient = mState->mainThread.AddIdleClient (
        [self]
        {
            ++self->mWakeups;
            self->mGui->TimerWakeup();
        });
    return editor;
}

void Instance::ProcessBlock (const float* const* inputs, float* const* outputs, int32_t length)
{
    AlgorithmContext& context = mState->context;
    context.BeginBlock (inputs, length);
    void* contexts[1] = { context.Pointer() };
    mProcessProc (contexts, contexts + 1);
    const int32_t processed = context.BlockLength();
    for (int32_t c = 0; c < context.OutputChannels(); ++c)
        std::copy (context.Outputs()[c], context.Outputs()[c] + processed, outputs[c]);
    mState->samplePosition += processed;
}
} // namespace duveline::host
