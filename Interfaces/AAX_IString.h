/*
    AAX_IString: the text interface that crosses between host and plug-in. Either side may
    implement it; the other reads it only through Get and writes it only through Set.
*/
#pragma once

#include "AAX.h"

// A binary interface shared with the host: its table order (destructors, Length, MaxLength,
// Get, Set, the two assignments) is fixed, so members are added to implementations only.
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    virtual const char* Get() const = 0;
    virtual void Set (const char* text) = 0;
    virtual AAX_IString& operator= (const AAX_IString& other) = 0;
    virtual AAX_IString& operator= (const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};
