/*
    Plain procedure types registered during description: the real-time process procedure, the
    instance-initialisation procedure and the background procedure.
*/
#pragma once

#include "AAX_Enums.h"

typedef void (AAX_CALLBACK* AAX_CProcessProc) (void* const inInstancesBegin[], const void* inInstancesEnd);
typedef int32_t (AAX_CALLBACK* AAX_CInstanceInitProc) (const void* inInstanceContext, AAX_EComponentInstanceInitAction inAction);
typedef int32_t (AAX_CALLBACK* AAX_CBackgroundProc)();
