/*
    The controls chunk: its byte layout (a stored format), sizes and offsets, the rotating name
    search, the chunk operations of the effect, and the reader's bounds on malformed records.
*/
#include "AAX_CChunkDataParser.h"
#include "AAX_Errors.h"
#include "RuntimeHost.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using duveline::test::RuntimeHost;
using duveline::test::TestEffect;

namespace
{
constexpr size_t kHeader = offsetof (AAX_SPlugInChunk, fData);
using Bytes = std::vector<unsigned char>;

struct FreeDeleter
{
    void operator() (void* p) const { std::free (p); }
};
using Record = std::unique_ptr<AAX_SPlugInChunk, FreeDeleter>;

// A record of exactly 56 + data-size bytes, so AddressSanitizer sees any read past it.
Record MakeRecord (const Bytes& data, AAX_CTypeID id = AAX_kControlsChunkID)
{
    auto* record = static_cast<AAX_SPlugInChunk*> (std::calloc (1, kHeader + data.size()));
    record->fSize = static_cast<int32_t> (data.size());
    record->fChunkID = id;
    if (!data.empty())
        std::memcpy (record->fData, data.data(), data.size());
    return Record (record);
}

Record EmptyRecord (size_t dataSize)
{
    return Record (static_cast<AAX_SPlugInChunk*> (std::calloc (1, kHeader + dataSize)));
}

Bytes DataOf (const AAX_SPlugInChunk& record)
{
    const auto* data = reinterpret_cast<const unsigned char*> (record.fData);
    return Bytes (data, data + record.fSize);
}

Bytes Written (const AAX_CChunkDataParser& parser)
{
    const int32_t size = parser.GetChunkDataSize();
    Record record = EmptyRecord (static_cast<size_t> (size));
    EXPECT_EQ (AAX_SUCCESS, parser.GetChunkData (record.get()));
    return DataOf (*record);
}

Bytes Text (const std::string& text)
{
    return Bytes (text.begin(), text.end());
}

Bytes operator+ (Bytes a, const Bytes& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}

const Bytes kMark = { 1, 1, 1, 1 };
} // namespace

TEST (ChunkLayout, OneDoubleEntryIsTheDocumentedTwentyBytes)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("Gain", 0.5);
    EXPECT_EQ (20, parser.GetChunkDataSize());
    const Bytes expected = { 0x01, 0x01, 0x01, 0x01, 0x64, 0x5F, 0x47, 0x61, 0x69, 0x6E,
                             0x00, 0x00, 0x3F, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 };
    EXPECT_EQ (expected, Written (parser));
}

TEST (ChunkLayout, Int32AndTextEntriesAreBigEndianAndPadded)
{
    AAX_CChunkDataParser parser;
    parser.AddInt32 ("On", -2);
    parser.AddString ("T", AAX_CString ("ab"));
    const Bytes expected = kMark + Text ("l_On") + Bytes { 0, 0, 0, 0 } + Bytes { 0xFF, 0xFF, 0xFF, 0xFE } + Text ("r_T") +
                           Bytes { 0 } + Text ("ab") + Bytes { 0, 0 };
    EXPECT_EQ (expected, Written (parser));
}

class IdentifierLength : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P (IdentifierLength, PutsTheValueAtTheNextMultipleOfFour)
{
    const std::string id (static_cast<size_t> (GetParam().first), 'x');
    AAX_CChunkDataParser parser;
    parser.AddInt32 (id.c_str(), 0x01020304);
    const Bytes data = Written (parser);
    const size_t p = 4;
    const size_t v = p + static_cast<size_t> (GetParam().second);
    ASSERT_EQ (v + 4, data.size());
    EXPECT_EQ ((Bytes { 1, 2, 3, 4 }), Bytes (data.begin() + static_cast<long> (v), data.end()));
}

INSTANTIATE_TEST_SUITE_P (Chunk, IdentifierLength,
                          ::testing::Values (std::make_pair (1, 4), std::make_pair (2, 8), std::make_pair (3, 8),
                                             std::make_pair (4, 8), std::make_pair (5, 8), std::make_pair (6, 12)));

class TextValueLength : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P (TextValueLength, OccupiesTheTextItsTerminatorAndPadding)
{
    AAX_CChunkDataParser parser;
    parser.AddString ("Id", AAX_CString (std::string (static_cast<size_t> (GetParam().first), 'a').c_str()));
    // Mark, then "r_Id" + NUL padded to 8, then the text slot.
    EXPECT_EQ (4 + 8 + GetParam().second, parser.GetChunkDataSize());
}

INSTANTIATE_TEST_SUITE_P (Chunk, TextValueLength,
                          ::testing::Values (std::make_pair (0, 4), std::make_pair (2, 4), std::make_pair (3, 4),
                                             std::make_pair (4, 8), std::make_pair (7, 8), std::make_pair (8, 12)));

