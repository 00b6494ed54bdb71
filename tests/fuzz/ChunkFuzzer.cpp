/*
    libFuzzer target of the controls chunk: every input is the data area of one record, held in
    an allocation of exactly 56 + data-size bytes, so that any read outside the record trips
    AddressSanitizer. It reads the record, restores and compares it through an effect with
    three parameters, and checks that what the writer makes of the entries reads back the same.
*/
#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{
constexpr size_t kHeaderSize = offsetof (AAX_SPlugInChunk, fData);

struct FreeDeleter
{
    void operator() (void* p) const { std::free (p); }
};
using Record = std::unique_ptr<AAX_SPlugInChunk, FreeDeleter>;

Record MakeRecord (const uint8_t* data, size_t size)
{
    // Not new[]: the record is exactly as long as its header says, with no slack to hide overreads.
    auto* record = static_cast<AAX_SPlugInChunk*> (std::malloc (kHeaderSize + size));
    std::memset (record, 0, kHeaderSize);
    record->fSize = static_cast<int32_t> (size);
    record->fChunkID = AAX_kControlsChunkID;
    if (size > 0)
        std::memcpy (record->fData, data, size);
    return Record (record);
}

class FuzzEffect : public AAX_CEffectParameters
{
public:
    AAX_Result EffectInit() override
    {
        for (const char* id : { "Gain", "Width", cDefaultMasterBypassID })
            mParameterManager.AddParameter (new AAX_CParameter<float> (
                id, AAX_CString (id), 0.5f, AAX_CLinearTaperDelegate<float, 0>(), AAX_CNumberDisplayDelegate<float, 3>(), true));
        return AAX_SUCCESS;
    }
};

// The writer's output for the loaded entries must read back as the same entries.
void CheckRoundTrip (const AAX_CChunkDataParser& loaded)
{
    AAX_CChunkDataParser writer;
    for (const auto& entry : loaded.mEntries)
    {
        double value = 0.0;
        std::memcpy (&value, &entry.mNumericValue, sizeof (value));
        if (entry.mType == AAX_CChunkDataParser::eType_Double)
            writer.AddDouble (entry.mName.Get(), value);
        else if (entry.mType == AAX_CChunkDataParser::eType_Int32)
            writer.AddInt32 (entry.mName.Get(), static_cast<int32_t> (entry.mNumericValue));
        else if (entry.mType == AAX_CChunkDataParser::eType_String)
            writer.AddString (entry.mName.Get(), entry.mStringValue);
    }
    const int32_t size = writer.GetChunkDataSize();
    if (size < 4)
        std::abort();
    Record written (static_cast<AAX_SPlugInChunk*> (std::calloc (1, kHeaderSize + static_cast<size_t> (size))));
    if (writer.GetChunkData (written.get()) != AAX_SUCCESS || written->fSize != size)
        std::abort();

    AAX_CChunkDataParser reader;
    reader.LoadChunk (written.get());
    size_t matched = 0;
    for (const auto& entry : reader.mEntries)
    {
        if (entry.mType == AAX_CChunkDataParser::eType_None)
            continue;
        const auto& original = writer.mEntries.at (matched++);
        if (entry.mType != original.mType || !(entry.mName == original.mName) || entry.mNumericValue != original.mNumericValue ||
            !(entry.mStringValue == original.mStringValue))
            std::abort();
    }
    if (matched != writer.mEntries.size())
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const Record record = MakeRecord (data, size);

    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    for (const auto& entry : parser.mEntries)
    {
        double d = 0.0;
        int32_t i = 0;
        AAX_CString s;
        parser.FindDouble (entry.mName.Get(), &d);
        parser.FindInt32 (entry.mName.Get(), &i);
        parser.FindString (entry.mName.Get(), &s);
    }
    CheckRoundTrip (parser);

    FuzzEffect effect;
    effect.Initialize (nullptr);
    AAX_CBoolean equal = 0;
    effect.CompareActiveChunk (record.get(), &equal);
    effect.SetChunk (AAX_kControlsChunkID, record.get());
    uint32_t chunkSize = 0;
    if (effect.GetChunkSize (AAX_kControlsChunkID, &chunkSize) != AAX_SUCCESS)
        std::abort();
    Record saved (static_cast<AAX_SPlugInChunk*> (std::calloc (1, kHeaderSize + chunkSize)));
    saved->fChunkID = AAX_kControlsChunkID;
    if (effect.GetChunk (AAX_kControlsChunkID, saved.get()) != AAX_SUCCESS)
        std::abort();
    // Whatever was restored, the state saved now compares equal to itself.
    if (effect.CompareActiveChunk (saved.get(), &equal) != AAX_SUCCESS || equal != 1)
        std::abort();
    effect.Uninitialize();
    return 0;
}
