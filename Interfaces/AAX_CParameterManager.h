/*
    AAX_CParameterManager: owns an effect's parameters, in insertion order and by identifier, and
    attaches each to the host's automation delegate as it is added.
*/
#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;

class AAX_CParameterManager
{
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    // The delegate every later parameter is attached to (borrowed).
    void Initialize (AAX_IAutomationDelegate* automationDelegate) { mAutomationDelegate = automationDelegate; }

    int32_t NumParameters() const { return static_cast<int32_t> (mParameters.size()); }

    // Takes ownership of parameter unless it is null or its identifier is already present, in
    // which case nothing happens and the caller keeps it. Returns whether it was taken.
    bool AddParameter (AAX_IParameter* parameter);
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID (AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID (AAX_CParamID identifier) const;
    // -1 for a null or unknown identifier.
    int32_t GetParameterIndex (AAX_CParamID identifier) const;
    AAX_IParameter* GetParameter (int32_t index);
    const AAX_IParameter* GetParameter (int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersByID;
};
