/*
    The process-wide idle hook behind TimerWakeup.
*/
#include "AAX_PlatformIdle.h"

#include <atomic>

namespace
{
// Set by a static initialiser of the plug-in and read from any host thread.
std::atomic<AAX_IdleHook> sIdleHook { nullptr };
} // namespace

void AAX_SetIdleHook (AAX_IdleHook hook)
{
    sIdleHook.store (hook, std::memory_order_release);
}

void AAX_RunIdleHook()
{
    if (const AAX_IdleHook hook = sIdleHook.load (std::memory_order_acquire))
        hook();
}
