/*
    The functions behind the bundle's seven exported entry points, and the description function
    the plug-in framework supplies.
*/
#pragma once

#include "AAX.h"
#include "ACF/IACFDefinition.h"

class AAX_ICollection;

// Supplied by the plug-in framework: describes every effect of the bundle into collection.
AAX_Result GetEffectDescriptions (AAX_ICollection* collection);

AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** outPluginDefinition);
AAX_Result AAXRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** outComponentDefinition);
AAX_Result AAXGetClassFactory (IACFUnknown* host, const acfUID& componentID, const acfIID& iid, void** outFactory);
AAX_Result AAXCanUnloadNow (IACFUnknown* host);
AAX_Result AAXStartup (IACFUnknown* host);
AAX_Result AAXShutdown (IACFUnknown* host);
AAX_Result AAXGetSDKVersion (uint64_t* outVersion);
