/*
    AAX_CMutex: an owner-aware mutex over POSIX threads (a thread that already holds it is not
    blocked by its own second lock), and AAX_StLock_Guard, its scoped guard.
*/
#pragma once

#include <memory>

class AAX_CMutex
{
public:
    // A mutex whose platform lock cannot be set up is inert: Lock returns false, Unlock does nothing.
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    // True when this call took the lock; false when inert or when the calling thread holds it already.
    bool Lock();
    // Releases the lock only when the calling thread holds it.
    void Unlock();

private:
    struct State;
    struct StateDeleter
    {
        void operator() (State* state) const;
    };
    std::unique_ptr<State, StateDeleter> mState;
};

class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& mutex) : mMutex (mutex), mLocked (mutex.Lock()) {}
    // Only the guard that took the lock releases it, so nested guards on one thread are safe.
    ~AAX_StLock_Guard()
    {
        if (mLocked)
            mMutex.Unlock();
    }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mMutex;
    bool mLocked;
};
