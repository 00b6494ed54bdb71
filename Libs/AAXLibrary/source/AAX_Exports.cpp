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

// No exception may cross into the host: anything that escapes becomes ACF_E_UNEXPECTED.
extern "C"
{
    AAX_EXPORT acfResult ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** outPluginDefinition)
    {
        try
        {
            return AAXRegisterPlugin (host, outPluginDefinition);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFRegisterComponent (IACFUnknown* host, acfUInt32 index,
                                               IACFComponentDefinition** outComponentDefinition)
    {
        try
        {
            return AAXRegisterComponent (host, index, outComponentDefinition);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFGetClassFactory (IACFUnknown* host, const acfUID& componentID, const acfIID& iid, void** outFactory)
    {
        try
        {
            return AAXGetClassFactory (host, componentID, iid, outFactory);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFCanUnloadNow (IACFUnknown* host)
    {
        try
        {
            return AAXCanUnloadNow (host);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFStartup (IACFUnknown* host)
    {
        try
        {
            return AAXStartup (host);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFShutdown (IACFUnknown* host)
    {
        try
        {
            return AAXShutdown (host);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }

    AAX_EXPORT acfResult ACFGetSDKVersion (uint64_t* outVersion)
    {
        try
        {
            return AAXGetSDKVersion (outVersion);
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }
}
