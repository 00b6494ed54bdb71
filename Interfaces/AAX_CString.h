/*
    AAX_CString: the library's string, an AAX_IString over a growable byte string, with the number
    formatting, parsing and editing the parameter and chunk code needs.
*/
#pragma once

#include "AAX_IString.h"

#include <string>

class AAX_CString : public AAX_IString
{
public:
    // Every string reports this bound, one below the largest 32-bit length.
    static constexpr uint32_t kMaxLength = 0xFFFFFFFEu;

    AAX_CString() = default;
    AAX_CString (const char* text);
    AAX_CString (const AAX_CString& other) = default;
    AAX_CString (const AAX_IString& other);
    ~AAX_CString() override = default;

    // AAX_IString
    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set (const char* text) override;
    AAX_IString& operator= (const AAX_IString& other) override;
    AAX_IString& operator= (const char* text) override;

    AAX_CString& operator= (const AAX_CString& other);

    const char* CString() const;
    void Clear();

    // Removes count bytes from pos; a count reaching past the end removes the rest of the text.
    AAX_CString& Erase (uint32_t pos, uint32_t count);
    // Sets out to at most count bytes from pos (fewer when the text ends first).
    void SubString (uint32_t pos, uint32_t count, AAX_IString* out) const;

    // Appends value in fixed notation with exactly precision decimals ("C" locale conventions).
    AAX_CString& AppendNumber (double value, int32_t precision);
    // Reads a number from the start of the text as a stream would; false and 0 when none fits.
    bool ToDouble (double* out) const;

    bool operator== (const AAX_CString& other) const;
    bool operator!= (const AAX_CString& other) const;
    bool operator!= (const char* text) const;

    char& operator[] (uint32_t index);
    const char& operator[] (uint32_t index) const;

private:
    std::string mString;
};
