/*
    The functions behind the exported entry points: registration of the bundle's description,
    start-up and shut-down of the link to the host's services, the unload check and the version.
*/
#include "AAX_Init.h"

#include "AAX_CHostServices.h"
#include "AAX_Exception.h"
#include "AAX_UIDs.h"
#include "AAX_VCollection.h"
#include "AAX_Version.h"
#include "CACFUnknown.h"

#include <exception>

namespace
{
constexpr const char* kRegisterPluginCaught = "AAXRegisterPlugin exception caught: %s";
}

AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** outPluginDefinition)
{
    try
    {
        if (outPluginDefinition == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        AAX_VCollection collection (host);
        AAX_CheckedResult result;

        // Without the host's collection nothing could hold the description, and the framework
        // would be handed maps that cannot exist: refuse before it runs.
        if (collection.GetIUnknown() == nullptr)
            result = AAX_ERROR_NULL_OBJECT;

        result = GetEffectDescriptions (&collection);

        *outPluginDefinition = nullptr;
        if (collection.GetIUnknown()->QueryInterface (IID_IACFPluginDefinition, reinterpret_cast<void**> (outPluginDefinition)) !=
            ACF_OK)
        {
            *outPluginDefinition = nullptr;
            result = AAX_ERROR_NULL_OBJECT;
        }
        return AAX_SUCCESS;
    }
    catch (const AAX::Exception::ResultError& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, kRegisterPluginCaught, error.What().c_str());
        return error.Result();
    }
    catch (const AAX::Exception::Any& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, kRegisterPluginCaught, error.What().c_str());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    catch (const std::exception& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, kRegisterPluginCaught, error.what());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    catch (...)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, kRegisterPluginCaught, "unknown");
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result AAXRegisterComponent (IACFUnknown*, acfUInt32, IACFComponentDefinition** outComponentDefinition)
{
    if (outComponentDefinition != nullptr)
        *outComponentDefinition = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAXGetClassFactory (IACFUnknown*, const acfUID&, const acfIID&, void** outFactory)
{
    if (outFactory != nullptr)
        *outFactory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAXCanUnloadNow (IACFUnknown*)
{
    return CACFUnknown::GetActiveObjectCount();
}

AAX_Result AAXStartup (IACFUnknown* host)
{
    AAX_CHostServices::Set (host);
    return AAX_SUCCESS;
}

AAX_Result AAXShutdown (IACFUnknown*)
{
    AAX_CHostServices::Set (nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAXGetSDKVersion (uint64_t* outVersion)
{
    if (outVersion == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *outVersion = AAX_SDK_VERSION_AND_REVISION;
    return AAX_SUCCESS;
}
