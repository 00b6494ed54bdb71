/*
    Numbers as text, read and written in one convention whatever locale the host process has set:
    '.' as the decimal point, no digit grouping. The framework's writer follows the process's C++
    locale ("9,5" under a German one) while its reader does not, so every number the plug-in
    stores, shows or reads back goes through here.
*/
#pragma once

#include <juce_core/juce_core.h>

namespace NumberText
{
/** The number a text starts with, after leading white space and an optional sign: 0 when there
    is none, NaN for "nan", an infinity for "inf" or an exponent beyond the double range.
    Hexadecimal is not read ("0x10" is the 0 it starts with). Texts from hosts, typed values and
    saved states all go through it. */
double read (const juce::String& text);

/** value in fixed notation with exactly `decimals` digits after the point (at most 17). */
juce::String withDecimals (double value, int decimals);

/** The shortest text that reads back as exactly value; whole numbers keep one decimal ("3.0"). */
juce::String exact (double value);
} // namespace NumberText
