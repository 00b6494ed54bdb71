/*
    AlgorithmContext: building the context from the described fields and feeding it per block.
*/
#include "AlgorithmContext.h"

#include <algorithm>
#include <cstring>

namespace duveline::host
{
std::vector<std::max_align_t> AlgorithmContext::Bytes (size_t size)
{
    // Whole aligned units, at least one, zeroed: private data holds objects the plug-in builds.
    const size_t units = std::max<size_t> (1, (size + sizeof (std::max_align_t) - 1) / sizeof (std::max_align_t));
    std::vector<std::max_align_t> bytes (units);
    std::memset (static_cast<void*> (bytes.data()), 0, units * sizeof (std::max_align_t));
    return bytes;
}

bool AlgorithmContext::Place (int32_t field, void* pointer, std::string& error)
{
    if (field < 0 || field > 1023)
    {
        error = "field index " + std::to_string (field) + " out of range";
        return false;
    }
    if (static_cast<size_t> (field) >= mSlots.size())
        mSlots.resize (static_cast<size_t> (field) + 1, nullptr);
    if (mSlots[static_cast<size_t> (field)] != nullptr)
    {
        error = "field " + std::to_string (field) + " described twice";
        return false;
    }
    mSlots[static_cast<size_t> (field)] = pointer;
    return true;
}

bool AlgorithmContext::Build (const ComponentRecord& component, int32_t inputChannels, int32_t outputChannels, int32_t maxBlock,
                              float sampleRate, std::string& error)
{
    mMaxBlock = maxBlock;
    mSampleRate = sampleRate;
    mInputs.assign (static_cast<size_t> (inputChannels), std::vector<float> (static_cast<size_t> (maxBlock), 0.0f));
    mOutputs.assign (static_cast<size_t> (outputChannels), std::vector<float> (static_cast<size_t> (maxBlock), 0.0f));
    for (auto& channel : mInputs)
        mInputPointers.push_back (channel.data());
    for (auto& channel : mOutputs)
        mOutputPointers.push_back (channel.data());

    // Reserve first so that pointers into these lists stay valid while they are filled.
    size_t privateCount = 0, temporaryCount = 0;
    for (const FieldRecord& field : component.fields)
    {
        privateCount += field.call == "AddPrivateData";
        temporaryCount += field.call == "AddTemporaryData";
    }
    mPrivateData.reserve (privateCount);
    mTemporaryData.reserve (temporaryCount);

    for (const FieldRecord& field : component.fields)
    {
        const std::string& call = field.call;
        bool placed = false;
        if (call == "AddAudioIn")
            placed = Place (field.fieldIndex, mInputPointers.data(), error);
        else if (call == "AddAudioOut")
            placed = Place (field.fieldIndex, mOutputPointers.data(), error);
        else if (call == "AddAudioBufferLength")
            placed = Place (field.fieldIndex, &mBlockLength, error);
        else if (call == "AddSampleRate")
            placed = Place (field.fieldIndex, &mSampleRate, error);
        else if (call == "AddClock")
            placed = Place (field.fieldIndex, &mClock, error);
        else if (call == "AddSideChainIn")
            placed = Place (field.fieldIndex, &mSideChainIndex, error);
        else if (call == "AddDataInPort")
        {
            const uint32_t size = field.arguments.empty() ? 0u : static_cast<uint32_t> (field.arguments[0]);
            PortBuffer& port = mPorts[field.fieldIndex];
            if (port.mailbox != nullptr)
            {
                error = "data-in port " + std::to_string (field.fieldIndex) + " described twice";
                return false;
            }
            port.mailbox = std::make_unique<PacketMailbox> (size);
            port.data = Bytes (size);
            mPortFields.push_back (field.fieldIndex);
            placed = Place (field.fieldIndex, port.data.data(), error);
        }
        else if (call == "AddPrivateData")
        {
            const int64_t size = field.arguments.empty() ? 0 : field.arguments[0];
            if (size < 0)
            {
                error = "private data of negative size";
                return false;
            }
            mPrivateData.push_back ({ field.fieldIndex, static_cast<uint32_t> (size), Bytes (static_cast<size_t> (size)) });
            placed = Place (field.fieldIndex, mPrivateData.back().data.data(), error);
        }
        else if (call == "AddTemporaryData")
        {
            const int64_t element = field.arguments.empty() ? 0 : field.arguments[0];
            const size_t size = static_cast<size_t> (std::max<int64_t> (0, element)) * static_cast<size_t> (maxBlock);
            mTemporaryData.push_back ({ field.fieldIndex, static_cast<uint32_t> (size), Bytes (size) });
            placed = Place (field.fieldIndex, mTemporaryData.back().data.data(), error);
        }
        else if (call == "AddMeters")
        {
            // One value per meter; the field points at the list of taps, one pointer per meter.
            mMeterValues.assign (field.arguments.size(), 0.0f);
            mMeterPointers.clear();
            for (float& value : mMeterValues)
                mMeterPointers.push_back (&value);
            placed = Place (field.fieldIndex, mMeterPointers.data(), error);
        }
        else if (call == "AddReservedField")
        {
            // Reserved: present in the context, never read.
            if (static_cast<size_t> (field.fieldIndex) >= mSlots.size())
                mSlots.resize (static_cast<size_t> (field.fieldIndex) + 1, nullptr);
            continue;
        }
        else
        {
            error = "this host cannot provide " + call + " (field " + std::to_string (field.fieldIndex) + ")";
            return false;
        }
        if (!placed)
            return false;
    }

    for (size_t i = 0; i < mSlots.size(); ++i)
    {
        const bool reserved = std::any_of (component.fields.begin(), component.fields.end(),
                                           [i] (const FieldRecord& f)
                                           { return f.call == "AddReservedField" && f.fieldIndex == static_cast<int32_t> (i); });
        if (mSlots[i] == nullptr && !reserved)
        {
            error = "the described fields leave field " + std::to_string (i) + " empty";
            return false;
        }
    }
    return true;
}

int32_t AlgorithmContext::ResetPrivateData (const std::function<int32_t (int32_t, void*, uint32_t)>& reset)
{
    for (Block& block : mPrivateData)
    {
        const int32_t result = reset (block.field, block.data.data(), block.size);
        if (result != 0)
            return result;
    }
    return 0;
}

PacketMailbox* AlgorithmContext::Port (int32_t field) const
{
    const auto found = mPorts.find (field);
    return found != mPorts.end() ? found->second.mailbox.get() : nullptr;
}

void AlgorithmContext::BeginBlock (const float* const* inputs, int32_t length)
{
    length = std::clamp (length, 0, mMaxBlock);
    for (auto& [field, port] : mPorts)
        port.mailbox->Take (port.data.data());
    for (size_t c = 0; c < mInputs.size(); ++c)
        std::copy (inputs[c], inputs[c] + length, mInputs[c].begin());
    mBlockLength = length;
    mClock += static_cast<uint64_t> (length);
}
} // namespace duveline::host
