/*
    A host's string interface whose Get() answers null, as a careless host's may.
*/
#pragma once

#include "AAX_IString.h"

namespace duveline::test
{
class NullTextString : public AAX_IString
{
public:
    uint32_t Length() const override { return 0; }
    uint32_t MaxLength() const override { return 0; }
    const char* Get() const override { return nullptr; }
    void Set (const char*) override {}
    AAX_IString& operator= (const AAX_IString&) override { return *this; }
    AAX_IString& operator= (const char*) override { return *this; }
};
} // namespace duveline::test
