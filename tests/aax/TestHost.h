/*
    A host for the library's unit tests: the platform layer's host objects over one session,
    configured per test to act as a full, older or misbehaving host.
*/
#pragma once

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_IPropertyMap.h"
#include "ACF/ACFPtr.h"
#include "HostObjects.h"

#include <memory>

namespace duveline::test
{
class TestHost
{
public:
    explicit TestHost (host::HostConfig config = {})
        : mSession (std::make_unique<host::Session> (config)),
          mHost (ACFPtr<IACFUnknown>::AddRefed (new host::HostUnknown (*mSession)))
    {
    }

    IACFUnknown* Unknown() const { return mHost.Get(); }
    host::Session& Session() const { return *mSession; }

    // Host objects alive besides the host unknown this test host holds itself.
    int32_t ObjectsHandedOut() const { return mSession->TotalLiveObjects() - (mHost ? 1 : 0); }

    // Releases the host unknown; afterwards every count must be 0.
    void ReleaseHost() { mHost.Reset(); }

private:
    std::unique_ptr<host::Session> mSession;
    ACFPtr<IACFUnknown> mHost;
};

// Installs a test host's services for one scope; declared after the host so the proxy goes
// (with its host references) before the host's session does.
class ScopedHostServices
{
public:
    explicit ScopedHostServices (IACFUnknown* host) { AAX_CHostServices::Set (host); }
    ~ScopedHostServices() { AAX_CHostServices::Set (nullptr); }
    ScopedHostServices (const ScopedHostServices&) = delete;
    ScopedHostServices& operator= (const ScopedHostServices&) = delete;
};

// The host object a proxy stands for, as the host sees it.
inline host::HostPropertyMap* HostMapOf (const AAX_IPropertyMap* map)
{
    return map != nullptr ? host::HostPropertyMap::From (map->GetIUnknown()) : nullptr;
}
} // namespace duveline::test
