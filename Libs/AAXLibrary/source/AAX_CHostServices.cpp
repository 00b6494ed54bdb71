/*
    AAX_CHostServices: the process-wide host-services proxy and the formatting of traces.
*/
#include "AAX_CHostServices.h"

#include "AAX_Errors.h"
#include "AAX_VHostServices.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>

namespace
{
// Written only by Set (startup and shutdown); read by traces from any thread.
std::atomic<AAX_VHostServices*> sHostServices { nullptr };
} // namespace

void AAX_CHostServices::Set (IACFUnknown* host)
{
    if (host != nullptr)
    {
        if (sHostServices.load (std::memory_order_acquire) != nullptr)
            return;
        auto proxy = std::make_unique<AAX_VHostServices> (host);
        sHostServices.store (proxy.release(), std::memory_order_release);
        return;
    }

    std::unique_ptr<AAX_VHostServices> old (sHostServices.exchange (nullptr, std::memory_order_acq_rel));
}

AAX_IHostServices* AAX_CHostServices::Get()
{
    return sHostServices.load (std::memory_order_acquire);
}

AAX_Result AAX_CHostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags)
{
    const AAX_IHostServices* services = Get();
    if (services == nullptr)
        return AAX_SUCCESS;
    return services->HandleAssertFailure (file, line, note, flags);
}

AAX_Result AAX_CHostServices::Trace (int32_t priority, const char* format, ...)
{
    const AAX_IHostServices* services = Get();
    if (services == nullptr)
        return AAX_SUCCESS;

    // On the caller's stack, so concurrent traces share nothing.
    char message[kTraceBufferSize];
    va_list args;
    va_start (args, format);
    const int written = std::vsnprintf (message, sizeof (message), format, args);
    va_end (args);
    if (written < 0)
        return AAX_RESULT_TRACE_FORMAT_FAILED;

    return services->Trace (priority, message);
}
