/*
    The seven entry points of a plug-in bundle. This file is compiled exactly once per bundle,
    by #including it into one translation unit of the plug-in (the framework's client does),
    never into the library itself; every other symbol of the bundle stays hidden.
*/
#include "AAX_Init.h"
#include "ACF/ACFBase.h"

#if defined(__GNUC__)
#define AAX_EXPORT __attribute__ ((visibility ("default")))
#else
#define AAX_EXPORT
#endif

namespace
{
// No exception may cross into the host: anything that escapes becomes ACF_E_UNEXPECTED.
template <typename Call> acfResult AAXCallGuarded (Call&& call)
{
    try
    {
        return call();
    }
    catch (...)
    {
        return ACF_E_UNEXPECTED;
    }
}
} // namespace

extern "C"
{
    AAX_EXPORT acfResult ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** outPluginDefinition)
    {
        return AAXCallGuarded ([&] { return AAXRegisterPlugin (host, outPluginDefinition); });
    }

    AAX_EXPORT acfResult ACFRegisterComponent (IACFUnknown* host, acfUInt32 index,
                                               IACFComponentDefinition** outComponentDefinition)
    {
        return AAXCallGuarded ([&] { return AAXRegisterComponent (host, index, outComponentDefinition); });
    }

    AAX_EXPORT acfResult ACFGetClassFactory (IACFUnknown* host, const acfUID& componentID, const acfIID& iid, void** outFactory)
    {
        return AAXCallGuarded ([&] { return AAXGetClassFactory (host, componentID, iid, outFactory); });
    }

    AAX_EXPORT acfResult ACFCanUnloadNow (IACFUnknown* host)
    {
        return AAXCallGuarded ([&] { return AAXCanUnloadNow (host); });
    }

    AAX_EXPORT acfResult ACFStartup (IACFUnknown* host)
    {
        return AAXCallGuarded ([&] { return AAXStartup (host); });
    }

    AAX_EXPORT acfResult ACFShutdown (IACFUnknown* host)
    {
        return AAXCallGuarded ([&] { return AAXShutdown (host); });
    }

    AAX_EXPORT acfResult ACFGetSDKVersion (uint64_t* outVersion)
    {
        return AAXCallGuarded ([&] { return AAXGetSDKVersion (outVersion); });
    }
}
