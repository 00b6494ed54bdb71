/*
    AAX_VDescriptionHost: the proxy over the host's description host and its definition object.
*/
#pragma once

#include "AAX_IACFDescriptionHost.h"
#include "AAX_IDescriptionHost.h"
#include "ACF/ACFPtr.h"
#include "ACF/IACFDefinition.h"

class AAX_VDescriptionHost : public AAX_IDescriptionHost
{
public:
    explicit AAX_VDescriptionHost (IACFUnknown* hostUnknown);
    ~AAX_VDescriptionHost() override;

    AAX_VDescriptionHost (const AAX_VDescriptionHost&) = delete;
    AAX_VDescriptionHost& operator= (const AAX_VDescriptionHost&) = delete;

    const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& feature) const override;

    bool Supported() const { return static_cast<bool> (mDescriptionHost); }
    IACFDefinition* HostDefinition() const { return mHostDefinition.Get(); }

private:
    ACFPtr<AAX_IACFDescriptionHost> mDescriptionHost;
    ACFPtr<IACFDefinition> mHostDefinition;
};
