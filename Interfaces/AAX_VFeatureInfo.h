/*
    AAX_VFeatureInfo: the proxy over the host's support information for one feature.
*/
#pragma once

#include "AAX_IACFDescriptionHost.h"
#include "AAX_IFeatureInfo.h"
#include "ACF/ACFPtr.h"

class AAX_VFeatureInfo : public AAX_IFeatureInfo
{
public:
    // Takes its own reference on the feature-info interface of featureInfo; the caller keeps
    // (and releases) the one it holds.
    AAX_VFeatureInfo (IACFUnknown* featureInfo, const AAX_Feature_UID& feature);
    ~AAX_VFeatureInfo() override;

    AAX_VFeatureInfo (const AAX_VFeatureInfo&) = delete;
    AAX_VFeatureInfo& operator= (const AAX_VFeatureInfo&) = delete;

    AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) const override;
    const AAX_IPropertyMap* AcquireProperties() const override;
    const AAX_Feature_UID& ID() const override { return mFeatureID; }

private:
    AAX_Feature_UID mFeatureID;
    ACFPtr<AAX_IACFFeatureInfo> mFeatureInfo;
};