TEST (ChunkReader, TwoCharacterTextIsFollowedByOneEmptyEntry)
{
    const Record record = MakeRecord (kMark + Text ("r_T") + Bytes { 0 } + Text ("ab") + Bytes { 0, 0 });
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (2u, parser.mEntries.size());
    EXPECT_EQ (AAX_CChunkDataParser::eType_String, parser.mEntries[0].mType);
    EXPECT_STREQ ("T", parser.mEntries[0].mName.Get());
    EXPECT_STREQ ("ab", parser.mEntries[0].mStringValue.Get());
    EXPECT_EQ (AAX_CChunkDataParser::eType_None, parser.mEntries[1].mType);
    EXPECT_STREQ ("", parser.mEntries[1].mName.Get());
}

TEST (ChunkReader, ReadsEveryTypeItKnows)
{
    const Bytes data = kMark + Text ("f_F") + Bytes { 0 } + Bytes { 0x3F, 0x80, 0, 0 } + Text ("s_S") + Bytes { 0 } +
                       Bytes { 0xFF, 0xFE, 0, 0 } + Text ("l_L") + Bytes { 0 } + Bytes { 0x80, 0, 0, 1 };
    const Record record = MakeRecord (data);
    record->fVersion = 7;
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (3u, parser.mEntries.size());
    EXPECT_EQ (7, parser.mVersion);
    EXPECT_EQ (AAX_CChunkDataParser::eType_Float, parser.mEntries[0].mType);
    EXPECT_EQ (0x3F800000, parser.mEntries[0].mNumericValue);
    EXPECT_EQ (AAX_CChunkDataParser::eType_Int16, parser.mEntries[1].mType);
    EXPECT_EQ (0xFFFE, parser.mEntries[1].mNumericValue);
    int32_t value = 0;
    double notThere = 0.0;
    EXPECT_TRUE (parser.FindInt32 ("L", &value));
    EXPECT_EQ (static_cast<int32_t> (0x80000001u), value);
    // Float and int16 entries are found by name but match no finder.
    EXPECT_EQ (0, parser.FindName (AAX_CString ("F")));
    EXPECT_FALSE (parser.FindDouble ("F", &notThere));
    EXPECT_FALSE (parser.FindInt32 ("S", &value));
}

TEST (ChunkReader, WithoutTheMarkOrWithFourBytesReadsNothing)
{
    AAX_CChunkDataParser parser;
    parser.AddInt32 ("x", 1);
    parser.LoadChunk (MakeRecord (Bytes { 0, 1, 1, 1 } + Text ("l_x") + Bytes { 0, 0, 0, 0, 1 }).get());
    EXPECT_TRUE (parser.mEntries.empty());
    parser.LoadChunk (MakeRecord (kMark).get());
    EXPECT_TRUE (parser.mEntries.empty());
    parser.LoadChunk (MakeRecord (Bytes {}).get());
    EXPECT_TRUE (parser.mEntries.empty());
}

struct MalformedCase
{
    const char* what;
    Bytes data;
    size_t entries;
};

class MalformedChunk : public ::testing::TestWithParam<MalformedCase>
{
};

// Each record is allocated at its exact size: reading one byte past it fails under AddressSanitizer.
TEST_P (MalformedChunk, IsReadWithoutLeavingTheRecord)
{
    const Record record = MakeRecord (GetParam().data);
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    EXPECT_EQ (GetParam().entries, parser.mEntries.size()) << GetParam().what;
    for (const auto& entry : parser.mEntries)
        EXPECT_LE (entry.mName.Length() + entry.mStringValue.Length(), GetParam().data.size());
}

INSTANTIATE_TEST_SUITE_P (
    Chunk, MalformedChunk,
    ::testing::Values (MalformedCase { "truncated double", kMark + Text ("d_Gain") + Bytes { 0, 0, 0x3F, 0xE0 }, 0 },
                       MalformedCase { "identifier without terminator", kMark + Text ("d_Gain"), 0 },
                       MalformedCase { "text without terminator", kMark + Text ("r_T") + Bytes { 0 } + Text ("abc"), 1 },
                       MalformedCase { "text at the very end", kMark + Text ("r_T") + Bytes { 0 }, 0 },
                       MalformedCase { "one tag character", kMark + Text ("d"), 0 },
                       MalformedCase { "a valid entry, then a cut one",
                                       kMark + Text ("l_A") + Bytes { 0, 0, 0, 0, 9 } + Text ("l_B") + Bytes { 0, 0 }, 1 },
                       MalformedCase { "unknown tag letters", kMark + Text ("q_Q") + Bytes { 0 } + Text ("zz"), 2 }));

