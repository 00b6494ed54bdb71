/*
    AAX_CMutex: the owner-aware mutex. The owner is an atomic thread identity, because Lock reads
    it without holding the mutex while the holder writes it.
*/
#include "AAX_CMutex.h"

#include <atomic>
#include <new>
#include <pthread.h>
#include <thread>

// The owner and the platform mutex live in one block, absent when the mutex could not be set up.
struct AAX_CMutex::State
{
    // A thread can only find its own identity here if it stored it itself, so relaxed order is
    // enough for the owner check; the platform mutex orders everything else.
    std::atomic<std::thread::id> mOwner {};
    pthread_mutex_t mSysMutex;
};

void AAX_CMutex::StateDeleter::operator() (State* state) const
{
    pthread_mutex_destroy (&state->mSysMutex);
    delete state;
}

AAX_CMutex::AAX_CMutex()
{
    auto* state = new (std::nothrow) State;
    if (state == nullptr)
        return;
    if (pthread_mutex_init (&state->mSysMutex, nullptr) != 0)
    {
        delete state;
        return;
    }
    mState.reset (state);
}

AAX_CMutex::~AAX_CMutex() = default;

bool AAX_CMutex::Lock()
{
    if (!mState)
        return false;
    const std::thread::id self = std::this_thread::get_id();
    if (mState->mOwner.load (std::memory_order_relaxed) == self)
        return false;
    if (pthread_mutex_lock (&mState->mSysMutex) != 0)
        return false;
    mState->mOwner.store (self, std::memory_order_relaxed);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (!mState || mState->mOwner.load (std::memory_order_relaxed) != std::this_thread::get_id())
        return;
    mState->mOwner.store (std::thread::id(), std::memory_order_relaxed);
    pthread_mutex_unlock (&mState->mSysMutex);
}
