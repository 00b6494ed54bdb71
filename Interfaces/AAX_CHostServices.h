/*
    AAX_CHostServices: process-wide access to the host's diagnostic services, installed by
    ACFStartup and removed by ACFShutdown. Without it traces and assertion reports are dropped.
*/
#pragma once

#include "AAX.h"

class IACFUnknown;
class AAX_IHostServices;

// Trace priorities the library uses.
enum AAX_ETracePriorityHost : int32_t
{
    AAX_eTracePriorityHost_None = 0,
    AAX_eTracePriorityHost_Critical = 0x10000000,
    AAX_eTracePriorityHost_High = 0x08000000,
    AAX_eTracePriorityHost_Normal = 0x04000000,
    AAX_eTracePriorityHost_Low = 0x02000000,
    AAX_eTracePriorityHost_Lowest = 0x01000000
};

class AAX_CHostServices
{
public:
    AAX_CHostServices() = delete;

    // Non-null host and no proxy yet: installs one. Null host: removes the proxy. Otherwise
    // nothing (a second host keeps the first proxy). Exceptions from the proxy pass on.
    static void Set (IACFUnknown* host);
    static AAX_IHostServices* Get();

    static AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags);
    // printf-style; the text is cut to 511 characters. AAX_RESULT_TRACE_FORMAT_FAILED when the
    // format cannot be applied.
    static AAX_Result Trace (int32_t priority, const char* format, ...)
#if defined(__GNUC__)
        __attribute__ ((format (printf, 2, 3)))
#endif
        ;

    // Size of the buffer a trace is formatted into, terminator included.
    static constexpr size_t kTraceBufferSize = 512;
};
