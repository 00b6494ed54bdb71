/*
    PluginHost: loading, registration, instances and the final accounting.
*/
#include "PluginHost.h"

#include "X11View.h"

#include <filesystem>

namespace duveline::host
{
std::string ResolveBundle (const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code failure;
    if (!fs::is_directory (path, failure))
        return path;
    const fs::path bundle (path);
    const std::string name = bundle.filename().replace_extension().string();
    const fs::path contents = bundle / "Contents";
    std::string found;
    for (const auto& entry : fs::recursive_directory_iterator (contents, failure))
    {
        if (!entry.is_regular_file() || entry.path().extension() != ".so")
            continue;
        if (entry.path().stem() == name)
            return entry.path().string();
        if (found.empty())
            found = entry.path().string();
    }
    return found.empty() ? path : found;
}

PluginHost::PluginHost (HostConfig config) : mSession (std::make_unique<Session> (config)) {}

PluginHost::~PluginHost()
{
    if (mModule.IsLoaded() && !mShutDown)
        Shutdown();
}

bool PluginHost::Load (const std::string& path)
{
    // Before the plug-in's code runs: its toolkit may raise X errors that must not end us.
    x11::InstallErrorHandler();
    if (!mModule.Load (ResolveBundle (path)))
    {
        mLoadError = mModule.Error();
        return false;
    }
    mHost = ACFPtr<IACFUnknown>::AddRefed (new HostUnknown (*mSession));
    mSdkVersionResult = mModule.GetSDKVersion (&mSdkVersion);
    mStartupResult = mModule.Startup (mHost.Get());

    ACFPtr<IACFPluginDefinition> definition;
    mRegisterResult = mModule.RegisterPlugin (mHost.Get(), definition.Receive());
    if (mRegisterResult == 0)
    {
        if (const HostCollection* collection = HostCollection::From (definition.Get()))
        {
            mDescription = collection->Record();
            mHasDescription = true;
        }
    }
    else
        definition.Detach(); // a failed registration hands out nothing
    return true;
}

std::unique_ptr<Instance> PluginHost::CreateInstance (const InstanceConfig& config, int32_t& result, std::string& error)
{
    if (!mHasDescription || mDescription.effects.empty())
    {
        result = -1;
        error = "no effect was described";
        return nullptr;
    }
    return Instance::Create (mDescription.effects.front(), config, *mSession, mMainThread, mHost.Get(), result, error);
}

int32_t PluginHost::CanUnloadNow() const
{
    return mModule.IsLoaded() ? mModule.CanUnloadNow (mHost.Get()) : 0;
}

ShutdownReport PluginHost::Shutdown()
{
    ShutdownReport report;
    if (!mModule.IsLoaded() || mShutDown)
        return report;
    mShutDown = true;
    // Work posted by the plug-in's threads is answered (or dropped) before it goes.
    mMainThread.Pump();
    report.shutdownResult = mModule.Shutdown (mHost.Get());
    report.canUnloadNow = mModule.CanUnloadNow (mHost.Get());
    mHost.Reset();

    report.traces = mSession->Traces();
    report.asserts = mSession->Asserts();
    for (int kind = 0; kind < static_cast<int> (ObjectKind::Count); ++kind)
    {
        const int32_t live = mSession->LiveObjects (static_cast<ObjectKind> (kind));
        if (live != 0)
            report.leakedHostObjects.emplace_back (ObjectKindName (static_cast<ObjectKind> (kind)), live);
    }
    if (report.canUnloadNow == 0 && report.leakedHostObjects.empty())
    {
        mModule.Unload();
        report.unloaded = true;
    }
    else
    {
        // Something still points into the plug-in or at host objects: keep both alive.
        mModule.Abandon();
        mSession.release();
    }
    return report;
}
} // namespace duveline::host
