/*
    Plain records that cross between the host and the plug-in at run time: the
    chunk record, MIDI packets and rectangles.
*/
#pragma once

#include "AAX.h"

// A chunk as the host keeps it: a 56-byte header, then `fSize` bytes of data.
// The host allocates 56 + data size bytes; `fData` is the start of the data area.
struct AAX_SPlugInChunk
{
    int32_t fSize;
    int32_t fVersion;
    AAX_CTypeID fManID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    unsigned char fName[32];
    char fData[1];
};

// Bytes before the data area: the size of a chunk record with no data.
inline constexpr std::size_t AAX_cPlugInChunkHeaderSize = 56;

static_assert (offsetof (AAX_SPlugInChunk, fData) == AAX_cPlugInChunkHeaderSize,
               "the chunk header is a stored format: its data follows 56 bytes in");

struct AAX_CMidiPacket
{
    uint32_t mTimestamp;
    uint32_t mLength;
    unsigned char mData[4];
    AAX_CBoolean mIsImmediate;
};

struct AAX_Rect
{
    float top = 0.0f;
    float left = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// Which custom label a GUI is asked for.
enum AAX_EPlugInStrings : int32_t
{
    AAX_ePlugInStrings_Analysis = 0,
    AAX_ePlugInStrings_MonoMode = 1,
    AAX_ePlugInStrings_MultiInputMode = 2,
    AAX_ePlugInStrings_RegionByRegionAnalysis = 3,
    AAX_ePlugInStrings_AllSelectedRegionsAnalysis = 4,
    AAX_ePlugInStrings_RegionName = 5,
    AAX_ePlugInStrings_ClipName = 6,
    AAX_ePlugInStrings_Progress = 7
};
