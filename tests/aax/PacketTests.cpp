/*
    Packets from parameter changes to the algorithm: registration, dirtiness, dispatch and
    handler failures, and the owner-aware mutex that guards them.
*/
#include "AAX_CMutex.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_VController.h"
#include "RuntimeHost.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

using duveline::test::RuntimeHost;
using duveline::test::TestEffect;

namespace
{
class RecordingWorker
{
public:
    AAX_Result Fill (AAX_CParamID id, AAX_CPacket& packet)
    {
        calls.push_back (id);
        packet.SetValue (static_cast<int32_t> (calls.size()));
        return result;
    }
    AAX_Result FillPacketOnly (AAX_CPacket& packet)
    {
        packet.SetValue (1.5);
        return AAX_SUCCESS;
    }
    std::vector<std::string> calls;
    AAX_Result result = AAX_SUCCESS;
};
} // namespace

TEST (PacketDispatch, NewBindingPostsOnceThenOnlyWhenDirty)
{
    RuntimeHost host;
    auto* effect = new TestEffect ({ { "MasterBypassID", 1.0f } });
    effect->AddPacket ("MasterBypassID", 3);
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));

    EXPECT_EQ (AAX_SUCCESS, effect->GenerateCoefficients());
    auto posts = host.Record().CallsNamed ("PostPacket");
    ASSERT_EQ (1u, posts.size());
    EXPECT_EQ (3, host.Object().lastPostedPort);
    EXPECT_EQ (4u, posts[0].size);
    EXPECT_EQ (1.0, posts[0].value);

    EXPECT_EQ (AAX_SUCCESS, effect->GenerateCoefficients());
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostPacket").size());

    // The host's echo of a value marks the packet dirty; the next dispatch posts the new value.
    EXPECT_EQ (AAX_SUCCESS, effect->UpdateParameterNormalizedValue ("MasterBypassID", 0.0, AAX_eUpdateSource_Unspecified));
    host.Object().postPacketResult = AAX_ERROR_POST_PACKET_FAILED;
    EXPECT_EQ (AAX_ERROR_POST_PACKET_FAILED, effect->GenerateCoefficients());
    posts = host.Record().CallsNamed ("PostPacket");
    ASSERT_EQ (2u, posts.size());
    EXPECT_EQ (0.0, posts[1].value);

    effect->Uninitialize();
    effect->Release();
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST (PacketDispatch, SetDirtyForAnUnboundIDChangesNothing)
{
    AAX_CPacketDispatcher dispatcher;
    RecordingWorker worker;
    const AAX_CPacketHandler<RecordingWorker> handler (&worker, &RecordingWorker::Fill);
    ASSERT_EQ (AAX_SUCCESS, dispatcher.RegisterPacket ("Gain", 2, &handler));
    dispatcher.Dispatch();
    EXPECT_EQ (AAX_SUCCESS, dispatcher.SetDirty ("Width", true));
    EXPECT_EQ (AAX_SUCCESS, dispatcher.SetDirty (nullptr, true));
    dispatcher.Dispatch();
    EXPECT_EQ (1u, worker.calls.size());
}

TEST (PacketDispatch, TwoIDsOnOnePortShareAPacketFilledByTheFirstInIDOrder)
{
    RuntimeHost host;
    AAX_VController controller (host.Unknown());
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize (&controller, nullptr);
    RecordingWorker worker;
    const AAX_CPacketHandler<RecordingWorker> handler (&worker, &RecordingWorker::Fill);
    ASSERT_EQ (AAX_SUCCESS, dispatcher.RegisterPacket ("Zeta", 5, &handler));
    ASSERT_EQ (AAX_SUCCESS, dispatcher.RegisterPacket ("Alpha", 5, &handler));
    dispatcher.Dispatch();
    ASSERT_EQ (1u, worker.calls.size());
    EXPECT_EQ ("Alpha", worker.calls[0]);
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostPacket").size());

    dispatcher.SetDirty ("Zeta", true);
    dispatcher.Dispatch();
    ASSERT_EQ (2u, worker.calls.size());
    EXPECT_EQ ("Alpha", worker.calls[1]);
    EXPECT_EQ (2u, host.Record().CallsNamed ("PostPacket").size());
}

