/*
    The host's parts on their own: the packet mailbox between the main and the audio thread, the
    algorithm context built from described fields, the main thread's queue and idle pump, and
    chunk records.
*/
#include "AlgorithmContext.h"
#include "AudioThread.h"
#include "Chunks.h"
#include "MainThread.h"
#include "PacketMailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

using namespace duveline::host;

TEST (PacketMailbox, HandsOverOnlyTheNewestPacketOnce)
{
    PacketMailbox mailbox (4);
    int32_t port = -1;
    EXPECT_FALSE (mailbox.Take (&port));
    EXPECT_EQ (-1, port);
    const int32_t first = 1, second = 2;
    ASSERT_TRUE (mailbox.Post (&first, sizeof (first)));
    ASSERT_TRUE (mailbox.Post (&second, sizeof (second)));
    EXPECT_TRUE (mailbox.Take (&port));
    EXPECT_EQ (2, port);
    port = -1;
    EXPECT_FALSE (mailbox.Take (&port));
    EXPECT_EQ (-1, port);
}

TEST (PacketMailbox, RefusesLongPacketsAndPadsShortOnes)
{
    PacketMailbox mailbox (4);
    const double tooLong = 1.0;
    EXPECT_FALSE (mailbox.Post (&tooLong, sizeof (tooLong)));
    const uint8_t shortPacket = 0x7F;
    ASSERT_TRUE (mailbox.Post (&shortPacket, 1));
    uint8_t port[4] = { 9, 9, 9, 9 };
    ASSERT_TRUE (mailbox.Take (port));
    EXPECT_EQ (0x7F, port[0]);
    EXPECT_EQ (0, port[1] | port[2] | port[3]);
}

// Every packet the reader sees is whole (both halves from one post) and never older than the
// last one it saw.
TEST (PacketMailbox, ReaderSeesWholePacketsInOrderWhileTheWriterPosts)
{
    PacketMailbox mailbox (8);
    constexpr uint32_t kPosts = 20000;
    std::atomic<bool> done { false };
    std::thread writer (
        [&]
        {
            for (uint32_t i = 1; i <= kPosts; ++i)
            {
                const uint32_t packet[2] = { i, ~i };
                mailbox.Post (packet, sizeof (packet));
            }
            done = true;
        });
    uint32_t last = 0;
    bool whole = true, ordered = true;
    for (;;)
    {
        const bool finished = done.load();
        uint32_t packet[2] = {};
        if (mailbox.Take (packet))
        {
            whole = whole && packet[1] == ~packet[0];
            ordered = ordered && packet[0] > last;
            last = packet[0];
        }
        if (finished && !mailbox.Take (packet))
            break;
    }
    writer.join();
    EXPECT_TRUE (whole);
    EXPECT_TRUE (ordered);
    EXPECT_EQ (kPosts, last);
}

namespace
{
// The fields the framework's client describes, in its order.
ComponentRecord ClientLikeComponent()
{
    ComponentRecord component;
    component.fields = { { "AddAudioIn", 0, {}, "" },           { "AddAudioOut", 1, {}, "" },
                         { "AddAudioBufferLength", 2, {}, "" }, { "AddDataInPort", 3, { 4, 1 }, "" },
                         { "AddPrivateData", 4, { 8, 0 }, "" }, { "AddPrivateData", 5, { 4, 0 }, "" },
                         { "AddPrivateData", 6, { 8, 0 }, "" }, { "AddPrivateData", 7, { 8, 0 }, "" } };
    return component;
}
} // namespace

TEST (AlgorithmContext, ProvidesEveryDescribedField)
{
    AlgorithmContext context;
    std::string error;
    ASSERT_TRUE (context.Build (ClientLikeComponent(), 2, 2, 256, 48000.0f, error)) << error;
    EXPECT_EQ (8, context.FieldCount());
    void** slots = static_cast<void**> (context.Pointer());
    for (int i = 0; i < 8; ++i)
        EXPECT_NE (nullptr, slots[i]) << i;
    EXPECT_NE (nullptr, context.Port (3));
    EXPECT_EQ (nullptr, context.Port (4));
    EXPECT_EQ (4u, context.Port (3)->PacketSize());

    const float left[3] = { 1.0f, 2.0f, 3.0f }, right[3] = { -1.0f, -2.0f, -3.0f };
    const float* inputs[2] = { left, right };
    const int32_t packet = 1;
    context.Port (3)->Post (&packet, sizeof (packet));
    context.BeginBlock (inputs, 3);
    EXPECT_EQ (3, *static_cast<int32_t*> (slots[2]));
    EXPECT_EQ (-3.0f, static_cast<float**> (slots[0])[1][2]);
    EXPECT_EQ (1, *static_cast<int32_t*> (slots[3]));
}

TEST (AlgorithmContext, ResetsPrivateDataInFieldOrderWithTheDescribedSizes)
{
    AlgorithmContext context;
    std::string error;
    ASSERT_TRUE (context.Build (ClientLikeComponent(), 2, 2, 256, 48000.0f, error));
    std::vector<std::pair<int32_t, uint32_t>> calls;
    void** slots = static_cast<void**> (context.Pointer());
    EXPECT_EQ (0, context.ResetPrivateData (
                      [&] (int32_t field, void* data, uint32_t size)
                      {
                          EXPECT_EQ (slots[field], data);
                          calls.emplace_back (field, size);
                          return 0;
                      }));
    EXPECT_EQ ((std::vector<std::pair<int32_t, uint32_t>> { { 4, 8 }, { 5, 4 }, { 6, 8 }, { 7, 8 } }), calls);
    EXPECT_EQ (-7, context.ResetPrivateData ([] (int32_t, void*, uint32_t) { return -7; }));
}