TEST (ChunkReader, TooShortEntryGetsAnEmptyName)
{
    // A lone letter and its terminator: too short for the two tag characters.
    const Record record = MakeRecord (kMark + Text ("x") + Bytes { 0, 0, 0 });
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (1u, parser.mEntries.size());
    EXPECT_STREQ ("", parser.mEntries[0].mName.Get());
}

TEST (ChunkReader, NegativeSizeReadsNothing)
{
    Record record = MakeRecord (kMark + Text ("l_A") + Bytes { 0, 0, 0, 0, 9 });
    record->fSize = -8;
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    EXPECT_TRUE (parser.mEntries.empty());
}

TEST (ChunkSearch, LookupsInWritingOrderVisitEachEntryOnceAndWrap)
{
    AAX_CChunkDataParser parser;
    for (const char* id : { "A", "B", "C", "D" })
        parser.AddInt32 (id, 1);
    EXPECT_EQ (0, parser.FindName (AAX_CString ("A")));
    EXPECT_EQ (1, parser.FindName (AAX_CString ("B")));
    EXPECT_EQ (2, parser.FindName (AAX_CString ("C")));
    EXPECT_EQ (3, parser.FindName (AAX_CString ("D")));
    EXPECT_EQ (3, parser.mLastFoundIndex);
    EXPECT_EQ (0, parser.FindName (AAX_CString ("A")));
    EXPECT_EQ (2, parser.FindName (AAX_CString ("C")));
    EXPECT_EQ (1, parser.FindName (AAX_CString ("B")));
    EXPECT_EQ (-1, parser.FindName (AAX_CString ("Z")));
    EXPECT_EQ (1, parser.mLastFoundIndex);
    parser.mLastFoundIndex = -5;
    EXPECT_EQ (-1, parser.FindName (AAX_CString ("A")));
}

TEST (ChunkSearch, EmptyParserFindsNothing)
{
    AAX_CChunkDataParser parser;
    EXPECT_EQ (-1, parser.FindName (AAX_CString ("A")));
    EXPECT_EQ (4, parser.GetChunkDataSize());
}

namespace
{
// An effect with three parameters and the master bypass, over a run-time host.
class ChunkEffect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        effect = new TestEffect ({ { "Gain", 0.5f }, { "Width", 0.25f }, { "MasterBypassID", 0.0f }, { "Mix", 1.0f } });
        effect->AddRef();
        ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
    }
    void TearDown() override
    {
        effect->Uninitialize();
        effect->Release();
        EXPECT_EQ (0, host.ObjectsHandedOut());
    }

    Record Save()
    {
        uint32_t size = 0;
        EXPECT_EQ (AAX_SUCCESS, effect->GetChunkSize (AAX_kControlsChunkID, &size));
        Record record = EmptyRecord (size);
        record->fChunkID = AAX_kControlsChunkID;
        EXPECT_EQ (AAX_SUCCESS, effect->GetChunk (AAX_kControlsChunkID, record.get()));
        return record;
    }

    // The host's echo of every request, as an automating host answers.
    void EchoRequests()
    {
        for (const auto& call : host.Record().CallsNamed ("PostSetValueRequest"))
            effect->UpdateParameterNormalizedValue (call.id.c_str(), call.value, AAX_eUpdateSource_Chunk);
        host.Record().ClearCalls();
    }

    RuntimeHost host;
    TestEffect* effect = nullptr;
};
} // namespace

TEST_F (ChunkEffect, SavedChunkHoldsEveryUnfilteredParameterWithVersionMinusOne)
{
    const Record record = Save();
    EXPECT_EQ (-1, record->fVersion);
    EXPECT_STREQ ("Complete Controls State", reinterpret_cast<const char*> (record->fName));
    EXPECT_EQ (AAX_kControlsChunkID, record->fChunkID);
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (3u, parser.mEntries.size());
    EXPECT_STREQ ("Gain", parser.mEntries[0].mName.Get());
    EXPECT_STREQ ("Width", parser.mEntries[1].mName.Get());
    EXPECT_STREQ ("Mix", parser.mEntries[2].mName.Get());
    double width = 0.0;
    EXPECT_TRUE (parser.FindDouble ("Width", &width));
    EXPECT_EQ (0.25, width);
}

