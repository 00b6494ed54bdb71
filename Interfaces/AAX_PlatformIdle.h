/*
    The process-wide idle hook, a platform addition for Linux: hosts call TimerWakeup
    periodically on their main thread, and the effect-parameters and GUI bases pass that call on
    to the hook, which the plug-in framework's client sets once to pump its message queue.
*/
#pragma once

typedef void (*AAX_IdleHook)();

// Installs hook for the whole process (null removes it).
void AAX_SetIdleHook (AAX_IdleHook hook);
// Runs the hook if one is installed; the hook itself decides whether this thread may idle.
void AAX_RunIdleHook();
