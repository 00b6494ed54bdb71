/*
    AudioThread: the host's audio thread. The main thread hands it a job (one block, or a run of
    blocks) and goes on with its own work; waiting for the job pumps the main thread.
*/
#pragma once

#include "MainThread.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace duveline::host
{
class AudioThread
{
public:
    explicit AudioThread (MainThread& mainThread);
    ~AudioThread();

    AudioThread (const AudioThread&) = delete;
    AudioThread& operator= (const AudioThread&) = delete;

    // Main thread: starts job on the audio thread; a job still running is waited for first.
    void Submit (std::function<void()> job);
    // Main thread: pumps the main thread until the submitted job has run.
    void Wait();
    // Main thread: Submit, then Wait.
    void Run (std::function<void()> job);

    bool IsIdle() const { return mIdle.load(); }
    std::thread::id Id() const { return mThread.get_id(); }

private:
    void Loop();

    MainThread& mMainThread;
    std::mutex mLock; // guards mJob and mStop: only between jobs, never inside one
    std::condition_variable mHasJob;
    std::function<void()> mJob;
    bool mStop = false;
    std::atomic<bool> mIdle { true };
    std::thread mThread;
};
} // namespace duveline::host
