/*
    Host interfaces of the host's diagnostic services, versions 1 to 3. Each version continues
    the entry numbering of the one before.
*/
#pragma once

#include "AAX.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_Result Assert (const char* file, int32_t line, const char* note) = 0; // entry 3
    virtual AAX_Result Trace (int32_t priority, const char* message) = 0;             // entry 4

protected:
    ~AAX_IACFHostServices() = default;
};

class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) = 0; // entry 5

protected:
    ~AAX_IACFHostServices_V2() = default;
};

class AAX_IACFHostServices_V3 : public AAX_IACFHostServices_V2
{
public:
    virtual AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) = 0; // entry 6

protected:
    ~AAX_IACFHostServices_V3() = default;
};
