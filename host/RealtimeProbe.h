/*
    RealtimeProbe: counts heap allocations and contended mutex waits on the calling thread while
    counting is on. Only duveline-host built without sanitizers carries the counting allocator;
    elsewhere Available() is false and nothing is counted.
*/
#pragma once

#include <cstdint>

namespace duveline::host::realtime
{
struct Counts
{
    int64_t allocations = 0;
    int64_t contendedLocks = 0; // pthread_mutex_lock calls that found the mutex taken
    int64_t locks = 0;          // every pthread_mutex_lock call
};

bool Available();
// The calling thread's counting: Begin zeroes its counts and starts, End stops and returns them.
void Begin();
Counts End();
} // namespace duveline::host::realtime