TEST (PacketDispatch, FailingHandlerLeavesThePacketCleanAndUnposted)
{
    RuntimeHost host;
    AAX_VController controller (host.Unknown());
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize (&controller, nullptr);
    RecordingWorker good;
    RecordingWorker failing;
    failing.result = AAX_ERROR_INVALID_PARAMETER_ID;
    const AAX_CPacketHandler<RecordingWorker> goodHandler (&good, &RecordingWorker::Fill);
    const AAX_CPacketHandler<RecordingWorker> failingHandler (&failing, &RecordingWorker::Fill);
    dispatcher.RegisterPacket ("A", 1, &goodHandler);
    dispatcher.RegisterPacket ("B", 2, &failingHandler);
    host.Object().postPacketResult = AAX_ERROR_FIFO_FULL;
    // The failing handler runs after the good one: its failure is not reported.
    EXPECT_EQ (AAX_ERROR_FIFO_FULL, dispatcher.Dispatch());
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostPacket").size());
    dispatcher.SetDirty ("B", true);
    EXPECT_EQ (AAX_SUCCESS, dispatcher.Dispatch());
    EXPECT_EQ (2u, failing.calls.size());
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostPacket").size());
}

TEST (PacketDispatch, HandlerIsClonedAndPacketOnlyCallbacksWork)
{
    RuntimeHost host;
    AAX_VController controller (host.Unknown());
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize (&controller, nullptr);
    RecordingWorker worker;
    {
        const AAX_CPacketHandler<RecordingWorker> handler (&worker, &RecordingWorker::FillPacketOnly);
        dispatcher.RegisterPacket ("D", 4, &handler);
    }
    EXPECT_EQ (AAX_SUCCESS, dispatcher.Dispatch());
    const auto posts = host.Record().CallsNamed ("PostPacket");
    ASSERT_EQ (1u, posts.size());
    EXPECT_EQ (8u, posts[0].size);
}

TEST (PacketDispatch, NegativePortIsRefused)
{
    AAX_CPacketDispatcher dispatcher;
    RecordingWorker worker;
    const AAX_CPacketHandler<RecordingWorker> handler (&worker, &RecordingWorker::Fill);
    EXPECT_EQ (AAX_ERROR_PORT_ID_OUT_OF_RANGE, dispatcher.RegisterPacket ("A", -1, &handler));
    EXPECT_EQ (AAX_SUCCESS, dispatcher.SetDirty ("A", true));
    EXPECT_EQ (AAX_SUCCESS, dispatcher.Dispatch());
    EXPECT_TRUE (worker.calls.empty());
}

TEST (PacketData, EmptyBufferIsRefused)
{
    AAX_CPacket::SPacketData data;
    EXPECT_THROW (data.Get (0), std::out_of_range);
    auto* bytes = static_cast<unsigned char*> (data.Get (3));
    EXPECT_EQ (0, bytes[0] | bytes[1] | bytes[2]);
}

TEST (Mutex, SecondLockOnTheSameThreadDoesNotLockAgain)
{
    AAX_CMutex mutex;
    EXPECT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());
    mutex.Unlock();
    // One unlock released it: another thread can take it now.
    bool taken = false;
    std::thread other (
        [&]
        {
            taken = mutex.Lock();
            mutex.Unlock();
        });
    other.join();
    EXPECT_TRUE (taken);
}

TEST (Mutex, UnlockFromAnotherThreadLeavesItHeld)
{
    AAX_CMutex mutex;
    ASSERT_TRUE (mutex.Lock());
    std::thread intruder ([&] { mutex.Unlock(); });
    intruder.join();

    // Still the owner: a second Lock on this thread does not lock again.
    EXPECT_FALSE (mutex.Lock());
    mutex.Unlock();
}

TEST (Mutex, NestedGuardsReleaseOnlyAtTheOutermost)
{
    AAX_CMutex mutex;
    {
        AAX_StLock_Guard outer (mutex);
        {
            AAX_StLock_Guard inner (mutex);
        }
        // Had the inner guard unlocked, this thread would not own the mutex any more.
        EXPECT_FALSE (mutex.Lock());
    }
    EXPECT_TRUE (mutex.Lock());
    mutex.Unlock();
}

TEST (Mutex, GuardsSerialiseCountersAcrossThreads)
{
    AAX_CMutex mutex;
    int counter = 0;
    constexpr int kPerThread = 20000;
    auto work = [&]
    {
        for (int i = 0; i < kPerThread; ++i)
        {
            AAX_StLock_Guard guard (mutex);
            AAX_StLock_Guard nested (mutex);
            ++counter;
        }
    };
    std::thread a (work);
    std::thread b (work);
    a.join();
    b.join();
    EXPECT_EQ (2 * kPerThread, counter);
}
