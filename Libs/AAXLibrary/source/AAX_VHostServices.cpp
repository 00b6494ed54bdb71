/*
    AAX_VHostServices: forwards assertion reports, traces and stack traces to the host's
    diagnostic services, version by version.
*/
#include "AAX_VHostServices.h"

#include "AAX_Errors.h"
#include "AAX_HostFactory.h"
#include "AAX_UIDs.h"

AAX_VHostServices::AAX_VHostServices (IACFUnknown* host)
{
    ACFPtr<IACFComponentFactory> factory;
    if (!AAX::AcquireComponentFactoryOrThrow (host, factory))
        return;

    AAX::CreateHostObject (*factory, AAXCompID_HostServices, IID_IAAXHostServicesV1, mHostServicesV1);
    AAX::CreateHostObject (*factory, AAXCompID_HostServices, IID_IAAXHostServicesV2, mHostServicesV2);
    AAX::CreateHostObject (*factory, AAXCompID_HostServices, IID_IAAXHostServicesV3, mHostServicesV3);
}

// Members go in reverse order of declaration: V3, then V2, then V1.
AAX_VHostServices::~AAX_VHostServices() = default;

AAX_Result AAX_VHostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) const
{
    if (!mHostServicesV3)
        return AAX_ERROR_NULL_OBJECT;
    return mHostServicesV3->HandleAssertFailure (file, line, note, flags);
}

AAX_Result AAX_VHostServices::Trace (int32_t priority, const char* message) const
{
    if (!mHostServicesV1)
        return AAX_ERROR_NULL_OBJECT;
    return mHostServicesV1->Trace (priority, message);
}

AAX_Result AAX_VHostServices::StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) const
{
    if (!mHostServicesV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mHostServicesV2->StackTrace (traceLevel, stackTraceLevel, message);
}
