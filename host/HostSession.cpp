/*
    Session: live counts of host objects and the diagnostics the plug-in sent.
*/
#include "HostSession.h"

namespace duveline::host
{
const char* ObjectKindName (ObjectKind kind)
{
    switch (kind)
    {
    case ObjectKind::HostUnknown:
        return "host unknown";
    case ObjectKind::HostDefinition:
        return "host definition";
    case ObjectKind::DescriptionHost:
        return "description host";
    case ObjectKind::FeatureInfo:
        return "feature info";
    case ObjectKind::HostServices:
        return "host services";
    case ObjectKind::Collection:
        return "collection";
    case ObjectKind::EffectDescriptor:
        return "effect descriptor";
    case ObjectKind::ComponentDescriptor:
        return "component descriptor";
    case ObjectKind::PropertyMap:
        return "property map";
    case ObjectKind::InstanceHost:
        return "instance host";
    case ObjectKind::Controller:
        return "controller";
    case ObjectKind::AutomationDelegate:
        return "automation delegate";
    case ObjectKind::Transport:
        return "transport";
    case ObjectKind::ViewContainer:
        return "view container";
    case ObjectKind::Count:
        break;
    }
    return "?";
}

void Session::ObjectCreated (ObjectKind kind)
{
    mLive[static_cast<size_t> (kind)].fetch_add (1);
    mCreated[static_cast<size_t> (kind)].fetch_add (1);
}

void Session::ObjectDestroyed (ObjectKind kind)
{
    mLive[static_cast<size_t> (kind)].fetch_sub (1);
}

int32_t Session::LiveObjects (ObjectKind kind) const
{
    return mLive[static_cast<size_t> (kind)].load();
}

int32_t Session::TotalLiveObjects() const
{
    int32_t total = 0;
    for (const auto& live : mLive)
        total += live.load();
    return total;
}

int32_t Session::CreatedObjects (ObjectKind kind) const
{
    return mCreated[static_cast<size_t> (kind)].load();
}

void Session::AddTrace (int32_t priority, const char* message)
{
    std::lock_guard<std::mutex> guard (mLock);
    mTraces.push_back ({ priority, message != nullptr ? message : "" });
}

void Session::AddAssert (const char* file, int32_t line, const char* note, int32_t flags)
{
    std::lock_guard<std::mutex> guard (mLock);
    mAsserts.push_back ({ file != nullptr ? file : "", line, note != nullptr ? note : "", flags });
}

std::vector<TraceRecord> Session::Traces() const
{
    std::lock_guard<std::mutex> guard (mLock);
    return mTraces;
}

std::vector<AssertRecord> Session::Asserts() const
{
    std::lock_guard<std::mutex> guard (mLock);
    return mAsserts;
}
} // namespace duveline::host
