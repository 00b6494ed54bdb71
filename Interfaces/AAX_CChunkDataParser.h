/*
    AAX_CChunkDataParser: writes and reads the data area of the controls chunk, a stored format
    of typed entries keyed by parameter identifier. The reader never reads outside the record,
    whatever the chunk holds.
*/
#pragma once

#include "AAX_CString.h"
#include "AAX_Records.h"

#include <vector>

// Identifier and name of the controls chunk.
constexpr AAX_CTypeID AAX_kControlsChunkID = 0x656C636B; // 'elck'
constexpr const char* AAX_kControlsChunkName = "Complete Controls State";

class AAX_CChunkDataParser
{
public:
    // Type codes of the entries, as stored.
    enum EType : int32_t
    {
        eType_None = 0,
        eType_Float = 1,
        eType_Int32 = 2,
        eType_Double = 3,
        eType_Int16 = 4,
        eType_String = 5
    };

    struct DataValue
    {
        int32_t mType = eType_None;
        AAX_CString mName;
        // An int32 or int16 in the low bits, a float's bits in the low 32, or a double's 64 bits.
        int64_t mNumericValue = 0;
        AAX_CString mStringValue;
    };

    // Result of a write that does not fit the size the entries need.
    static constexpr AAX_Result kWriteOverflow = -333;

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    void Clear();
    void AddDouble (const char* identifier, double value);
    void AddInt32 (const char* identifier, int32_t value);
    void AddString (const char* identifier, AAX_CString value);

    // Size of the data area for the current entries (4 for none); AAX_ERROR_INCORRECT_CHUNK_SIZE
    // when it would not fit the record's 32-bit size field.
    int32_t GetChunkDataSize() const;
    // Writes the data area and the data-size field into a record of GetChunkDataSize() data
    // bytes; 0, or kWriteOverflow with nothing but zeroed data written.
    AAX_Result GetChunkData (AAX_SPlugInChunk* chunk) const;
    // Replaces the entries by those of chunk, a record of 56 + fSize bytes.
    void LoadChunk (const AAX_SPlugInChunk* chunk);

    // A rotating search: lookups in writing order visit each entry once.
    int32_t FindName (const AAX_CString& identifier);
    bool FindDouble (const char* identifier, double* outValue);
    bool FindInt32 (const char* identifier, int32_t* outValue);
    bool FindString (const char* identifier, AAX_CString* outValue);

private:
    // The entry named identifier if it has type, else null.
    const DataValue* FindEntry (const char* identifier, int32_t type);

public:
    int32_t mVersion = -1;
    int32_t mLastFoundIndex = -1;
    std::vector<DataValue> mEntries;
};
