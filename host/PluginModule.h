/*
    PluginModule: a plug-in shared object opened with dlopen and its seven entry points. The
    host reaches the plug-in through nothing else.
*/
#pragma once

#include "ACF/ACFEntryPoints.h"

#include <string>

namespace duveline::host
{
class PluginModule
{
public:
    PluginModule() = default;
    ~PluginModule();

    PluginModule (const PluginModule&) = delete;
    PluginModule& operator= (const PluginModule&) = delete;

    // False with Error() set when the object cannot be opened or lacks an entry point.
    bool Load (const std::string& path);
    // Closes the shared object; only safe once no object of the plug-in is alive.
    void Unload();
    // Leaves the shared object mapped for the rest of the process (for a plug-in that kept
    // objects alive, whose code must stay callable).
    void Abandon();

    bool IsLoaded() const { return mHandle != nullptr; }
    const std::string& Error() const { return mError; }

    ACFRegisterPluginProc RegisterPlugin = nullptr;
    ACFRegisterComponentProc RegisterComponent = nullptr;
    ACFGetClassFactoryProc GetClassFactory = nullptr;
    ACFCanUnloadNowProc CanUnloadNow = nullptr;
    ACFStartupProc Startup = nullptr;
    ACFShutdownProc Shutdown = nullptr;
    ACFGetSDKVersionProc GetSDKVersion = nullptr;

private:
    void* mHandle = nullptr;
    std::string mError;
};
} // namespace duveline::host
