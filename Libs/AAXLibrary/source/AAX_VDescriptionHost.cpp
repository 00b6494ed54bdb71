/*
    AAX_VDescriptionHost: asks the host about the features it supports.
*/
#include "AAX_VDescriptionHost.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VFeatureInfo.h"

#include <memory>

AAX_VDescriptionHost::AAX_VDescriptionHost (IACFUnknown* hostUnknown)
{
    // Both answers are optional; a refusal leaves its pointer null.
    ACFQuery (hostUnknown, IID_IAAXDescriptionHostV1, mDescriptionHost);
    ACFQuery (hostUnknown, IID_IACFDefinition, mHostDefinition);
}

AAX_VDescriptionHost::~AAX_VDescriptionHost() = default;

const AAX_IFeatureInfo* AAX_VDescriptionHost::AcquireFeatureProperties (const AAX_Feature_UID& feature) const
{
    if (!mDescriptionHost)
        return nullptr;

    ACFPtr<IACFUnknown> answer;
    if (mDescriptionHost->AcquireFeatureProperties (feature, answer.Receive()) != AAX_SUCCESS)
    {
        // A failing call hands out no reference, whatever it left in the slot.
        answer.Detach();
        return nullptr;
    }
    if (!answer)
        return nullptr;

    // The proxy takes its own reference; ours goes when answer leaves scope.
    return std::make_unique<AAX_VFeatureInfo> (answer.Get(), feature).release();
}
