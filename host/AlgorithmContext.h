/*
    AlgorithmContext: the block of pointers the process procedure receives for one instance,
    built from the fields the component described: audio inputs and outputs, the block length,
    data-in ports fed by packets, private data, meter taps and the other per-instance fields.
    The host owns everything the pointers point to.
*/
#pragma once

#include "Description.h"
#include "PacketMailbox.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace duveline::host
{
class AlgorithmContext
{
public:
    AlgorithmContext() = default;
    AlgorithmContext (const AlgorithmContext&) = delete;
    AlgorithmContext& operator= (const AlgorithmContext&) = delete;

    // False with error set when a field cannot be provided or the fields leave a gap.
    bool Build (const ComponentRecord& component, int32_t inputChannels, int32_t outputChannels, int32_t maxBlock,
                float sampleRate, std::string& error);

    // Main thread, once after the effect initialised: reset(field, data, size) for every private
    // data block, in field order; the first failure ends the walk with its code.
    int32_t ResetPrivateData (const std::function<int32_t (int32_t, void*, uint32_t)>& reset);

    // The mailbox of a data-in port, or null when field is not one.
    PacketMailbox* Port (int32_t field) const;
    const std::vector<int32_t>& PortFields() const { return mPortFields; }

    // Audio thread, at the start of a block: hands over fresh packets, copies the inputs (length
    // samples each, at most MaxBlock()) and sets the block length.
    void BeginBlock (const float* const* inputs, int32_t length);
    float* const* Outputs() const { return mOutputPointers.data(); }

    void* Pointer() { return mSlots.data(); }
    int32_t FieldCount() const { return static_cast<int32_t> (mSlots.size()); }
    int32_t MaxBlock() const { return mMaxBlock; }
    int32_t InputChannels() const { return static_cast<int32_t> (mInputPointers.size()); }
    int32_t OutputChannels() const { return static_cast<int32_t> (mOutputPointers.size()); }
    int32_t BlockLength() const { return mBlockLength; }

    // Meter values the plug-in wrote in the last block, in the order of the described meters.
    std::vector<float> MeterValues() const { return mMeterValues; }

private:
    struct PortBuffer
    {
        std::unique_ptr<PacketMailbox> mailbox;
        std::vector<std::max_align_t> data; // what the plug-in reads, fed from the mailbox
    };

    struct Block
    {
        int32_t field = 0;
        uint32_t size = 0;
        std::vector<std::max_align_t> data;
    };

    bool Place (int32_t field, void* pointer, std::string& error);
    static std::vector<std::max_align_t> Bytes (size_t size);

    std::vector<void*> mSlots;
    int32_t mMaxBlock = 0;
    int32_t mBlockLength = 0;
    float mSampleRate = 0.0f;
    uint64_t mClock = 0;
    int32_t mSideChainIndex = 0; // 0: no side chain connected
    std::vector<std::vector<float>> mInputs, mOutputs;
    std::vector<float*> mInputPointers, mOutputPointers;
    std::map<int32_t, PortBuffer> mPorts;
    std::vector<int32_t> mPortFields;
    std::vector<Block> mPrivateData;
    std::vector<Block> mTemporaryData;
    std::vector<float> mMeterValues;
    std::vector<float*> mMeterPointers;
};
} // namespace duveline::host
