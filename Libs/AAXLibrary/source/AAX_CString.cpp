/*
    AAX_CString: the library's string over std::string.
*/
#include "AAX_CString.h"

#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>

namespace
{
// A host's string may answer Get() with null; that reads as empty text rather than as an
// exception thrown through the host's call.
const char* TextOrEmpty (const char* text)
{
    return text != nullptr ? text : "";
}
} // namespace

AAX_CString::AAX_CString (const char* text) : mString (TextOrEmpty (text)) {}

AAX_CString::AAX_CString (const AAX_IString& other) : AAX_IString(), mString (TextOrEmpty (other.Get())) {}

uint32_t AAX_CString::Length() const
{
    return static_cast<uint32_t> (mString.size());
}

uint32_t AAX_CString::MaxLength() const
{
    return kMaxLength;
}

const char* AAX_CString::Get() const
{
    return mString.c_str();
}

void AAX_CString::Set (const char* text)
{
    mString.assign (TextOrEmpty (text));
}

AAX_IString& AAX_CString::operator= (const AAX_IString& other)
{
    // Copy first: other may be this very string.
    std::string copy (TextOrEmpty (other.Get()));
    mString.swap (copy);
    return *this;
}

AAX_IString& AAX_CString::operator= (const char* text)
{
    Set (text);
    return *this;
}

AAX_CString& AAX_CString::operator= (const AAX_CString& other)
{
    if (this != &other)
        mString = other.mString;
    return *this;
}

const char* AAX_CString::CString() const
{
    return Get();
}

void AAX_CString::Clear()
{
    mString.clear();
}

AAX_CString& AAX_CString::Erase (uint32_t pos, uint32_t count)
{
    mString.erase (pos, count);
    return *this;
}

void AAX_CString::SubString (uint32_t pos, uint32_t count, AAX_IString* out) const
{
    out->Set (mString.substr (pos, count).c_str());
}

AAX_CString& AAX_CString::AppendNumber (double value, int32_t precision)
{
    // The classic locale keeps '.' as the decimal point and rules out digit grouping whatever
    // the process locale is.
    std::ostringstream stream;
    stream.imbue (std::locale::classic());
    stream << std::fixed << std::setprecision (precision) << value;
    mString += stream.str();
    return *this;
}

bool AAX_CString::ToDouble (double* out) const
{
    std::istringstream stream (mString);
    stream.imbue (std::locale::classic());
    double value = 0.0;
    stream >> value;
    if (stream.fail())
    {
        *out = 0.0;
        return false;
    }
    *out = value;
    return true;
}

bool AAX_CString::operator== (const AAX_CString& other) const
{
    return std::strcmp (Get(), other.Get()) == 0;
}

bool AAX_CString::operator!= (const AAX_CString& other) const
{
    return !(*this == other);
}

bool AAX_CString::operator!= (const char* text) const
{
    return std::strcmp (Get(), text) != 0;
}

char& AAX_CString::operator[] (uint32_t index)
{
    return mString[index];
}

const char& AAX_CString::operator[] (uint32_t index) const
{
    return mString[index];
}
