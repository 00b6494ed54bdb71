/*
    The description function of the library's unit tests: each test installs what the bundle
    should describe, and a recorder of what reached the host's services.
*/
#pragma once

#include "AAX_ICollection.h"

#include <functional>

namespace duveline::test
{
// Called by GetEffectDescriptions; returns AAX_SUCCESS without doing anything when empty.
void SetDescription (std::function<AAX_Result (AAX_ICollection*)> describe);

// Restores the empty description when a test ends.
class ScopedDescription
{
public:
    explicit ScopedDescription (std::function<AAX_Result (AAX_ICollection*)> describe) { SetDescription (std::move (describe)); }
    ~ScopedDescription() { SetDescription (nullptr); }
};
} // namespace duveline::test
