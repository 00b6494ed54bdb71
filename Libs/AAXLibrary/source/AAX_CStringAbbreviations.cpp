/*
    AAX_CStringAbbreviations: choosing the name that fits a display width.
*/
#include "AAX_CStringAbbreviations.h"

AAX_CStringAbbreviations::AAX_CStringAbbreviations (const AAX_CString& primary) : mPrimary (primary) {}

void AAX_CStringAbbreviations::Add (const AAX_CString& abbreviation)
{
    mAbbreviations[abbreviation.Length()] = abbreviation;
}

const AAX_CString& AAX_CStringAbbreviations::Get (int32_t length) const
{
    if (length < 0 || mAbbreviations.empty() || mPrimary.Length() <= static_cast<uint32_t> (length))
        return mPrimary;

    // The map is ordered by length: the entry before the first longer one is the longest that fits.
    auto firstLonger = mAbbreviations.upper_bound (static_cast<uint32_t> (length));
    if (firstLonger == mAbbreviations.begin())
        return firstLonger->second;
    return std::prev (firstLonger)->second;
}
