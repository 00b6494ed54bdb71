/*
    PacketMailbox: hands the newest packet of one data-in port from the main thread to the audio
    thread without a lock on the audio side: three buffers, of which the writer owns one, the
    reader one, and the third is exchanged atomically together with a "fresh" mark.
*/
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace duveline::host
{
class PacketMailbox
{
public:
    explicit PacketMailbox (uint32_t packetSize) : mPacketSize (packetSize)
    {
        for (auto& slot : mSlots)
            slot.assign (packetSize, 0);
    }

    PacketMailbox (const PacketMailbox&) = delete;
    PacketMailbox& operator= (const PacketMailbox&) = delete;

    uint32_t PacketSize() const { return mPacketSize; }

    // Any non-audio thread. A packet longer than the port is refused; a shorter one is padded
    // with zeros.
    bool Post (const void* data, uint32_t size)
    {
        if (size > mPacketSize || (data == nullptr && size != 0))
            return false;
        std::lock_guard<std::mutex> guard (mWriterLock); // writers only: the reader never waits
        std::vector<uint8_t>& slot = mSlots[mWriting];
        std::fill (slot.begin(), slot.end(), uint8_t { 0 });
        if (size != 0)
            std::memcpy (slot.data(), data, size);
        mWriting = mMiddle.exchange (static_cast<uint8_t> (mWriting | kFresh), std::memory_order_acq_rel) & kIndexMask;
        return true;
    }

    // Audio thread, at the start of a block: copies the newest packet to port when one arrived
    // since the last call.
    bool Take (void* port)
    {
        if ((mMiddle.load (std::memory_order_acquire) & kFresh) == 0)
            return false;
        mReading = mMiddle.exchange (mReading, std::memory_order_acq_rel) & kIndexMask;
        std::memcpy (port, mSlots[mReading].data(), mPacketSize);
        return true;
    }

private:
    static constexpr uint8_t kFresh = 0x4;
    static constexpr uint8_t kIndexMask = 0x3;

    const uint32_t mPacketSize;
    std::array<std::vector<uint8_t>, 3> mSlots;
    std::mutex mWriterLock;
    uint8_t mWriting = 0;
    uint8_t mReading = 1;
    std::atomic<uint8_t> mMiddle { 2 };
};
} // namespace duveline::host
