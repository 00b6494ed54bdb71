/*
    Real-time safety of processBlock: once a block length has been prepared,
    a block allocates nothing and takes no mutex, also when controls move.
    The host's real-time probe, linked into this binary, interposes malloc and
    pthread_mutex_lock to count both on the calling thread while processBlock runs.
*/
#include "ProcessorFixture.h"

#include "RealtimeProbe.h"

namespace realtime = duveline::host::realtime;

struct RealtimeCase
{
    double rate;
    int block;
    int channels;
};

std::ostream& operator<< (std::ostream& out, const RealtimeCase& c)
{
    return out << c.rate << " Hz, " << c.block << " samples, " << c.channels << " channels";
}

class RealtimeSafety : public ::testing::TestWithParam<RealtimeCase>
{
};

TEST_P (RealtimeSafety, SteadyBlocksNeitherAllocateNorLock)
{
    ASSERT_TRUE (realtime::Available());
    const auto [rate, block, channels] = GetParam();
    BrenvoAudioProcessor p;
    if (channels == 1)
        setMonoLayout (p);
    p.prepareToPlay (rate, block);

    juce::AudioBuffer<float> buffer (channels, block);
    juce::MidiBuffer midi;
    fillNoise (buffer, 1);
    p.processBlock (buffer, midi); // first block at this length may prepare

    for (int b = 0; b < 12; ++b)
    {
        // Move a control before every other block, so weight glides run too.
        if (b % 2 == 0)
        {
            setParameter (p, "Width", static_cast<float> (b) - 5.0f);
            setParameter (p, "Input Gain", static_cast<float> (b) * 0.5f);
            setParameter (p, "Width EQ Switch", b % 4 == 0 ? 0.0f : 1.0f);
        }
        fillNoise (buffer, static_cast<unsigned> (b));

        realtime::Begin();
        p.processBlock (buffer, midi);
        const realtime::Counts counts = realtime::End();
        EXPECT_EQ (counts.allocations, 0) << "block " << b;
        EXPECT_EQ (counts.locks, 0) << "block " << b;
    }
    EXPECT_TRUE (allFinite (buffer));
}

INSTANTIATE_TEST_SUITE_P (Layouts, RealtimeSafety,
                          ::testing::Values (RealtimeCase { 44100.0, 512, 2 }, RealtimeCase { 48000.0, 64, 2 },
                                             RealtimeCase { 96000.0, 256, 2 }, RealtimeCase { 48000.0, 128, 1 },
                                             RealtimeCase { 384000.0, 1, 2 }));

TEST (RealtimeSafety, CountersSeeAllocations)
{
    realtime::Begin();
    // Kept in volatile pointers, so that the compiler cannot drop an allocation it sees unused.
    void* volatile p = std::malloc (64);
    std::free (p);
    auto* volatile v = new std::vector<int> (100);
    delete v;
    EXPECT_GE (realtime::End().allocations, 3);
}
