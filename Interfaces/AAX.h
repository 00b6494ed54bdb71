/*
    Basic types and macros of the AAX interface library, shared by the plug-in, its framework
    client and the host.
*/
#pragma once

#include <cstddef>
#include <cstdint>

typedef int32_t AAX_Result;
typedef uint32_t AAX_CTypeID;
typedef const char* AAX_CParamID;
typedef int32_t AAX_CFieldIndex;
typedef uint8_t AAX_CBoolean;
typedef float AAX_CSampleRate;
typedef int32_t AAX_CPropertyValue;
typedef uint32_t AAX_CSelector;
typedef int32_t AAX_CTargetPlatform;

// Process procedures are plain C-compatible functions; no calling-convention decoration is
// needed on the platforms we build for.
#define AAX_CALLBACK

// The port of a context member: its offset counted in pointer-sized slots, because every
// field of an algorithm context is one pointer wide.
#define AAX_FIELD_INDEX(aContextType, aMember) static_cast<AAX_CFieldIndex> (offsetof (aContextType, aMember) / sizeof (void*))

struct AAX_Point
{
    AAX_Point() = default;
    AAX_Point (float v, float h) : vert (v), horz (h) {}

    float vert = 0.0f;
    float horz = 0.0f;
};

// Identifies one plug-in type by manufacturer, product and type ID (four-character codes).
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};
