/*
    Chunk: one saved chunk as the host keeps it (the 56-byte record header, then the data), and
    the host's chunk file: every chunk of an instance, to be restored later.
*/
#pragma once

#include "AAX_Records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace duveline::host
{
class Chunk
{
public:
    // A zeroed record with room for dataSize bytes of data and the chunk ID set.
    static Chunk WithDataSize (AAX_CTypeID id, uint32_t dataSize);
    // A record from stored bytes; false when they are shorter than the header or than the
    // data size the header gives.
    static bool FromBytes (std::vector<uint8_t> bytes, Chunk& chunk);

    AAX_SPlugInChunk* Record() { return reinterpret_cast<AAX_SPlugInChunk*> (mBytes.data()); }
    const AAX_SPlugInChunk* Record() const { return reinterpret_cast<const AAX_SPlugInChunk*> (mBytes.data()); }
    AAX_CTypeID ID() const { return Record()->fChunkID; }
    int32_t DataSize() const { return Record()->fSize; }
    const uint8_t* Data() const { return mBytes.data() + AAX_cPlugInChunkHeaderSize; }
    // Capacity of the data area: what the host allocated, whatever the header now says.
    uint32_t Capacity() const { return static_cast<uint32_t> (mBytes.size() - AAX_cPlugInChunkHeaderSize); }
    const std::vector<uint8_t>& Bytes() const { return mBytes; }
    // Trims the record to the header plus the data size the plug-in wrote.
    void Trim();

private:
    std::vector<uint8_t> mBytes;
};

bool WriteChunkFile (const std::string& path, const std::vector<Chunk>& chunks, std::string& error);
bool ReadChunkFile (const std::string& path, std::vector<Chunk>& chunks, std::string& error);
} // namespace duveline::host