TEST (AlgorithmContext, BlocksAreClampedToTheLongestPrepared)
{
    AlgorithmContext context;
    std::string error;
    ASSERT_TRUE (context.Build (ClientLikeComponent(), 2, 2, 4, 48000.0f, error));
    const float samples[8] = {};
    const float* inputs[2] = { samples, samples };
    context.BeginBlock (inputs, 8);
    EXPECT_EQ (4, context.BlockLength());
}

struct BadFields
{
    const char* name;
    std::vector<FieldRecord> fields;
};

void PrintTo (const BadFields& fields, std::ostream* out)
{
    *out << fields.name;
}

class AlgorithmContextFaults : public ::testing::TestWithParam<BadFields>
{
};

TEST_P (AlgorithmContextFaults, AreRefusedWithAReason)
{
    ComponentRecord component;
    component.fields = GetParam().fields;
    AlgorithmContext context;
    std::string error;
    EXPECT_FALSE (context.Build (component, 2, 2, 64, 48000.0f, error));
    EXPECT_FALSE (error.empty());
}

INSTANTIATE_TEST_SUITE_P (
    Host, AlgorithmContextFaults,
    ::testing::Values (BadFields { "Gap", { { "AddAudioIn", 0, {}, "" }, { "AddAudioOut", 2, {}, "" } } },
                       BadFields { "Twice", { { "AddAudioIn", 0, {}, "" }, { "AddAudioOut", 0, {}, "" } } },
                       BadFields { "MidiNode", { { "AddAudioIn", 0, {}, "" }, { "AddMIDINode", 1, { 0, 0xFFFF }, "in" } } },
                       BadFields { "NegativeIndex", { { "AddAudioIn", -1, {}, "" } } },
                       BadFields { "NegativePrivateSize", { { "AddPrivateData", 0, { -4, 0 }, "" } } }),
    [] (const ::testing::TestParamInfo<BadFields>& info) { return std::string (info.param.name); });

TEST (MainThread, PostedWorkRunsOnlyWhenTheMainThreadPumps)
{
    MainThread main;
    std::atomic<int> ran { 0 };
    std::thread::id ranOn;
    std::thread other (
        [&]
        {
            main.Post (
                [&]
                {
                    ++ran;
                    ranOn = std::this_thread::get_id();
                });
        });
    other.join();
    EXPECT_EQ (0, ran.load());
    EXPECT_TRUE (main.PumpUntil ([&] { return ran.load() == 1; }, std::chrono::seconds (5)));
    EXPECT_EQ (std::this_thread::get_id(), ranOn);
    EXPECT_TRUE (main.IsCurrent());
}

TEST (MainThread, PumpingGivesUpAtItsBound)
{
    MainThread main;
    EXPECT_FALSE (main.PumpUntil ([] { return false; }, std::chrono::milliseconds (30)));
}

TEST (MainThread, IdleClientsAreWokenAndMayLeaveWhileBeingCalled)
{
    MainThread main;
    int first = 0, second = 0;
    int secondHandle = 0;
    main.AddIdleClient (
        [&]
        {
            ++first;
            main.RemoveIdleClient (secondHandle);
        });
    secondHandle = main.AddIdleClient ([&] { ++second; });
    ASSERT_TRUE (main.PumpUntil ([&] { return first >= 3; }, std::chrono::seconds (5)));
    EXPECT_EQ (0, second);
    EXPECT_GE (main.Wakeups(), 3);
}

TEST (AudioThread, RunsJobsOffTheMainThreadWhileTheMainThreadPumps)
{
    MainThread main;
    AudioThread audio (main);
    std::thread::id jobThread;
    bool answered = false;
    audio.Run (
        [&]
        {
            jobThread = std::this_thread::get_id();
            main.Post ([&] { answered = true; });
        });
    EXPECT_NE (std::this_thread::get_id(), jobThread);
    EXPECT_EQ (audio.Id(), jobThread);
    EXPECT_TRUE (main.PumpUntil ([&] { return answered; }, std::chrono::seconds (5)));
    EXPECT_TRUE (audio.IsIdle());
}

TEST (Chunk, RecordsKeepTheirHeaderAndRefuseShortBytes)
{
    Chunk chunk = Chunk::WithDataSize ('elck', 12);
    EXPECT_EQ ('elck', chunk.ID());
    EXPECT_EQ (12, chunk.DataSize());
    EXPECT_EQ (56u + 12u, chunk.Bytes().size());
    chunk.Record()->fSize = 4;
    chunk.Trim();
    EXPECT_EQ (60u, chunk.Bytes().size());

    Chunk read;
    EXPECT_FALSE (Chunk::FromBytes (std::vector<uint8_t> (55), read));
    std::vector<uint8_t> lying (60, 0);
    const int32_t size = 5; // one byte more than there is
    std::memcpy (lying.data(), &size, sizeof (size));
    EXPECT_FALSE (Chunk::FromBytes (lying, read));
    const int32_t fits = 4;
    std::memcpy (lying.data(), &fits, sizeof (fits));
    EXPECT_TRUE (Chunk::FromBytes (lying, read));
}

TEST (Chunk, FilesThatAreNotChunkFilesAreRefused)
{
    std::vector<Chunk> chunks;
    std::string error;
    EXPECT_FALSE (ReadChunkFile ("/nonexistent/chunks.bin", chunks, error));
    EXPECT_FALSE (error.empty());
}
