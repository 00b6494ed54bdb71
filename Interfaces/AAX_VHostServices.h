/*
    AAX_VHostServices: the proxy over the host's diagnostic services, made through the host's
    component factory. A version the host does not offer answers with a fixed code.
*/
#pragma once

#include "AAX_IACFHostServices.h"
#include "AAX_IHostServices.h"
#include "ACF/ACFPtr.h"

class AAX_VHostServices : public AAX_IHostServices
{
public:
    // Throws the bare result ACF_E_POINTER when the host claims a factory but hands out none.
    explicit AAX_VHostServices (IACFUnknown* host);
    ~AAX_VHostServices() override;

    AAX_VHostServices (const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator= (const AAX_VHostServices&) = delete;

    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) const override;
    AAX_Result Trace (int32_t priority, const char* message) const override;
    AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) const override;

private:
    ACFPtr<AAX_IACFHostServices> mHostServicesV1;
    ACFPtr<AAX_IACFHostServices_V2> mHostServicesV2;
    ACFPtr<AAX_IACFHostServices_V3> mHostServicesV3;
};
