/*
    AAX_CChunkDataParser: the byte layout of the controls chunk. Inside the data area values are
    big-endian, every entry starts on a multiple of 4, and offsets are computed in 64 bits so
    that no size field, however corrupt, can wrap a bound.
*/
#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace
{
constexpr unsigned char kMark[4] = { 1, 1, 1, 1 };
constexpr int64_t kMarkSize = 4;
// Tag and identifier are read up to their terminator, but never further than this.
constexpr int64_t kMaxNameRead = 255;

int64_t RoundUp4 (int64_t value)
{
    return (value + 3) & ~int64_t (3);
}

void WriteBigEndian (unsigned char* out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char> (value >> (8 * (bytes - 1 - i)));
}

uint64_t ReadBigEndian (const unsigned char* in, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | in[i];
    return value;
}

char TagLetter (int32_t type)
{
    switch (type)
    {
    case AAX_CChunkDataParser::eType_Float:
        return 'f';
    case AAX_CChunkDataParser::eType_Int32:
        return 'l';
    case AAX_CChunkDataParser::eType_Double:
        return 'd';
    case AAX_CChunkDataParser::eType_Int16:
        return 's';
    case AAX_CChunkDataParser::eType_String:
        return 'r';
    default:
        return '\0';
    }
}

// Bytes the value occupies after its offset: the slot of a number, or the text, its
// terminator and the padding to 4.
int64_t ValueSlot (const AAX_CChunkDataParser::DataValue& entry)
{
    switch (entry.mType)
    {
    case AAX_CChunkDataParser::eType_Double:
        return 8;
    case AAX_CChunkDataParser::eType_Float:
    case AAX_CChunkDataParser::eType_Int32:
    case AAX_CChunkDataParser::eType_Int16:
        return 4;
    case AAX_CChunkDataParser::eType_String:
        return RoundUp4 (static_cast<int64_t> (entry.mStringValue.Length()) + 1);
    default:
        return 0;
    }
}

// The tag, the identifier and its terminator, padded to 4.
int64_t NameSlot (const AAX_CChunkDataParser::DataValue& entry)
{
    return RoundUp4 (static_cast<int64_t> (entry.mName.Length()) + 3);
}

// Length of the text at data[from, end) up to its terminator, at most limit bytes.
int64_t BoundedLength (const unsigned char* data, int64_t from, int64_t end, int64_t limit)
{
    const int64_t available = std::min (end - from, limit);
    if (available <= 0)
        return 0;
    const void* terminator = std::memchr (data + from, '\0', static_cast<size_t> (available));
    return terminator != nullptr ? static_cast<const unsigned char*> (terminator) - (data + from) : available;
}
} // namespace

void AAX_CChunkDataParser::Clear()
{
    mVersion = -1;
    mLastFoundIndex = -1;
    mEntries.clear();
}

void AAX_CChunkDataParser::AddDouble (const char* identifier, double value)
{
    DataValue entry;
    entry.mType = eType_Double;
    entry.mName = AAX_CString (identifier);
    std::memcpy (&entry.mNumericValue, &value, sizeof (value));
    mEntries.push_back (std::move (entry));
}

void AAX_CChunkDataParser::AddInt32 (const char* identifier, int32_t value)
{
    DataValue entry;
    entry.mType = eType_Int32;
    entry.mName = AAX_CString (identifier);
    entry.mNumericValue = value;
    mEntries.push_back (std::move (entry));
}

void AAX_CChunkDataParser::AddString (const char* identifier, AAX_CString value)
{
    DataValue entry;
    entry.mType = eType_String;
    entry.mName = AAX_CString (identifier);
    entry.mStringValue = std::move (value);
    mEntries.push_back (std::move (entry));
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    int64_t size = kMarkSize;
    for (const DataValue& entry : mEntries)
    {
        size += NameSlot (entry) + ValueSlot (entry);
        if (size > std::numeric_limits<int32_t>::max())
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    }
    return static_cast<int32_t> (size);
}

