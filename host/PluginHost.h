/*
    PluginHost: one loaded plug-in bundle and everything the host keeps for it: the module and
    its seven entry points, the host's unknown and session, the description it registered, the
    main thread and the instances made from it; at the end, shut-down and the check that both
    sides released everything.
*/
#pragma once

#include "Description.h"
#include "HostObjects.h"
#include "HostSession.h"
#include "Instance.h"
#include "MainThread.h"
#include "PluginModule.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace duveline::host
{
struct ShutdownReport
{
    int32_t shutdownResult = 0;
    int32_t canUnloadNow = 0; // after shut-down: the plug-in's live objects
    // Host objects of each kind still alive (never released by the plug-in).
    std::vector<std::pair<std::string, int32_t>> leakedHostObjects;
    bool unloaded = false;
    std::vector<TraceRecord> traces;
    std::vector<AssertRecord> asserts;
};

class PluginHost
{
public:
    // The constructing thread becomes the host's main thread.
    explicit PluginHost (HostConfig config = {});
    ~PluginHost();

    PluginHost (const PluginHost&) = delete;
    PluginHost& operator= (const PluginHost&) = delete;

    // Loads the shared object (or the one inside a bundle folder), starts it up and registers
    // its description. False when it cannot be loaded; registration failures are in the results.
    bool Load (const std::string& path);
    const std::string& LoadError() const { return mLoadError; }

    int32_t SdkVersionResult() const { return mSdkVersionResult; }
    uint64_t SdkVersion() const { return mSdkVersion; }
    int32_t StartupResult() const { return mStartupResult; }
    int32_t RegisterResult() const { return mRegisterResult; }
    bool HasDescription() const { return mHasDescription; }
    const Description& GetDescription() const { return mDescription; }

    // Creates an instance of the first effect; null with result and error set on failure.
    std::unique_ptr<Instance> CreateInstance (const InstanceConfig& config, int32_t& result, std::string& error);

    MainThread& Main() { return mMainThread; }
    Session& GetSession() { return *mSession; }
    // The plug-in's live objects now (ACFCanUnloadNow).
    int32_t CanUnloadNow() const;

    // Shuts the plug-in down, checks what is left on both sides, and unloads when nothing is.
    // Every instance must be gone by now.
    ShutdownReport Shutdown();

private:
    MainThread mMainThread;
    std::unique_ptr<Session> mSession;
    PluginModule mModule;
    ACFPtr<IACFUnknown> mHost;
    std::string mLoadError;
    int32_t mSdkVersionResult = 0;
    uint64_t mSdkVersion = 0;
    int32_t mStartupResult = 0;
    int32_t mRegisterResult = 0;
    bool mHasDescription = false;
    Description mDescription;
    bool mShutDown = false;
};

// The shared object inside a bundle folder (Name.aaxplugin/Contents/<platform>/Name.so), or
// path itself when it is a file.
std::string ResolveBundle (const std::string& path);
} // namespace duveline::host
