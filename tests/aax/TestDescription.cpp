/*
    GetEffectDescriptions for the unit tests, forwarding to whatever the running test installed.
*/
#include "TestDescription.h"

#include "AAX_Errors.h"

namespace
{
std::function<AAX_Result (AAX_ICollection*)>& Description()
{
    static std::function<AAX_Result (AAX_ICollection*)> describe;
    return describe;
}
} // namespace

void duveline::test::SetDescription (std::function<AAX_Result (AAX_ICollection*)> describe)
{
    Description() = std::move (describe);
}

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    return Description() ? Description() (collection) : AAX_SUCCESS;
}
