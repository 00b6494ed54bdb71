/*
    Basic types of the component interfaces shared by the host and the plug-in: the result type,
    the 16-byte interface identifier and the result codes every interface query can give.
*/
#pragma once

#include <cstdint>
#include <cstring>

typedef int32_t acfResult;
typedef uint32_t acfUInt32;

// A 16-byte interface identifier in the usual GUID record layout. The three numeric fields are
// stored in host byte order (little-endian on every supported platform), the eight bytes in order.
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

typedef _acfUID acfUID;
typedef _acfUID acfIID;

static_assert (sizeof (_acfUID) == 16, "an interface identifier must be exactly 16 bytes");

// Identifiers compare by their bytes, never by field values alone, so padding can never matter.
inline bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    return std::memcmp (&a, &b, sizeof (_acfUID)) == 0;
}

inline bool operator!= (const _acfUID& a, const _acfUID& b) noexcept
{
    return !(a == b);
}

// Results of the interface plumbing (queries, factories, entry points).
enum : acfResult
{
    ACF_OK = 0,
    ACF_E_NOINTERFACE = static_cast<acfResult> (0x80000004u),
    ACF_E_POINTER = static_cast<acfResult> (0x80000005u),
    ACF_E_UNEXPECTED = static_cast<acfResult> (0x8000FFFFu)
};