AAX_Result AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    const int32_t size = GetChunkDataSize();
    if (size < kMarkSize)
        return kWriteOverflow;

    try
    {
        auto* data = reinterpret_cast<unsigned char*> (chunk->fData);
        std::memset (data, 0, static_cast<size_t> (size));
        std::memcpy (data, kMark, sizeof (kMark));

        int64_t p = kMarkSize;
        for (const DataValue& entry : mEntries)
        {
            const int64_t v = p + NameSlot (entry);
            const int64_t next = v + ValueSlot (entry);
            if (next > size)
                throw std::out_of_range ("aborting: chunk data will overflow buffer");

            const char letter = TagLetter (entry.mType);
            if (letter != '\0')
            {
                data[p] = static_cast<unsigned char> (letter);
                data[p + 1] = '_';
            }
            std::memcpy (data + p + 2, entry.mName.Get(), entry.mName.Length() + 1);

            const auto bits = static_cast<uint64_t> (entry.mNumericValue);
            switch (entry.mType)
            {
            case eType_Double:
                WriteBigEndian (data + v, bits, 8);
                break;
            case eType_Float:
            case eType_Int32:
                WriteBigEndian (data + v, bits & 0xFFFFFFFFu, 4);
                break;
            case eType_Int16:
                WriteBigEndian (data + v, bits & 0xFFFFu, 2);
                break;
            case eType_String:
                std::memcpy (data + v, entry.mStringValue.Get(), entry.mStringValue.Length() + 1);
                break;
            default:
                break;
            }
            p = next;
        }
    }
    catch (const std::out_of_range& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAX_CChunkDataParser::GetChunkData ERROR: %s", error.what());
        return kWriteOverflow;
    }
    catch (...)
    {
        return kWriteOverflow;
    }

    chunk->fSize = size;
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    mLastFoundIndex = -1;
    mEntries.clear();
    mVersion = chunk->fVersion;

    const int64_t n = chunk->fSize;
    const auto* data = reinterpret_cast<const unsigned char*> (chunk->fData);
    if (n <= kMarkSize || std::memcmp (data, kMark, sizeof (kMark)) != 0)
        return;

    int64_t p = kMarkSize;
    while (p < n)
    {
        const int64_t nameLength = BoundedLength (data, p, n, kMaxNameRead);
        const int64_t v = RoundUp4 (p + nameLength + 1);

        DataValue entry;
        // An entry too short for its two tag characters (the zero padding after a text value)
        // has an empty name; its text is never read past its end.
        if (nameLength > 2)
            entry.mName = AAX_CString (
                std::string (reinterpret_cast<const char*> (data + p + 2), static_cast<size_t> (nameLength - 2)).c_str());

        // Every value must lie inside the data area; a truncated one ends the reading.
        const auto fits = [n, v] (int64_t bytes) { return v + bytes <= n; };
        int64_t next = v;
        switch (nameLength > 0 ? static_cast<char> (data[p]) : '\0')
        {
        case 'd':
            if (!fits (8))
                return;
            entry.mType = eType_Double;
            entry.mNumericValue = static_cast<int64_t> (ReadBigEndian (data + v, 8));
            next = v + 8;
            break;
        case 'f':
        case 'l':
            if (!fits (4))
                return;
            entry.mType = data[p] == 'f' ? eType_Float : eType_Int32;
            entry.mNumericValue = static_cast<int64_t> (ReadBigEndian (data + v, 4));
            if (entry.mType == eType_Int32)
                entry.mNumericValue = static_cast<int32_t> (static_cast<uint32_t> (entry.mNumericValue));
            next = v + 4;
            break;
        case 's':
            if (!fits (2))
                return;
            entry.mType = eType_Int16;
            entry.mNumericValue = static_cast<int64_t> (ReadBigEndian (data + v, 2));
            next = v + 4;
            break;
        case 'r':
        {
            if (!fits (1))
                return;
            const int64_t textLength = BoundedLength (data, v, n, n);
            entry.mType = eType_String;
            entry.mStringValue =
                AAX_CString (std::string (reinterpret_cast<const char*> (data + v), static_cast<size_t> (textLength)).c_str());
            next = v + textLength + 1;
            break;
        }
        default:
            break;
        }
        mEntries.push_back (std::move (entry));
        p = next;
    }
}

int32_t AAX_CChunkDataParser::FindName (const AAX_CString& identifier)
{
    const auto count = static_cast<int32_t> (mEntries.size());
    if (mLastFoundIndex >= count - 1)
        mLastFoundIndex = -1;
    if (mLastFoundIndex < -1)
        return -1;

    for (int32_t index = mLastFoundIndex + 1; index < count; ++index)
        if (mEntries[static_cast<size_t> (index)].mName == identifier)
            return mLastFoundIndex = index;

    if (mLastFoundIndex < 0)
        return -1;
    for (int32_t index = 0; index <= mLastFoundIndex; ++index)
        if (mEntries[static_cast<size_t> (index)].mName == identifier)
            return mLastFoundIndex = index;
    return -1;
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::FindEntry (const char* identifier, int32_t type)
{
    const int32_t index = FindName (AAX_CString (identifier));
    if (index < 0 || mEntries[static_cast<size_t> (index)].mType != type)
        return nullptr;
    return &mEntries[static_cast<size_t> (index)];
}

bool AAX_CChunkDataParser::FindDouble (const char* identifier, double* outValue)
{
    const DataValue* entry = FindEntry (identifier, eType_Double);
    if (entry != nullptr)
        std::memcpy (outValue, &entry->mNumericValue, sizeof (double));
    return entry != nullptr;
}

bool AAX_CChunkDataParser::FindInt32 (const char* identifier, int32_t* outValue)
{
    const DataValue* entry = FindEntry (identifier, eType_Int32);
    if (entry != nullptr)
        *outValue = static_cast<int32_t> (static_cast<uint32_t> (entry->mNumericValue));
    return entry != nullptr;
}

bool AAX_CChunkDataParser::FindString (const char* identifier, AAX_CString* outValue)
{
    const DataValue* entry = FindEntry (identifier, eType_String);
    if (entry != nullptr)
        *outValue = entry->mStringValue;
    return entry != nullptr;
}
