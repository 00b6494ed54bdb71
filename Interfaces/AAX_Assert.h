/*
    Assertion reporting: a failed condition is sent to the host (while host services exist) and
    execution goes on.
*/
#pragma once

#include "AAX_CHostServices.h"

// The flag every library assertion reports with.
constexpr int32_t AAX_kAssertFlags = 1;

// Reports a failed condition under a fixed source name and line, so the host's reports stay
// comparable across builds and compilers.
#define AAX_ASSERT_AT(aSource, aLine, aCondition)                                                                                \
    do                                                                                                                           \
    {                                                                                                                            \
        if (!(aCondition))                                                                                                       \
            AAX_CHostServices::HandleAssertFailure ((aSource), (aLine), #aCondition, AAX_kAssertFlags);                          \
    } while (false)

#define AAX_ASSERT(aCondition) AAX_ASSERT_AT (__FILE__, __LINE__, aCondition)
