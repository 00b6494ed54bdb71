/*
    MainThread: the host's main thread, where every effect-parameters and GUI call runs. Other
    threads post work to it; while it waits (for the audio thread, or for a condition in a test)
    it runs that work and wakes the plug-in's idle clients at a steady rate.
*/
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace duveline::host
{
class MainThread
{
public:
    // Idle clients are woken at least this often while the main thread pumps: 100 Hz.
    static constexpr std::chrono::milliseconds kWakeupInterval { 10 };

    // The constructing thread becomes the main thread.
    MainThread();

    MainThread (const MainThread&) = delete;
    MainThread& operator= (const MainThread&) = delete;

    bool IsCurrent() const { return std::this_thread::get_id() == mThread; }

    // Any thread: queues task for the main thread and wakes it.
    void Post (std::function<void()> task);
    // Any thread: wakes a waiting main thread so that it re-checks its condition.
    void Notify();

    // Main thread: an idle client is called on every wake-up until removed.
    int AddIdleClient (std::function<void()> client);
    void RemoveIdleClient (int handle);

    // Main thread: runs the queued tasks, then the idle clients when a wake-up is due.
    void Pump();
    // Main thread: pumps until done() holds; false when bound passes first.
    bool PumpUntil (const std::function<bool()>& done, std::chrono::milliseconds bound);

    int64_t Wakeups() const { return mWakeups; }
    int64_t TasksRun() const { return mTasksRun; }

private:
    void RunTasks();

    const std::thread::id mThread;
    std::mutex mLock; // guards mTasks and mSignalled
    std::condition_variable mSignal;
    std::deque<std::function<void()>> mTasks;
    bool mSignalled = false;

    std::map<int, std::function<void()>> mIdleClients;
    int mNextHandle = 1;
    std::chrono::steady_clock::time_point mNextWakeup;
    int64_t mWakeups = 0;
    int64_t mTasksRun = 0;
};
} // namespace duveline::host
