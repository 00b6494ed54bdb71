/*
    The counting side of RealtimeProbe for duveline-host: malloc and its relatives and
    pthread_mutex_lock are interposed for the whole process (the executable exports them, so
    the dynamically loaded plug-in's calls land here) and counted on threads that asked for it.
*/
#include "RealtimeProbe.h"

#include <cerrno>
#include <cstddef>
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
thread_local duveline::host::realtime::Counts counts;

using MutexProc = int (*) (pthread_mutex_t*);
MutexProc Real (const char* name)
{
    return reinterpret_cast<MutexProc> (dlsym (RTLD_NEXT, name));
}
// Resolved before any thread counts: dlsym itself may allocate.
const MutexProc realLock = Real ("pthread_mutex_lock");
const MutexProc realTryLock = Real ("pthread_mutex_trylock");

void NoteAllocation()
{
    if (counting)
        ++counts.allocations;
}
} // namespace

namespace duveline::host::realtime
{
bool Available()
{
    return realLock != nullptr && realTryLock != nullptr;
}

void Begin()
{
    counts = {};
    counting = true;
}

Counts End()
{
    counting = false;
    return counts;
}
} // namespace duveline::host::realtime

extern "C"
{
    void* malloc (size_t size)
    {
        NoteAllocation();
        return __libc_malloc (size);
    }

    void* calloc (size_t count, size_t size)
    {
        NoteAllocation();
        return __libc_calloc (count, size);
    }

    void* realloc (void* pointer, size_t size)
    {
        NoteAllocation();
        return __libc_realloc (pointer, size);
    }

    void* aligned_alloc (size_t alignment, size_t size)
    {
        NoteAllocation();
        return __libc_memalign (alignment, size);
    }

    int posix_memalign (void** result, size_t alignment, size_t size)
    {
        NoteAllocation();
        *result = __libc_memalign (alignment, size);
        return *result != nullptr ? 0 : ENOMEM;
    }

    int pthread_mutex_lock (pthread_mutex_t* mutex)
    {
        if (!counting)
            return realLock (mutex);
        ++counts.locks;
        // A lock that is free is taken at once; one that is not is a wait the audio thread must not make.
        if (realTryLock (mutex) == 0)
            return 0;
        ++counts.contendedLocks;
        return realLock (mutex);
    }
}
