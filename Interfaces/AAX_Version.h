/*
    Version of the interface library, as reported to the host by ACFGetSDKVersion and checked by
    framework clients at compile time.
*/
#pragma once

#include <cstdint>

#define AAX_SDK_VERSION (0x0204)
#define AAX_SDK_CURRENT_REVISION (20204000)

// Feature-set markers that framework clients compare with the current revision. This library
// offers the 2.3.0 and 2.3.1 sets (exception and assertion headers) from its current revision
// on; the 2.4.0 marker stays undefined because the transport-notification interfaces it would
// enable do not exist here.
#define AAX_SDK_2p3p0_REVISION AAX_SDK_CURRENT_REVISION
#define AAX_SDK_2p3p1_REVISION AAX_SDK_CURRENT_REVISION

// The 64-bit value handed to the host: the version in the high half, the revision in the low.
#define AAX_SDK_VERSION_AND_REVISION                                                                                             \
    ((static_cast<uint64_t> (AAX_SDK_VERSION) << 32) | static_cast<uint64_t> (AAX_SDK_CURRENT_REVISION))
