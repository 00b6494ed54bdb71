/*
    Chunk records and the chunk file: "DVCH", a 32-bit count, then per chunk its 32-bit length
    and the record bytes (header and data), all in host byte order.
*/
#include "Chunks.h"

#include <cstring>
#include <fstream>

namespace duveline::host
{
namespace
{
constexpr char kMagic[4] = { 'D', 'V', 'C', 'H' };
constexpr uint32_t kLargestRecord = 64u << 20;
} // namespace

Chunk Chunk::WithDataSize (AAX_CTypeID id, uint32_t dataSize)
{
    Chunk chunk;
    chunk.mBytes.assign (AAX_cPlugInChunkHeaderSize + dataSize, 0);
    chunk.Record()->fSize = static_cast<int32_t> (dataSize);
    chunk.Record()->fChunkID = id;
    return chunk;
}

bool Chunk::FromBytes (std::vector<uint8_t> bytes, Chunk& chunk)
{
    if (bytes.size() < AAX_cPlugInChunkHeaderSize)
        return false;
    int32_t size = 0;
    std::memcpy (&size, bytes.data(), sizeof (size));
    if (size < 0 || static_cast<uint64_t> (size) > bytes.size() - AAX_cPlugInChunkHeaderSize)
        return false;
    chunk.mBytes = std::move (bytes);
    return true;
}

void Chunk::Trim()
{
    const int32_t size = DataSize();
    if (size >= 0 && static_cast<uint32_t> (size) < Capacity())
        mBytes.resize (AAX_cPlugInChunkHeaderSize + static_cast<size_t> (size));
}

bool WriteChunkFile (const std::string& path, const std::vector<Chunk>& chunks, std::string& error)
{
    std::ofstream file (path, std::ios::binary | std::ios::trunc);
    if (!file)
    {
        error = "cannot write " + path;
        return false;
    }
    file.write (kMagic, sizeof (kMagic));
    const auto count = static_cast<uint32_t> (chunks.size());
    file.write (reinterpret_cast<const char*> (&count), sizeof (count));
    for (const Chunk& chunk : chunks)
    {
        const auto length = static_cast<uint32_t> (chunk.Bytes().size());
        file.write (reinterpret_cast<const char*> (&length), sizeof (length));
        file.write (reinterpret_cast<const char*> (chunk.Bytes().data()), static_cast<std::streamsize> (length));
    }
    if (!file)
        error = "cannot write " + path;
    return static_cast<bool> (file);
}

bool ReadChunkFile (const std::string& path, std::vector<Chunk>& chunks, std::string& error)
{
    std::ifstream file (path, std::ios::binary);
    char magic[4] = {};
    uint32_t count = 0;
    if (!file || !file.read (magic, sizeof (magic)) || std::memcmp (magic, kMagic, sizeof (kMagic)) != 0 ||
        !file.read (reinterpret_cast<char*> (&count), sizeof (count)))
    {
        error = path + " is not a chunk file";
        return false;
    }
    std::vector<Chunk> read;
    for (uint32_t i = 0; i < count; ++i)
    {
        uint32_t length = 0;
        if (!file.read (reinterpret_cast<char*> (&length), sizeof (length)) || length > kLargestRecord)
        {
            error = path + ": chunk " + std::to_string (i) + " is damaged";
            return false;
        }
        std::vector<uint8_t> bytes (length);
        Chunk chunk;
        if (!file.read (reinterpret_cast<char*> (bytes.data()), static_cast<std::streamsize> (length)) ||
            !Chunk::FromBytes (std::move (bytes), chunk))
        {
            error = path + ": chunk " + std::to_string (i) + " is damaged";
            return false;
        }
        read.push_back (std::move (chunk));
    }
    chunks = std::move (read);
    return true;
}
} // namespace duveline::host
