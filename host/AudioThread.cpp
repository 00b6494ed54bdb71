/*
    AudioThread: a worker thread that runs one job at a time.
*/
#include "AudioThread.h"

#include <chrono>

namespace duveline::host
{
AudioThread::AudioThread (MainThread& mainThread) : mMainThread (mainThread), mThread ([this] { Loop(); }) {}

AudioThread::~AudioThread()
{
    {
        std::lock_guard<std::mutex> guard (mLock);
        mStop = true;
    }
    mHasJob.notify_one();
    mThread.join();
}

void AudioThread::Submit (std::function<void()> job)
{
    Wait();
    mIdle = false;
    {
        std::lock_guard<std::mutex> guard (mLock);
        mJob = std::move (job);
    }
    mHasJob.notify_one();
}

void AudioThread::Wait()
{
    // A job has no time bound of its own (a long render is one job): wait as long as it runs.
    while (!mMainThread.PumpUntil ([this] { return mIdle.load(); }, std::chrono::hours (1)))
    {
    }
}

void AudioThread::Run (std::function<void()> job)
{
    Submit (std::move (job));
    Wait();
}

void AudioThread::Loop()
{
    for (;;)
    {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> lock (mLock);
            mHasJob.wait (lock, [this] { return mStop || mJob != nullptr; });
            if (mJob == nullptr)
                return;
            job = std::move (mJob);
            mJob = nullptr;
        }
        job();
        mIdle = true;
        mMainThread.Notify();
    }
}
} // namespace duveline::host
