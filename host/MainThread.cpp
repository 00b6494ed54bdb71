/*
    MainThread: the queue of posted work and the idle pump.
*/
#include "MainThread.h"

#include <vector>

namespace duveline::host
{
MainThread::MainThread() : mThread (std::this_thread::get_id()), mNextWakeup (std::chrono::steady_clock::now()) {}

void MainThread::Post (std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> guard (mLock);
        mTasks.push_back (std::move (task));
        mSignalled = true;
    }
    mSignal.notify_one();
}

void MainThread::Notify()
{
    {
        std::lock_guard<std::mutex> guard (mLock);
        mSignalled = true;
    }
    mSignal.notify_one();
}

int MainThread::AddIdleClient (std::function<void()> client)
{
    const int handle = mNextHandle++;
    mIdleClients.emplace (handle, std::move (client));
    return handle;
}

void MainThread::RemoveIdleClient (int handle)
{
    mIdleClients.erase (handle);
}

void MainThread::RunTasks()
{
    for (;;)
    {
        std::function<void()> task;
        {
            std::lock_guard<std::mutex> guard (mLock);
            if (mTasks.empty())
                return;
            task = std::move (mTasks.front());
            mTasks.pop_front();
        }
        // Outside the lock: a task may post further work.
        task();
        ++mTasksRun;
    }
}

void MainThread::Pump()
{
    RunTasks();
    const auto now = std::chrono::steady_clock::now();
    if (now < mNextWakeup)
        return;
    mNextWakeup = now + kWakeupInterval;
    ++mWakeups;
    // A client may remove itself (or another) while being called: walk a copy of the handles.
    std::vector<int> handles;
    for (const auto& entry : mIdleClients)
        handles.push_back (entry.first);
    for (int handle : handles)
    {
        const auto found = mIdleClients.find (handle);
        if (found != mIdleClients.end())
            found->second();
    }
}

bool MainThread::PumpUntil (const std::function<bool()>& done, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    for (;;)
    {
        Pump();
        if (done())
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        std::unique_lock<std::mutex> lock (mLock);
        mSignal.wait_until (lock, std::min (deadline, mNextWakeup), [this] { return mSignalled; });
        mSignalled = false;
    }
}
} // namespace duveline::host
