/*
    The seven entry points a plug-in bundle exports, as the host finds them by name: their
    symbol names and the types of pointers to them.
*/
#pragma once

#include "IACFDefinition.h"

typedef acfResult (*ACFRegisterPluginProc) (IACFUnknown* host, IACFPluginDefinition** outPluginDefinition);
typedef acfResult (*ACFRegisterComponentProc) (IACFUnknown* host, acfUInt32 index,
                                               IACFComponentDefinition** outComponentDefinition);
typedef acfResult (*ACFGetClassFactoryProc) (IACFUnknown* host, const acfUID& componentID, const acfIID& iid, void** outFactory);
typedef acfResult (*ACFCanUnloadNowProc) (IACFUnknown* host);
typedef acfResult (*ACFStartupProc) (IACFUnknown* host);
typedef acfResult (*ACFShutdownProc) (IACFUnknown* host);
typedef acfResult (*ACFGetSDKVersionProc) (uint64_t* outVersion);

constexpr const char* kACFRegisterPluginName = "ACFRegisterPlugin";
constexpr const char* kACFRegisterComponentName = "ACFRegisterComponent";
constexpr const char* kACFGetClassFactoryName = "ACFGetClassFactory";
constexpr const char* kACFCanUnloadNowName = "ACFCanUnloadNow";
constexpr const char* kACFStartupName = "ACFStartup";
constexpr const char* kACFShutdownName = "ACFShutdown";
constexpr const char* kACFGetSDKVersionName = "ACFGetSDKVersion";
