/*
    Reading through the C library with an explicit "C" locale object, writing through
    std::to_chars, which never looks at a locale.
*/
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace NumberText
{
namespace
{
constexpr int maxDecimals = 17;

locale_t cLocale()
{
    static const locale_t c = newlocale (LC_ALL_MASK, "C", locale_t {});
    return c;
}

bool isCSpace (char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

double read (const juce::String& text)
{
    const char* const start = text.toRawUTF8();

    // strtod would read "0x10" as sixteen; the number is the 0 in front of the x.
    const char* digits = start;
    while (isCSpace (*digits))
        ++digits;
    const bool negative = *digits == '-';
    if (*digits == '-' || *digits == '+')
        ++digits;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        return negative ? -0.0 : 0.0;

    // Unlike the framework's reader, strtod_l cannot overflow on an exponent like 1e9999999999.
    const locale_t c = cLocale();
    return c != locale_t {} ? strtod_l (start, nullptr, c) : 0.0;
}

juce::String withDecimals (double value, int decimals)
{
    // Room for the largest double written out in full, with sign, point and decimals.
    char text[std::numeric_limits<double>::max_exponent10 + 4 + maxDecimals];
    const auto written = std::to_chars (std::begin (text), std::end (text), value, std::chars_format::fixed,
                                        std::clamp (decimals, 0, maxDecimals));
    return juce::String (text, static_cast<size_t> (written.ptr - text));
}

juce::String exact (double value)
{
    char text[32];
    const auto written = std::to_chars (std::begin (text), std::end (text), value);
    juce::String result (text, static_cast<size_t> (written.ptr - text));
    if (std::isfinite (value) && !result.containsAnyOf (".e"))
        result << ".0";
    return result;
}
} // namespace NumberText
