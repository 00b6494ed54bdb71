/*
    AAX_CParameterManager: ownership and lookup of an effect's parameters.
*/
#include "AAX_CParameterManager.h"

#include <cstring>

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

bool AAX_CParameterManager::AddParameter (AAX_IParameter* parameter)
{
    if (parameter == nullptr || mParametersByID.count (parameter->Identifier()) != 0)
        return false;
    parameter->SetAutomationDelegate (mAutomationDelegate);
    mParameters.emplace_back (parameter);
    mParametersByID.emplace (parameter->Identifier(), parameter);
    return true;
}

void AAX_CParameterManager::RemoveAllParameters()
{
    // In insertion order, each unregistering itself while the host link still exists.
    for (auto& parameter : mParameters)
        parameter.reset();
    mParameters.clear();
    mParametersByID.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager*> (this)->GetParameterByID (identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return nullptr;
    const auto found = mParametersByID.find (identifier);
    return found != mParametersByID.end() ? found->second : nullptr;
}

int32_t AAX_CParameterManager::GetParameterIndex (AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return -1;
    for (size_t index = 0; index < mParameters.size(); ++index)
        if (std::strcmp (mParameters[index]->Identifier(), identifier) == 0)
            return static_cast<int32_t> (index);
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager*> (this)->GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index) const
{
    if (index < 0 || static_cast<size_t> (index) >= mParameters.size())
        return nullptr;
    return mParameters[static_cast<size_t> (index)].get();
}
