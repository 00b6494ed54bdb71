/*
    Real-time safety of processBlock: once a block length has been prepared,
    a block allocates nothing and takes no mutex, also when controls move.
    This binary interposes malloc and pthread_mutex_lock to count both on the
    calling thread while processBlock runs.
*/
#include "ProcessorFixture.h"

#include <dlfcn.h>
#include <pthread.h>

extern "C"
{
void* __libc_malloc (size_t);
void* __libc_calloc (size_t, size_t);
void* __libc_realloc (void*, size_t);
void* __libc_memalign (size_t, size_t);
}

namespace
{
thread_local bool counting = false;
std::atomic<int> allocations { 0 };
std::atomic<int> mutexLocks { 0 };

using MutexLock = int (*) (pthread_mutex_t*);
MutexLock realMutexLock()
{
    static const auto real = reinterpret_cast<MutexLock> (dlsym (RTLD_NEXT, "pthread_mutex_lock"));
    return real;
}
const auto resolvedEarly = realMutexLock();

void noteAllocation()
{
    if (counting)
        ++allocations;
}

struct CountingScope
{
    CountingScope()
    {
        allocations = 0;
        mutexLocks = 0;
        counting = true;
    }
    ~CountingScope() { counting = false; }
};
} // namespace

extern "C"
{
void* malloc (size_t size)
{
    noteAllocation();
    return __libc_malloc (size);
}

void* calloc (size_t count, size_t size)
{
    noteAllocation();
    return __libc_calloc (count, size);
}

void* realloc (void* pointer, size_t size)
{
    noteAllocation();
    return __libc_realloc (pointer, size);
}

void* aligned_alloc (size_t alignment, size_t size)
{
    noteAllocation();
    return __libc_memalign (alignment, size);
}

int posix_memalign (void** result, size_t alignment, size_t size)
{
    noteAllocation();
    *result = __libc_memalign (alignment, size);
    return *result != nullptr ? 0 : 12;
}

int pthread_mutex_lock (pthread_mutex_t* mutex)
{
    if (counting)
        ++mutexLocks;
    return realMutexLock() (mutex);
}
}

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
    ASSERT_NE (resolvedEarly, nullptr);
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

        int blockAllocations = 0, blockLocks = 0;
        {
            CountingScope scope;
            p.processBlock (buffer, midi);
            blockAllocations = allocations;
            blockLocks = mutexLocks;
        }
        EXPECT_EQ (blockAllocations, 0) << "block " << b;
        EXPECT_EQ (blockLocks, 0) << "block " << b;
    }
    EXPECT_TRUE (allFinite (buffer));
}

INSTANTIATE_TEST_SUITE_P (Layouts, RealtimeSafety,
                          ::testing::Values (RealtimeCase { 44100.0, 512, 2 }, RealtimeCase { 48000.0, 64, 2 },
                                             RealtimeCase { 96000.0, 256, 2 }, RealtimeCase { 48000.0, 128, 1 },
                                             RealtimeCase { 384000.0, 1, 2 }));

TEST (RealtimeSafety, CountersSeeAllocations)
{
    CountingScope scope;
    auto* p = static_cast<char*> (std::malloc (64));
    std::free (p);
    std::vector<int> v (100);
    EXPECT_GE (allocations.load(), 2);
}
