/*
    Included by framework clients for native-platform helpers; the only one this library offers
    is the idle hook of AAX_PlatformIdle.h.
*/
#pragma once

#include "AAX_PlatformIdle.h"
