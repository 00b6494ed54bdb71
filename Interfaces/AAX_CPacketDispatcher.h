/*
    Packets from parameter changes to the real-time algorithm: AAX_CPacket (one port's bytes),
    the packet handlers that fill them, and AAX_CPacketDispatcher, which binds parameter IDs to
    ports, remembers stale packets and posts them when the host asks for coefficients.
*/
#pragma once

#include "AAX_CMutex.h"
#include "AAX_Errors.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

class AAX_CPacket
{
public:
    // The packet's growable bytes, kept between dispatches and only resized.
    class SPacketData
    {
    public:
        SPacketData() : mData (8, 0) {}
        // Makes the buffer exactly size bytes (new bytes zero) and returns its first byte; a size
        // of 0 throws std::out_of_range.
        void* Get (uint32_t size);
        const void* Data() const { return mData.data(); }

    private:
        std::vector<unsigned char> mData;
    };

    explicit AAX_CPacket (AAX_CFieldIndex portID) : mPortID (portID) {}

    // Makes the packet exactly the bytes of value, in host byte order.
    template <typename Value> void SetValue (const Value& value)
    {
        static_assert (std::is_trivially_copyable_v<Value>, "packets carry plain bytes");
        std::memcpy (mPacketData.Get (sizeof (Value)), &value, sizeof (Value));
        mDataSize = sizeof (Value);
    }

    AAX_CFieldIndex GetID() const { return mPortID; }
    bool IsDirty() const { return mDirty; }
    void SetDirty (bool dirty) { mDirty = dirty; }
    uint32_t GetSize() const { return mDataSize; }
    const void* GetData() const { return mPacketData.Data(); }

private:
    AAX_CFieldIndex mPortID;
    bool mDirty = true;
    uint32_t mDataSize = 0;
    SPacketData mPacketData;
};

class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;
    // A new copy owned by the caller.
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call (AAX_CParamID parameterID, AAX_CPacket& packet) const = 0;
};

// Calls a member of a worker object: the one taking the parameter ID if set, else the one
// taking the packet only.
template <typename Worker> class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    typedef AAX_Result (Worker::*PacketCallback) (AAX_CPacket& packet);
    typedef AAX_Result (Worker::*IDPacketCallback) (AAX_CParamID parameterID, AAX_CPacket& packet);

    AAX_CPacketHandler (Worker* worker, PacketCallback callback) : mWorker (worker), mPacketCallback (callback) {}
    AAX_CPacketHandler (Worker* worker, IDPacketCallback callback) : mWorker (worker), mIDPacketCallback (callback) {}

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler (*this); }

    AAX_Result Call (AAX_CParamID parameterID, AAX_CPacket& packet) const override
    {
        if (mIDPacketCallback != nullptr)
            return (mWorker->*mIDPacketCallback) (parameterID, packet);
        if (mPacketCallback != nullptr)
            return (mWorker->*mPacketCallback) (packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    Worker* mWorker;
    PacketCallback mPacketCallback = nullptr;
    IDPacketCallback mIDPacketCallback = nullptr;
};

class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    // Both borrowed: where packets are posted and where the default handler reads parameters.
    void Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    // Binds parameterID to port with a clone of handler (the caller keeps its own). A negative
    // port has no packet and is refused with AAX_ERROR_PORT_ID_OUT_OF_RANGE.
    AAX_Result RegisterPacket (AAX_CParamID parameterID, AAX_CFieldIndex port, const AAX_IPacketHandler* handler);
    // The same with the default handler, which writes the parameter's current value.
    AAX_Result RegisterPacket (AAX_CParamID parameterID, AAX_CFieldIndex port);

    AAX_Result SetDirty (AAX_CParamID parameterID, bool dirty = true);
    // Regenerates and posts every dirty packet; the result of the last post, 0 when none.
    AAX_Result Dispatch();

    // The default packet generator: the parameter's value in host byte order.
    AAX_Result GenerateSingleValuePacket (AAX_CParamID parameterID, AAX_CPacket& packet);

private:
    struct Binding
    {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> mPacketsByPort;
    // Sorted by ID so SetDirty finds a run of equal IDs with one lookup; equal IDs keep
    // their registration order.
    std::multimap<std::string, Binding> mHandlersByID;
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    AAX_CMutex mLock;
};
