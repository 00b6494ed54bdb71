/*
    AAX_VFeatureInfo: the host's support level and properties for one feature.
*/
#include "AAX_VFeatureInfo.h"

#include "AAX_Errors.h"
#include "AAX_VPropertyMap.h"

AAX_VFeatureInfo::AAX_VFeatureInfo (IACFUnknown* featureInfo, const AAX_Feature_UID& feature) : mFeatureID (feature)
{
    ACFQuery (featureInfo, IID_IAAXFeatureInfoV1, mFeatureInfo);
}

AAX_VFeatureInfo::~AAX_VFeatureInfo() = default;

AAX_Result AAX_VFeatureInfo::SupportLevel (AAX_ESupportLevel& outSupportLevel) const
{
    if (!mFeatureInfo)
        return AAX_ERROR_NULL_OBJECT;
    return mFeatureInfo->SupportLevel (outSupportLevel);
}

const AAX_IPropertyMap* AAX_VFeatureInfo::AcquireProperties() const
{
    if (!mFeatureInfo)
        return nullptr;

    ACFPtr<IACFUnknown> answer;
    if (mFeatureInfo->AcquireProperties (answer.Receive()) != AAX_SUCCESS)
    {
        answer.Detach();
        return nullptr;
    }
    if (!answer)
        return nullptr;

    // The map takes references of its own; the host's reference goes with answer.
    return AAX_VPropertyMap::Acquire (answer.Get()).release();
}
