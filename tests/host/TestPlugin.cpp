/*
    A small plug-in shared object for the host tests, built from the interface library. It
    describes itself the way the framework's client does: one effect, one component per stem
    format the host supports, factory procedures and a typed process procedure. Built twice:
    normally, and with DUVELINE_TEST_PLUGIN_FAILS, whose description fails halfway.
*/
#include <AAX_Exports.cpp>

#include "AAX_Exception.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IDescriptionHost.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IFeatureInfo.h"
#include "AAX_IPropertyMap.h"
#include "AAX_UIDs.h"

#include <memory>

namespace
{
struct AlgorithmContext
{
    float** inputChannels;
    float** outputChannels;
    int32_t* bufferSize;
    int32_t* bypass;
};

void AAX_CALLBACK ProcessInstances (AlgorithmContext* const[], const void*) {}
void* CreateEffectParameters()
{
    return nullptr;
}
void* CreateEffectGUI()
{
    return nullptr;
}

bool HostSupports (AAX_EStemFormat format, const AAX_IFeatureInfo* stemFormats)
{
    // Without the host's answer every layout is tried; the library refuses those a host
    // without a description host cannot know.
    if (stemFormats == nullptr)
        return true;
    std::unique_ptr<const AAX_IPropertyMap> levels (stemFormats->AcquireProperties());
    AAX_CPropertyValue level = 0;
    return levels != nullptr && levels->GetProperty (static_cast<AAX_EProperty> (format), &level) &&
           level == AAX_eSupportLevel_Supported;
}

// One component for one layout; the first one registers its procedure from the map's
// properties, the others through the typed native form.
void DescribeComponent (AAX_IEffectDescriptor& effect, AAX_EStemFormat format, bool fromProperties)
{
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    if (component == nullptr)
        return;
    component->AddAudioIn (AAX_FIELD_INDEX (AlgorithmContext, inputChannels));
    component->AddAudioOut (AAX_FIELD_INDEX (AlgorithmContext, outputChannels));
    component->AddAudioBufferLength (AAX_FIELD_INDEX (AlgorithmContext, bufferSize));
    component->AddDataInPort (AAX_FIELD_INDEX (AlgorithmContext, bypass), sizeof (int32_t));

    AAX_IPropertyMap* properties = component->NewPropertyMap();
    if (properties == nullptr)
        return;
    properties->AddProperty (AAX_eProperty_ManufacturerID, 'Kpzl');
    properties->AddProperty (AAX_eProperty_ProductID, 'Kpzq');
    properties->AddProperty (AAX_eProperty_PlugInID_Native, 'Kpz0' + AAX_STEM_FORMAT_INDEX (format));
    properties->AddProperty (AAX_eProperty_CanBypass, true);
    // A host that cannot be asked about newer layouts refuses them here: leave the component out.
    if (properties->AddProperty (AAX_eProperty_InputStemFormat, format) != AAX_SUCCESS ||
        properties->AddProperty (AAX_eProperty_OutputStemFormat, format) != AAX_SUCCESS)
        return;

    if (fromProperties)
    {
        properties->AddPointerProperty (AAX_eProperty_NativeProcessProc, reinterpret_cast<const void*> (&ProcessInstances));
        component->AddProcessProc (properties);
    }
    else
    {
        component->AddProcessProc_Native (ProcessInstances, properties);
    }
    effect.AddComponent (component);
}
} // namespace

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    std::unique_ptr<const AAX_IFeatureInfo> stemFormats;
    if (const AAX_IDescriptionHost* descriptionHost = collection->DescriptionHost())
        stemFormats.reset (descriptionHost->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));

    AAX_IEffectDescriptor* effect = collection->NewDescriptor();
    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    effect->AddName ("Duveline");
    effect->AddName ("Duvel");
    effect->AddCategory (512);
    effect->AddProcPtr (reinterpret_cast<void*> (&CreateEffectGUI), kAAX_ProcPtrID_Create_EffectGUI);
    effect->AddProcPtr (reinterpret_cast<void*> (&CreateEffectParameters), kAAX_ProcPtrID_Create_EffectParameters);

#if DUVELINE_TEST_PLUGIN_FAILS
    // The host refuses a nameless effect; the checked result turns that into an exception.
    AAX_CheckedResult result;
    result = effect->AddName (nullptr);
#endif

    bool first = true;
    for (AAX_EStemFormat format : { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, AAX_eStemFormat_7_1_2 })
    {
        if (!HostSupports (format, stemFormats.get()))
            continue;
        DescribeComponent (*effect, format, first);
        first = false;
    }

    collection->AddEffect ("com.Tolvane.Duveline", effect);
    collection->SetManufacturerName ("Tolvane");
    collection->AddPackageName ("Duveline");
    collection->SetPackageVersion (0x10000);
    return AAX_SUCCESS;
}