TEST_F (ChunkEffect, ChunkListAndWrongIDsOrIndices)
{
    int32_t count = 0;
    AAX_CTypeID id = 5;
    EXPECT_EQ (AAX_SUCCESS, effect->GetNumberOfChunks (&count));
    EXPECT_EQ (1, count);
    EXPECT_EQ (AAX_SUCCESS, effect->GetChunkIDFromIndex (0, &id));
    EXPECT_EQ (AAX_kControlsChunkID, id);
    EXPECT_EQ (AAX_ERROR_INVALID_CHUNK_INDEX, effect->GetChunkIDFromIndex (1, &id));
    EXPECT_EQ (0u, id);
    uint32_t size = 9;
    EXPECT_EQ (AAX_ERROR_INVALID_CHUNK_ID, effect->GetChunkSize ('juce', &size));
    EXPECT_EQ (0u, size);
    Record record = EmptyRecord (8);
    EXPECT_EQ (AAX_ERROR_INVALID_CHUNK_ID, effect->GetChunk ('juce', record.get()));
    EXPECT_EQ (AAX_ERROR_INVALID_CHUNK_ID, effect->SetChunk ('juce', record.get()));
}

TEST_F (ChunkEffect, GetChunkWithoutItsSizeFirstIsRefused)
{
    Record record = EmptyRecord (64);
    record->fVersion = 3;
    EXPECT_EQ (AAX_ERROR_INCORRECT_CHUNK_SIZE, effect->GetChunk (AAX_kControlsChunkID, record.get()));
    EXPECT_EQ (3, record->fVersion);
}

TEST_F (ChunkEffect, RestoreGoesThroughTheHostAndBringsEveryValueBack)
{
    const Record saved = Save();
    host.Record().ClearCalls();
    for (const char* id : { "Gain", "Width", "Mix", "MasterBypassID" })
        effect->UpdateParameterNormalizedValue (id, 0.9, AAX_eUpdateSource_Parameter);

    EXPECT_EQ (AAX_SUCCESS, effect->SetChunk (AAX_kControlsChunkID, saved.get()));
    // Nothing changes until the host echoes the requests.
    EXPECT_EQ (0.9f, effect->Value ("Gain"));
    EXPECT_EQ (3u, host.Record().CallsNamed ("PostSetValueRequest").size());
    EchoRequests();
    EXPECT_EQ (0.5f, effect->Value ("Gain"));
    EXPECT_EQ (0.25f, effect->Value ("Width"));
    EXPECT_EQ (1.0f, effect->Value ("Mix"));
    EXPECT_EQ (0.9f, effect->Value ("MasterBypassID"));
}

TEST_F (ChunkEffect, CompareReportsEqualityOfTheControlsOnly)
{
    const Record saved = Save();
    AAX_CBoolean equal = 0;
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (saved.get(), &equal));
    EXPECT_EQ (1, equal);

    effect->UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (saved.get(), &equal));
    EXPECT_EQ (1, equal);

    effect->UpdateParameterNormalizedValue ("Width", 0.3, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (saved.get(), &equal));
    EXPECT_EQ (0, equal);

    // Any other chunk compares equal, the framework's state chunk included.
    saved->fChunkID = 'juce';
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (saved.get(), &equal));
    EXPECT_EQ (1, equal);
}

TEST_F (ChunkEffect, StoredValueDifferingBeyondSinglePrecisionComparesEqual)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("Gain", 0.5 + 1e-12);
    parser.AddDouble ("Width", 0.25);
    parser.AddDouble ("Mix", 1.0);
    const Bytes data = Written (parser);
    const Record record = MakeRecord (data);
    AAX_CBoolean equal = 0;
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (record.get(), &equal));
    EXPECT_EQ (1, equal);
}

TEST_F (ChunkEffect, ChunkWithoutTheMarkRestoresNothingAndComparesUnequal)
{
    const Record record = MakeRecord (Bytes { 0, 0, 0, 0 } + Text ("d_Gain") + Bytes { 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0 });
    host.Record().ClearCalls();
    EXPECT_EQ (AAX_SUCCESS, effect->SetChunk (AAX_kControlsChunkID, record.get()));
    EXPECT_TRUE (host.Record().CallsNamed ("PostSetValueRequest").empty());
    AAX_CBoolean equal = 1;
    EXPECT_EQ (AAX_SUCCESS, effect->CompareActiveChunk (record.get(), &equal));
    EXPECT_EQ (0, equal);
}

TEST (ChunkEffectFiltered, EveryParameterFilteredGivesTheBareMark)
{
    auto* effect = new TestEffect ({ { "MasterBypassID", 0.0f }, { "Hidden", 0.5f } });
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (nullptr));
    effect->FilterParameterIDOnSave ("Hidden");
    effect->FilterParameterIDOnSave (nullptr);
    uint32_t size = 0;
    EXPECT_EQ (AAX_SUCCESS, effect->GetChunkSize (AAX_kControlsChunkID, &size));
    EXPECT_EQ (4u, size);
    Record record = EmptyRecord (size);
    EXPECT_EQ (AAX_SUCCESS, effect->GetChunk (AAX_kControlsChunkID, record.get()));
    EXPECT_EQ (4, record->fSize);
    EXPECT_EQ (kMark, DataOf (*record));
    effect->Release();
}
