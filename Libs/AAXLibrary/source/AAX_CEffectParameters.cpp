/*
    AAX_CEffectParameters: initialisation, the by-ID parameter operations, value updates and
    packets, and the controls chunk of an effect's data-model object.
*/
#include "AAX_CEffectParameters.h"

#include "AAX_Assert.h"
#include "AAX_CString.h"
#include "AAX_PlatformIdle.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

const char* const cDefaultMasterBypassID = "MasterBypassID";
const char* const cPreviewID = "PreviewID";

namespace
{
constexpr const char* kAssertSource = "Libs/AAXLibrary/source/AAX_CEffectParameters";
// Shortened names are read through a buffer of this size, terminator included.
constexpr size_t kNameBufferSize = 256;

void SetText (AAX_IString* out, const char* text)
{
    if (out != nullptr)
        out->Set (text);
}

// Runs operation on the parameter named id, or answers AAX_ERROR_INVALID_PARAMETER_ID.
template <typename Manager, typename Operation>
AAX_Result WithParameter (Manager& manager, AAX_CParamID id, Operation&& operation)
{
    auto* parameter = manager.GetParameterByID (id);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return operation (*parameter);
}

// A parameter's value in the first kind it reports, asked in the order the chunk uses.
struct ParameterValue
{
    enum class Kind
    {
        None,
        Float,
        Int32,
        Bool,
        Double,
        String
    };

    explicit ParameterValue (const AAX_IParameter& parameter)
    {
        if (parameter.GetValueAsFloat (&floatValue))
            kind = Kind::Float;
        else if (parameter.GetValueAsInt32 (&intValue))
            kind = Kind::Int32;
        else if (parameter.GetValueAsBool (&boolValue))
            kind = Kind::Bool;
        else if (parameter.GetValueAsDouble (&doubleValue))
            kind = Kind::Double;
        else if (parameter.GetValueAsString (&text))
            kind = Kind::String;
    }

    Kind kind = Kind::None;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    bool boolValue = false;
    double doubleValue = 0.0;
    AAX_CString text;
};
} // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    mParameterManager.RemoveAllParameters();
    DeleteHostProxies();
}

void AAX_CEffectParameters::DeleteHostProxies()
{
    // The dispatcher must not post through a controller that is gone.
    mPacketDispatcher.Initialize (nullptr, this);
    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
}

AAX_IController* AAX_CEffectParameters::Controller()
{
    return mController.get();
}

const AAX_IController* AAX_CEffectParameters::Controller() const
{
    return mController.get();
}

const AAX_ITransport* AAX_CEffectParameters::Transport() const
{
    return mTransport.get();
}

AAX_IAutomationDelegate* AAX_CEffectParameters::AutomationDelegate()
{
    return mAutomationDelegate.get();
}

void AAX_CEffectParameters::FilterParameterIDOnSave (AAX_CParamID id)
{
    if (id != nullptr)
        mFilteredParameterIDs.insert (id);
}

// ---------------------------------------------------------------------------------------------
// Lifecycle and notifications

AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* hostUnknown)
{
    mController = std::make_unique<AAX_VController> (hostUnknown);
    mAutomationDelegate = std::make_unique<AAX_VAutomationDelegate> (hostUnknown);
    mTransport = std::make_unique<AAX_VTransport> (hostUnknown);

    mParameterManager.Initialize (mAutomationDelegate.get());
    mPacketDispatcher.Initialize (mController.get(), this);

    if (const AAX_Result result = EffectInit(); result != AAX_SUCCESS)
        return result;

    AAX_CString bypassID;
    GetMasterBypassParameter (&bypassID);
    FilterParameterIDOnSave (bypassID.Get());

    int32_t count = 0;
    GetNumberOfParameters (&count);
    if (count > 0)
    {
        mNumChunkedParameters = count - static_cast<int32_t> (mFilteredParameterIDs.size());
        AAX_ASSERT_AT (kAssertSource, 91, mNumChunkedParameters >= 0);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    // Each parameter unregisters itself while the automation proxy still exists.
    mParameterManager.RemoveAllParameters();
    DeleteHostProxies();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size)
{
    // The preview state arrives as an int32; anything shorter is not read.
    if (type == static_cast<AAX_CTypeID> (AAX_eNotificationEvent_ASPreviewState) && data != nullptr && size >= sizeof (int32_t))
    {
        if (AAX_IParameter* preview = mParameterManager.GetParameterByID (cPreviewID))
        {
            int32_t state = 0;
            std::memcpy (&state, data, sizeof (state));
            preview->SetValueWithBool (state != 0);
        }
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TimerWakeup()
{
    AAX_RunIdleHook();
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// Parameters by ID

AAX_Result AAX_CEffectParameters::GetNumberOfParameters (int32_t* outNumParameters) const
{
    *outNumParameters = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* outID) const
{
    SetText (outID, mParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outIsAutomatable) const
{
    *outIsAutomatable = 0;
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *outIsAutomatable = parameter.Automatable() ? 1 : 0;
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID id, int32_t* outNumSteps) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              const auto steps = static_cast<int32_t> (parameter.GetNumberOfSteps());
                              if (steps < 0)
                                  return AAX_ERROR_SIGNED_INT_OVERFLOW;
                              *outNumSteps = steps;
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID id, AAX_IString* outName) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID (id);
    SetText (outName, parameter != nullptr ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName, int32_t length) const
{
    if (outName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID (id);
    if (parameter == nullptr)
    {
        outName->Set ("");
        return AAX_SUCCESS;
    }

    const AAX_CString& text = parameter->ShortenedName (length);
    const std::string buffer (text.Get(), std::min<size_t> (text.Length(), kNameBufferSize - 1));

    // The shortened name may hold several line-separated candidates: the longest that fits
    // wins, the first of equally long ones.
    std::vector<std::string> candidates;
    for (size_t start = 0; !buffer.empty() && start <= buffer.size();)
    {
        const size_t end = std::min (buffer.find ('\n', start), buffer.size());
        candidates.push_back (buffer.substr (start, end - start));
        start = end + 1;
    }

    size_t best = 0;
    for (const std::string& candidate : candidates)
    {
        if (best < candidate.size() && length >= 0 && candidate.size() <= static_cast<size_t> (length))
        {
            outName->Set (candidate.c_str());
            best = candidate.size();
        }
    }
    if (best > 0 || candidates.empty())
        return AAX_SUCCESS;

    if (length <= 0)
        outName->Set ("");
    else
        text.SubString (0, static_cast<uint32_t> (length), outName);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *outValue = parameter.GetNormalizedDefaultValue();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID id, double value)
{
    return WithParameter (mParameterManager, id,
                          [&] (AAX_IParameter& parameter)
                          {
                              parameter.SetNormalizedDefaultValue (value);
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *outType = parameter.GetType();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID id, AAX_EParameterOrientation* outOrientation) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *outOrientation = parameter.GetOrientation();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID id, AAX_IParameter** outParameter)
{
    *outParameter = mParameterManager.GetParameterByID (id);
    return *outParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID id, int32_t* outIndex) const
{
    *outIndex = mParameterManager.GetParameterIndex (id);
    return *outIndex >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (int32_t index, AAX_IString* outID) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameter (index);
    SetText (outID, parameter != nullptr ? parameter->Identifier() : "");
    return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID, int32_t, int32_t* outValue) const
{
    *outValue = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID id, double* outValue, const AAX_IString& text) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              return parameter.GetNormalizedValueFromString (AAX_CString (text), outValue)
                                         ? AAX_SUCCESS
                                         : AAX_ERROR_INVALID_STRING_CONVERSION;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                                               int32_t maxLength) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              AAX_CString text;
                              if (!parameter.GetStringFromNormalizedValue (value, maxLength, text))
                                  return AAX_ERROR_INVALID_STRING_CONVERSION;
                              SetText (outText, text.Get());
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID id, AAX_IString* outText, int32_t maxLength) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              // The text is what the host gets, whatever the parameter reported.
                              AAX_CString text;
                              parameter.GetValueString (maxLength, &text);
                              SetText (outText, text.Get());
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const
{
    return WithParameter (mParameterManager, id,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *outValue = parameter.GetNormalizedValue();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID id, double value)
{
    return WithParameter (mParameterManager, id,
                          [&] (AAX_IParameter& parameter)
                          {
                              parameter.SetNormalizedValue (value);
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    double current = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue (id, &current); result != AAX_SUCCESS)
        return result;
    return SetParameterNormalizedValue (id, std::clamp (current + delta, 0.0, 1.0));
}

AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID id)
{
    return WithParameter (mParameterManager, id,
                          [&] (AAX_IParameter& parameter)
                          {
                              parameter.Touch();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID id)
{
    return WithParameter (mParameterManager, id,
                          [&] (AAX_IParameter& parameter)
                          {
                              parameter.Release();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource)
{
    return WithParameter (mParameterManager, id,
                          [&] (AAX_IParameter& parameter)
                          {
                              const double old = parameter.GetNormalizedValue();
                              parameter.UpdateNormalizedValue (value);
                              const AAX_Result result = mPacketDispatcher.SetDirty (id, true);
                              // NaN differs from everything, itself included, so it counts as a change.
                              if (!(value == old))
                                  ++mNumPlugInChanges;
                              return result;
                          });
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    double current = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue (id, &current); result != AAX_SUCCESS)
        return result;
    return UpdateParameterNormalizedValue (id, std::clamp (current + delta, 0.0, 1.0), AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return mPacketDispatcher.Dispatch();
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* data, uint32_t dataSize) const
{
    if (data == nullptr)
        return dataSize == 0 ? AAX_SUCCESS : AAX_ERROR_NULL_ARGUMENT;
    std::memset (data, 0, dataSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (int32_t* outNumChanges) const
{
    if (mNumPlugInChanges >= 0)
        *outNumChanges = mNumPlugInChanges;
    return AAX_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// Optional operations

AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, uint32_t, void*, uint32_t* outDataWritten) const
{
    if (outDataWritten != nullptr)
        *outDataWritten = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, uint32_t, const void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t tableType, int32_t tablePageSize, IACFUnknown*,
                                                   IACFUnknown* pageTableUnknown) const
{
    AAX_VPageTable pageTable (pageTableUnknown);
    if (!pageTable.IsSupported())
        return AAX_SUCCESS;
    return UpdatePageTable (tableType, tablePageSize, pageTable);
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t, int32_t, AAX_IPageTable&) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

// ---------------------------------------------------------------------------------------------
// The controls chunk

const AAX_IParameter* AAX_CEffectParameters::ChunkedParameter (int32_t index, bool assertMissing) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameter (index);
    if (assertMissing)
        AAX_ASSERT_AT (kAssertSource, 731, NULL != parameter);
    if (parameter == nullptr || mFilteredParameterIDs.count (parameter->Identifier()) != 0)
        return nullptr;
    return parameter;
}

void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkParser.Clear();
    int32_t count = 0;
    GetNumberOfParameters (&count);
    for (int32_t index = 0; index < count; ++index)
    {
        const AAX_IParameter* parameter = ChunkedParameter (index, true);
        if (parameter == nullptr)
            continue;

        const ParameterValue current (*parameter);
        const char* id = parameter->Identifier();
        switch (current.kind)
        {
        case ParameterValue::Kind::Float:
            mChunkParser.AddDouble (id, static_cast<double> (current.floatValue));
            break;
        case ParameterValue::Kind::Int32:
            mChunkParser.AddInt32 (id, current.intValue);
            break;
        case ParameterValue::Kind::Bool:
            mChunkParser.AddInt32 (id, current.boolValue ? 1 : 0);
            break;
        case ParameterValue::Kind::Double:
            mChunkParser.AddDouble (id, current.doubleValue);
            break;
        case ParameterValue::Kind::String:
            mChunkParser.AddString (id, current.text);
            break;
        case ParameterValue::Kind::None:
            break;
        }
    }
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks (int32_t* outNumChunks) const
{
    *outNumChunks = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (int32_t index, AAX_CTypeID* outChunkID) const
{
    if (index != 0)
    {
        *outChunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *outChunkID = AAX_kControlsChunkID;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID chunkID, uint32_t* outSize) const
{
    if (chunkID != AAX_kControlsChunkID)
    {
        *outSize = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    BuildChunkData();
    mChunkSize = mChunkParser.GetChunkDataSize();
    if (mChunkSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    *outSize = static_cast<uint32_t> (mChunkSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) const
{
    if (chunkID != AAX_kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (outChunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    // The host allocated the size GetChunkSize reported; anything else must not be written.
    BuildChunkData();
    const int32_t size = mChunkParser.GetChunkDataSize();
    if (size != mChunkSize || mChunkSize == 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    outChunk->fVersion = mChunkParser.mVersion;
    std::memset (outChunk->fName, 0, sizeof (outChunk->fName));
    std::strncpy (reinterpret_cast<char*> (outChunk->fName), AAX_kControlsChunkName, sizeof (outChunk->fName) - 1);
    return mChunkParser.GetChunkData (outChunk);
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != AAX_kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    mChunkParser.LoadChunk (chunk);
    int32_t count = 0;
    GetNumberOfParameters (&count);
    for (int32_t index = 0; index < count; ++index)
    {
        if (ChunkedParameter (index, false) == nullptr)
            continue;
        AAX_IParameter* parameter = mParameterManager.GetParameter (index);
        const char* id = parameter->Identifier();

        // A missing entry leaves the parameter as it is.
        double storedDouble = 0.0;
        int32_t storedInt = 0;
        AAX_CString storedText;
        switch (ParameterValue (*parameter).kind)
        {
        case ParameterValue::Kind::Float:
            if (mChunkParser.FindDouble (id, &storedDouble))
                parameter->SetValueWithFloat (static_cast<float> (storedDouble));
            break;
        case ParameterValue::Kind::Int32:
            if (mChunkParser.FindInt32 (id, &storedInt))
                parameter->SetValueWithInt32 (storedInt);
            break;
        case ParameterValue::Kind::Bool:
            if (mChunkParser.FindInt32 (id, &storedInt))
                parameter->SetValueWithBool (storedInt != 0);
            break;
        case ParameterValue::Kind::Double:
            if (mChunkParser.FindDouble (id, &storedDouble))
                parameter->SetValueWithDouble (storedDouble);
            break;
        case ParameterValue::Kind::String:
            if (mChunkParser.FindString (id, &storedText))
                parameter->SetValueWithString (storedText);
            break;
        case ParameterValue::Kind::None:
            break;
        }
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const
{
    if (chunk == nullptr || outIsEqual == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    if (chunk->fChunkID != AAX_kControlsChunkID)
    {
        *outIsEqual = 1;
        return AAX_SUCCESS;
    }

    *outIsEqual = 0;
    mChunkParser.LoadChunk (chunk);
    int32_t count = 0;
    GetNumberOfParameters (&count);
    for (int32_t index = 0; index < count; ++index)
    {
        const AAX_IParameter* parameter = ChunkedParameter (index, true);
        if (parameter == nullptr)
            continue;
        const char* id = parameter->Identifier();

        const ParameterValue current (*parameter);
        int32_t storedInt = 0;
        double storedDouble = 0.0;
        AAX_CString storedText;
        bool equal = true;
        switch (current.kind)
        {
        case ParameterValue::Kind::Float:
            equal = mChunkParser.FindDouble (id, &storedDouble) && static_cast<float> (storedDouble) == current.floatValue;
            break;
        case ParameterValue::Kind::Int32:
            equal = mChunkParser.FindInt32 (id, &storedInt) && storedInt == current.intValue;
            break;
        case ParameterValue::Kind::Bool:
            equal = mChunkParser.FindInt32 (id, &storedInt) && (storedInt != 0) == current.boolValue;
            break;
        case ParameterValue::Kind::Double:
            // Compared in single precision: a difference beyond it is no difference.
            equal = mChunkParser.FindDouble (id, &storedDouble) &&
                    static_cast<float> (storedDouble) == static_cast<float> (current.doubleValue);
            break;
        case ParameterValue::Kind::String:
            equal = mChunkParser.FindString (id, &storedText) && storedText == current.text;
            break;
        case ParameterValue::Kind::None:
            break;
        }

        if (!equal)
            return AAX_SUCCESS;
    }
    *outIsEqual = 1;
    return AAX_SUCCESS;
}
