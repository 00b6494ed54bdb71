/*
    AAX_CStringAbbreviations: a parameter's primary name and its shortened names, one per length,
    for displays of limited width.
*/
#pragma once

#include "AAX_CString.h"

#include <map>

class AAX_CStringAbbreviations
{
public:
    explicit AAX_CStringAbbreviations (const AAX_CString& primary);

    void SetPrimary (const AAX_CString& primary) { mPrimary = primary; }
    const AAX_CString& Primary() const { return mPrimary; }

    // Keyed by the name's length: a name of a length already present replaces the earlier one.
    void Add (const AAX_CString& abbreviation);
    // The primary name when it fits, when length is negative or when there are no shortened
    // names; else the longest shortened name that fits, or the shortest when none fits.
    const AAX_CString& Get (int32_t length) const;
    void Clear() { mAbbreviations.clear(); }

private:
    AAX_CString mPrimary;
    std::map<uint32_t, AAX_CString> mAbbreviations;
};
