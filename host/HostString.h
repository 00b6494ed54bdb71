/*
    HostString: the host's own AAX_IString, a plain text the plug-in reads and writes through the
    interface when it answers names, value texts and identifiers.
*/
#pragma once

#include "AAX_IString.h"

#include <string>

namespace duveline::host
{
class HostString final : public AAX_IString
{
public:
    HostString() = default;
    explicit HostString (std::string text) : mText (std::move (text)) {}
    HostString (const HostString&) = default;

    uint32_t Length() const override { return static_cast<uint32_t> (mText.size()); }
    uint32_t MaxLength() const override { return 0xFFFFFFFEu; }
    const char* Get() const override { return mText.c_str(); }
    void Set (const char* text) override { mText = text != nullptr ? text : ""; }
    AAX_IString& operator= (const AAX_IString& other) override
    {
        Set (other.Get());
        return *this;
    }
    AAX_IString& operator= (const char* text) override
    {
        Set (text);
        return *this;
    }

    const std::string& Text() const { return mText; }

private:
    std::string mText;
};
} // namespace duveline::host
