/*
    PluginModule: dlopen, dlsym of the seven entry points, dlclose.
*/
#include "PluginModule.h"

#include <dlfcn.h>

namespace duveline::host
{
namespace
{
template <typename Proc> bool Find (void* handle, const char* name, Proc& proc, std::string& error)
{
    dlerror();
    void* symbol = dlsym (handle, name);
    if (symbol == nullptr)
    {
        error = std::string ("missing entry point ") + name;
        return false;
    }
    proc = reinterpret_cast<Proc> (symbol);
    return true;
}
} // namespace

PluginModule::~PluginModule()
{
    Unload();
}

bool PluginModule::Load (const std::string& path)
{
    Unload();
    mError.clear();
    // Local binding: the plug-in's symbols must never satisfy anyone else's.
    mHandle = dlopen (path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (mHandle == nullptr)
    {
        const char* reason = dlerror();
        mError = reason != nullptr ? reason : "dlopen failed";
        return false;
    }

    const bool complete =
        Find (mHandle, kACFRegisterPluginName, RegisterPlugin, mError) &&
        Find (mHandle, kACFRegisterComponentName, RegisterComponent, mError) &&
        Find (mHandle, kACFGetClassFactoryName, GetClassFactory, mError) &&
        Find (mHandle, kACFCanUnloadNowName, CanUnloadNow, mError) && Find (mHandle, kACFStartupName, Startup, mError) &&
        Find (mHandle, kACFShutdownName, Shutdown, mError) && Find (mHandle, kACFGetSDKVersionName, GetSDKVersion, mError);
    if (!complete)
    {
        const std::string error = mError;
        Unload();
        mError = error;
        return false;
    }
    return true;
}

void PluginModule::Unload()
{
    if (mHandle != nullptr)
        dlclose (mHandle);
    Abandon();
}

void PluginModule::Abandon()
{
    mHandle = nullptr;
    RegisterPlugin = nullptr;
    RegisterComponent = nullptr;
    GetClassFactory = nullptr;
    CanUnloadNow = nullptr;
    Startup = nullptr;
    Shutdown = nullptr;
    GetSDKVersion = nullptr;
}
} // namespace duveline::host
