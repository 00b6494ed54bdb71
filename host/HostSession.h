/*
    The state one host run shares among its objects: what the host offers (its configuration),
    the live count of every kind of host object, and the traces and assertion reports received.
*/
#pragma once

#include "AAX_Enums.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace duveline::host
{
// How the host answers the plug-in's query for its component factory.
enum class FactoryAnswer
{
    Offer,     // the factory is handed out
    Refuse,    // the query fails
    NullAnswer // the query succeeds without an object (a misbehaving host)
};

// What this host offers; newer versions can be withheld to act as an older host.
struct HostConfig
{
    FactoryAnswer componentFactory = FactoryAnswer::Offer;
    bool offerCollection = true;
    bool offerPluginDefinition = true;
    bool offerDescriptionHost = true;
    int hostServicesVersion = 3;        // 0 (none) to 3
    int effectDescriptorVersion = 2;    // 0 (none) to 2
    int componentDescriptorVersion = 3; // 0 (none) to 3
    int propertyMapVersion = 3;         // 0 (none) to 3
    // Support the host reports for further stem formats, and the level of each through its map.
    AAX_ESupportLevel stemFormatSupport = AAX_eSupportLevel_ByProperty;
    AAX_ESupportLevel stemFormatLevel = AAX_eSupportLevel_Supported;
    // Run-time interfaces offered to instances.
    int controllerVersion = 3; // 0 (none) to 3
    int transportVersion = 3;  // 0 (none) to 3
    bool offerAutomation = true;
    int viewContainerVersion = 2; // 1 or 2
};

enum class ObjectKind
{
    HostUnknown,
    HostDefinition,
    DescriptionHost,
    FeatureInfo,
    HostServices,
    Collection,
    EffectDescriptor,
    ComponentDescriptor,
    PropertyMap,
    InstanceHost,
    Controller,
    AutomationDelegate,
    Transport,
    ViewContainer,
    Count
};

const char* ObjectKindName (ObjectKind kind);

struct TraceRecord
{
    int32_t priority;
    std::string message;
};

struct AssertRecord
{
    std::string file;
    int32_t line;
    std::string note;
    int32_t flags;
};

class Session
{
public:
    explicit Session (HostConfig config) : mConfig (config) {}

    const HostConfig& Config() const { return mConfig; }

    void ObjectCreated (ObjectKind kind);
    void ObjectDestroyed (ObjectKind kind);
    int32_t LiveObjects (ObjectKind kind) const;
    int32_t TotalLiveObjects() const;
    int32_t CreatedObjects (ObjectKind kind) const;

    void AddTrace (int32_t priority, const char* message);
    void AddAssert (const char* file, int32_t line, const char* note, int32_t flags);
    std::vector<TraceRecord> Traces() const;
    std::vector<AssertRecord> Asserts() const;

    uint32_t NextProcessProcID() { return ++mLastProcessProcID; }

private:
    HostConfig mConfig;
    std::array<std::atomic<int32_t>, static_cast<size_t> (ObjectKind::Count)> mLive {};
    std::array<std::atomic<int32_t>, static_cast<size_t> (ObjectKind::Count)> mCreated {};
    mutable std::mutex mLock; // guards the records below: traces may come from any thread
    std::vector<TraceRecord> mTraces;
    std::vector<AssertRecord> mAsserts;
    std::atomic<uint32_t> mLastProcessProcID { 0 };
};
} // namespace duveline::host
