/*
    The description proxies over hosts of every version: forwarding and missing-version codes,
    the stem-format rule, the pointer-property cache, map duplication, process-procedure
    registration, feature queries and the release of every host reference.
*/
#include "AAX_CHostServices.h"
#include "AAX_IFeatureInfo.h"
#include "AAX_VCollection.h"
#include "AAX_VFeatureInfo.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <memory>

using duveline::test::HostMapOf;
using duveline::test::TestHost;
namespace host = duveline::host;

namespace
{
host::HostConfig Versions (int propertyMap, int componentDescriptor = 3, int effectDescriptor = 2, bool descriptionHost = true)
{
    host::HostConfig config;
    config.propertyMapVersion = propertyMap;
    config.componentDescriptorVersion = componentDescriptor;
    config.effectDescriptorVersion = effectDescriptor;
    config.offerDescriptionHost = descriptionHost;
    return config;
}

void ProcessProc (void* const[], const void*) {}
int32_t InitProc (const void*, AAX_EComponentInstanceInitAction)
{
    return 0;
}

struct Context
{
    float** inputs;
};
void TypedProcessProc (Context* const[], const void*) {}

const void* AsPointer (AAX_CProcessProc proc)
{
    return reinterpret_cast<const void*> (proc);
}
} // namespace

// ---------------------------------------------------------------------------------------------

struct StemCase
{
    AAX_EProperty property;
    uint32_t value;
    bool descriptionHost;
    AAX_Result expected;
};

class StemFormatRule : public ::testing::TestWithParam<StemCase>
{
};

TEST_P (StemFormatRule, OnlyHostsThatCanBeAskedGetNewerFormats)
{
    TestHost testHost (Versions (3, 3, 2, GetParam().descriptionHost));
    {
        auto map = AAX_VPropertyMap::Create (testHost.Unknown());
        ASSERT_NE (nullptr, map);
        const auto value = static_cast<AAX_CPropertyValue> (GetParam().value);
        EXPECT_EQ (GetParam().expected, map->AddProperty (GetParam().property, value));
        const host::PropertyRecords records = HostMapOf (map.get())->Records();
        EXPECT_EQ (GetParam().expected == AAX_SUCCESS ? 1u : 0u, records.values.count (GetParam().property));
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (PropertyMap, StemFormatRule,
                          ::testing::Values (StemCase { AAX_eProperty_InputStemFormat, 0xD000A, false, -20039 },
                                             StemCase { AAX_eProperty_OutputStemFormat, 0xD0000, false, -20039 },
                                             StemCase { AAX_eProperty_InputStemFormat, 0xC0008, false, 0 },
                                             StemCase { AAX_eProperty_OutputStemFormat, 0xFFFF0000, false, 0 },
                                             StemCase { AAX_eProperty_OutputStemFormat, 0xFF9C0000, false, 0 },
                                             StemCase { AAX_eProperty_InputStemFormat, 0xD000A, true, 0 },
                                             StemCase { AAX_eProperty_ProductID, 0xD000A, false, 0 }));

TEST (PropertyMap, CachesProcessProcPointersWithoutVersion3)
{
    TestHost testHost (Versions (2));
    auto map = AAX_VPropertyMap::Create (testHost.Unknown());
    const int marker = 0;
    EXPECT_EQ (AAX_SUCCESS, map->AddPointerProperty (AAX_eProperty_NativeProcessProc, AsPointer (ProcessProc)));
    EXPECT_EQ (AAX_SUCCESS, map->AddPointerProperty (AAX_eProperty_NativeProcessProc, static_cast<const void*> (&marker)));
    const void* pointer = nullptr;
    EXPECT_TRUE (map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer));
    EXPECT_EQ (&marker, pointer);
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, map->AddPointerProperty (static_cast<AAX_EProperty> (43), &marker));
    EXPECT_FALSE (map->GetPointerProperty (static_cast<AAX_EProperty> (43), &pointer));
    EXPECT_FALSE (map->GetPointerProperty (AAX_eProperty_NativeProcessProc, nullptr));
    EXPECT_EQ (AAX_SUCCESS, map->AddPointerProperty (AAX_eProperty_TIDLLFileName, "dsp.dll"));
    EXPECT_TRUE (HostMapOf (map.get())->Records().pointers.empty()) << "a cached pointer must not reach the host";
}

TEST (PropertyMap, PassesPointersToVersion3)
{
    TestHost testHost;
    auto map = AAX_VPropertyMap::Create (testHost.Unknown());
    const int marker = 0;
    EXPECT_EQ (AAX_SUCCESS, map->AddPointerProperty (static_cast<AAX_EProperty> (43), &marker));
    EXPECT_EQ (1u, HostMapOf (map.get())->Records().pointers.count (43));
}

struct MapVersionCase
{
    int version;
    AAX_Result addProperty;
    AAX_Result addIDArray;
    bool hostObject;
};

class PropertyMapVersion : public ::testing::TestWithParam<MapVersionCase>
{
};

TEST_P (PropertyMapVersion, AnswersForMissingVersions)
{
    TestHost testHost (Versions (GetParam().version));
    {
        auto map = AAX_VPropertyMap::Create (testHost.Unknown());
        ASSERT_NE (nullptr, map);
        const AAX_SPlugInIdentifierTriad triad { 1, 2, 3 };
        AAX_CPropertyValue value = 0;
        EXPECT_EQ (GetParam().addProperty, map->AddProperty (AAX_eProperty_ManufacturerID, 5));
        EXPECT_EQ (GetParam().addProperty == AAX_SUCCESS, map->GetProperty (AAX_eProperty_ManufacturerID, &value) != 0);
        EXPECT_EQ (GetParam().addProperty == AAX_SUCCESS ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT,
                   map->RemoveProperty (AAX_eProperty_ManufacturerID));
        EXPECT_EQ (GetParam().addIDArray, map->AddPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &triad, 1));
        EXPECT_EQ (GetParam().hostObject, map->GetIUnknown() != nullptr);
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (PropertyMap, PropertyMapVersion,
                          ::testing::Values (MapVersionCase { 0, -20004, -20009, false }, MapVersionCase { 1, 0, -20009, true },
                                             MapVersionCase { 2, 0, 0, true }, MapVersionCase { 3, 0, 0, true }));

TEST (PropertyMap, CreateFollowsTheFactoryAnswer)
{
    host::HostConfig refuse;
    refuse.componentFactory = host::FactoryAnswer::Refuse;
    TestHost refusing (refuse);
    EXPECT_EQ (nullptr, AAX_VPropertyMap::Create (refusing.Unknown()));
    EXPECT_EQ (nullptr, AAX_VPropertyMap::Create (nullptr));

    host::HostConfig null;
    null.componentFactory = host::FactoryAnswer::NullAnswer;
    TestHost nullHost (null);
    auto map = AAX_VPropertyMap::Create (nullHost.Unknown());
    ASSERT_NE (nullptr, map);
    EXPECT_EQ (nullptr, map->GetIUnknown());
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, map->AddProperty (AAX_eProperty_ProductID, 1));
}

// ---------------------------------------------------------------------------------------------

class ComponentDescriptorTest : public ::testing::Test
{
protected:
    void SetUp() override { AAX_CHostServices::Set (nullptr); }
    void TearDown() override { AAX_CHostServices::Set (nullptr); }
};

using DuplicateMap = ComponentDescriptorTest;

TEST_F (DuplicateMap, CopiesValuesAndPointersIntoAMapOwnedByTheDescriptor)
{
    TestHost testHost (Versions (2, 2));
    {
        AAX_VComponentDescriptor component (testHost.Unknown());
        AAX_IPropertyMap* source = component.NewPropertyMap();
        source->AddProperty (AAX_eProperty_MinProp, 1);
        source->AddProperty (AAX_eProperty_ManufacturerID, 'Kpzl');
        source->AddProperty (AAX_eProperty_MaxProp, 3);
        source->AddProperty (static_cast<AAX_EProperty> (402), 4);
        source->AddPointerProperty (AAX_eProperty_NativeProcessProc, AsPointer (ProcessProc));

        AAX_IPropertyMap* copy = component.DuplicatePropertyMap (source);
        ASSERT_NE (nullptr, copy);
        ASSERT_NE (source, copy);
        const host::PropertyRecords records = HostMapOf (copy)->Records();
        EXPECT_EQ ((std::map<int32_t, int32_t> { { 10, 1 }, { 11, 'Kpzl' }, { 401, 3 } }), records.values);
        const void* pointer = nullptr;
        EXPECT_TRUE (copy->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer));
        EXPECT_EQ (AsPointer (ProcessProc), pointer);
        EXPECT_EQ (nullptr, component.DuplicatePropertyMap (nullptr));
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST_F (DuplicateMap, GivesNullWhenNoMapCanBeMade)
{
    TestHost testHost;
    AAX_VComponentDescriptor component (testHost.Unknown());
    AAX_IPropertyMap* source = component.NewPropertyMap();

    host::HostConfig refuse;
    refuse.componentFactory = host::FactoryAnswer::Refuse;
    TestHost refusing (refuse);
    AAX_VComponentDescriptor withoutFactory (refusing.Unknown());
    EXPECT_EQ (nullptr, withoutFactory.NewPropertyMap());
    EXPECT_EQ (nullptr, withoutFactory.DuplicatePropertyMap (source));
}

struct ProcCase
{
    const char* name;
    int componentVersion;
    int propertyMapVersion;
};

class AddProcessProc : public ::testing::TestWithParam<ProcCase>
{
protected:
    void TearDown() override { AAX_CHostServices::Set (nullptr); }
};

TEST_P (AddProcessProc, WritesTheNativeIDThenZero)
{
    TestHost testHost (Versions (GetParam().propertyMapVersion, GetParam().componentVersion));
    {
        AAX_VComponentDescriptor component (testHost.Unknown());
        AAX_IPropertyMap* map = component.NewPropertyMap();
        map->AddProperty (AAX_eProperty_PlugInID_Native, 'Nat1');
        ASSERT_EQ (AAX_SUCCESS, map->AddPointerProperty (AAX_eProperty_NativeProcessProc, AsPointer (ProcessProc)));
        map->AddPointerProperty (AAX_eProperty_NativeInstanceInitProc, reinterpret_cast<const void*> (InitProc));

        AAX_CSelector ids[3] = { 99, 99, 99 };
        ASSERT_EQ (AAX_SUCCESS, component.AddProcessProc (map, ids, 2));
        EXPECT_NE (0u, ids[0]);
        EXPECT_EQ (0u, ids[1]);
        EXPECT_EQ (99u, ids[2]);

        const host::ComponentRecord record = host::HostComponentDescriptor::From (component.GetIUnknown())->Record();
        ASSERT_EQ (1u, record.processProcs.size());
        EXPECT_EQ (ids[0], record.processProcs[0].id);
        EXPECT_EQ ("native", record.processProcs[0].kind);
        EXPECT_TRUE (record.processProcs[0].hasProcessProc);
        EXPECT_TRUE (record.processProcs[0].hasInstanceInitProc);
        EXPECT_FALSE (record.processProcs[0].hasBackgroundProc);
        EXPECT_EQ ('Nat1', record.processProcs[0].properties.values.at (AAX_eProperty_PlugInID_Native));

        AAX_CSelector oneID[1] = { 99 };
        EXPECT_EQ (AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, component.AddProcessProc (map, oneID, 1));
        EXPECT_EQ (99u, oneID[0]);
        EXPECT_EQ (AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, component.AddProcessProc (map, nullptr, 2));
        EXPECT_EQ (AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, component.AddProcessProc (map, ids, 0));
        EXPECT_EQ (AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, component.AddProcessProc (map, ids, -1));
        EXPECT_EQ (AAX_SUCCESS, component.AddProcessProc (map));
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (ComponentDescriptor, AddProcessProc,
                          ::testing::Values (ProcCase { "HostRegisters", 3, 3 }, ProcCase { "ByHandWithPointerMaps", 2, 3 },
                                             ProcCase { "ByHandWithCachedPointers", 1, 2 }),
                          [] (const ::testing::TestParamInfo<ProcCase>& info) { return std::string (info.param.name); });

using ManualProcessProc = ComponentDescriptorTest;

TEST_F (ManualProcessProc, RegistersWithACopyThatLacksTheBufferLength)
{
    TestHost testHost (Versions (3, 2));
    const duveline::test::ScopedHostServices services (testHost.Unknown());
    AAX_VComponentDescriptor component (testHost.Unknown());
    AAX_IPropertyMap* map = component.NewPropertyMap();
    map->AddProperty (AAX_eProperty_PlugInID_AudioSuite, 'Aud1');
    map->AddProperty (AAX_eProperty_AudioBufferLength, AAX_eAudioBufferLength_64);
    map->AddPointerProperty (AAX_eProperty_NativeProcessProc, AsPointer (ProcessProc));

    ASSERT_EQ (AAX_SUCCESS, component.AddProcessProc (map));
    const host::ComponentRecord record = host::HostComponentDescriptor::From (component.GetIUnknown())->Record();
    ASSERT_EQ (1u, record.processProcs.size());
    EXPECT_EQ (0u, record.processProcs[0].properties.values.count (AAX_eProperty_AudioBufferLength));
    EXPECT_EQ ('Aud1', record.processProcs[0].properties.values.at (AAX_eProperty_PlugInID_AudioSuite));
    EXPECT_EQ (1u, HostMapOf (map)->Records().values.count (AAX_eProperty_AudioBufferLength));
    EXPECT_TRUE (testHost.Session().Asserts().empty());
}

TEST_F (ManualProcessProc, TracesMissingProceduresAndGoesOn)
{
    TestHost testHost (Versions (3, 1));
    const duveline::test::ScopedHostServices services (testHost.Unknown());
    AAX_VComponentDescriptor component (testHost.Unknown());
    AAX_IPropertyMap* map = component.NewPropertyMap();
    map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
    map->AddProperty (AAX_eProperty_PlugInID_TI, 2);

    AAX_CSelector ids[4] = {};
    ASSERT_EQ (AAX_SUCCESS, component.AddProcessProc (map, ids, 4));
    EXPECT_NE (0u, ids[0]);
    EXPECT_NE (0u, ids[1]);
    EXPECT_EQ (0u, ids[2]);
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (3u, traces.size());
    const char* prefix = "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for ";
    EXPECT_EQ (std::string (prefix) + "AAX_eProperty_NativeProcessProc", traces[0].message);
    EXPECT_EQ (std::string (prefix) + "AAX_eProperty_TIDLLFileName", traces[1].message);
    EXPECT_EQ (std::string (prefix) + "AAX_eProperty_TIProcessProc", traces[2].message);
    for (const auto& trace : traces)
        EXPECT_EQ (0x08000000, trace.priority);
    const host::ComponentRecord record = host::HostComponentDescriptor::From (component.GetIUnknown())->Record();
    ASSERT_EQ (2u, record.processProcs.size());
    EXPECT_FALSE (record.processProcs[0].hasProcessProc);
    EXPECT_EQ ("TI", record.processProcs[1].kind);
}

TEST_F (ManualProcessProc, NeedsAMapAndAHostDescriptor)
{
    TestHost testHost (Versions (3, 2));
    AAX_VComponentDescriptor component (testHost.Unknown());
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, component.AddProcessProc (nullptr));
    const AAX_VComponentDescriptor withoutHost (nullptr);
    EXPECT_EQ (nullptr, withoutHost.GetIUnknown());
}

TEST_F (ManualProcessProc, TypedNativeFormForwardsWithoutOptionalProcedures)
{
    TestHost testHost;
    AAX_VComponentDescriptor component (testHost.Unknown());
    AAX_IComponentDescriptor& asInterface = component;
    AAX_IPropertyMap* map = component.NewPropertyMap();
    ASSERT_EQ (AAX_SUCCESS, asInterface.AddProcessProc_Native (TypedProcessProc, map));
    const host::ComponentRecord record = host::HostComponentDescriptor::From (component.GetIUnknown())->Record();
    ASSERT_EQ (1u, record.processProcs.size());
    EXPECT_TRUE (record.processProcs[0].hasProcessProc);
    EXPECT_FALSE (record.processProcs[0].hasInstanceInitProc);
}

struct ComponentVersionCase
{
    int version;
    AAX_Result audioIn;
    AAX_Result temporaryData;
};

class ComponentDescriptorVersion : public ::testing::TestWithParam<ComponentVersionCase>
{
};

TEST_P (ComponentDescriptorVersion, AnswersForMissingVersions)
{
    TestHost testHost (Versions (3, GetParam().version));
    {
        AAX_VComponentDescriptor component (testHost.Unknown());
        AAX_IComponentDescriptor& d = component;
        const AAX_CTypeID meters[] = { 'Met0' };
        EXPECT_EQ (GetParam().audioIn, d.AddAudioIn (0));
        EXPECT_EQ (GetParam().audioIn, d.AddDataInPort (3, sizeof (int32_t)));
        EXPECT_EQ (GetParam().audioIn, d.AddPrivateData (4, 16));
        EXPECT_EQ (GetParam().audioIn, d.AddMeters (5, meters, 1));
        EXPECT_EQ (GetParam().audioIn, d.AddMIDINode (6, AAX_eMIDINodeType_LocalInput, "in", 0xFFFF));
        EXPECT_EQ (GetParam().audioIn, d.AddDmaInstance (7, AAX_IDma::eMode_Burst));
        EXPECT_EQ (GetParam().audioIn, d.AddProcessProc_Native (ProcessProc, nullptr, nullptr, nullptr, nullptr));
        EXPECT_EQ (GetParam().temporaryData, d.AddTemporaryData (8, 4));
        if (GetParam().audioIn == AAX_SUCCESS)
        {
            const auto fields = host::HostComponentDescriptor::From (component.GetIUnknown())->Record().fields;
            ASSERT_LE (2u, fields.size());
            EXPECT_EQ ((std::vector<int64_t> { 4, AAX_eDataInPortType_Buffered }), fields[1].arguments);
        }
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (ComponentDescriptor, ComponentDescriptorVersion,
                          ::testing::Values (ComponentVersionCase { 0, -20004, -20009 }, ComponentVersionCase { 1, 0, -20009 },
                                             ComponentVersionCase { 2, 0, 0 }));

// ---------------------------------------------------------------------------------------------

TEST (Collection, ForwardsTheDescriptionAndReleasesEverything)
{
    TestHost testHost;
    {
        AAX_VCollection collection (testHost.Unknown());
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        EXPECT_EQ (AAX_SUCCESS, component->AddAudioIn (0));
        EXPECT_EQ (AAX_SUCCESS, effect->AddComponent (component));
        EXPECT_EQ (AAX_SUCCESS, effect->AddName ("Duveline"));
        EXPECT_EQ (AAX_SUCCESS, effect->AddCategory (512));
        EXPECT_EQ (AAX_SUCCESS, effect->AddProcPtr (reinterpret_cast<void*> (InitProc), kAAX_ProcPtrID_Create_EffectGUI));
        AAX_IPropertyMap* meterMap = effect->NewPropertyMap();
        EXPECT_EQ (AAX_SUCCESS, effect->AddMeterDescription ('Metr', "Level", meterMap));
        EXPECT_EQ (AAX_SUCCESS, effect->AddControlMIDINode ('Midi', AAX_eMIDINodeType_Global, "ctl", 1));
        EXPECT_EQ (AAX_SUCCESS, collection.AddEffect ("com.Tolvane.Duveline", effect));
        EXPECT_EQ (AAX_ERROR_NULL_OBJECT, collection.AddEffect ("none", nullptr));
        EXPECT_EQ (AAX_SUCCESS, collection.SetManufacturerName ("Tolvane"));
        EXPECT_EQ (AAX_SUCCESS, collection.AddPackageName ("Duveline"));
        EXPECT_EQ (AAX_SUCCESS, collection.SetPackageVersion (0x10000));
        EXPECT_EQ (AAX_SUCCESS, collection.SetProperties (collection.NewPropertyMap()));

        const host::Description description = host::HostCollection::From (collection.GetIUnknown())->Record();
        ASSERT_EQ (1u, description.effects.size());
        const host::EffectRecord& recorded = description.effects[0];
        EXPECT_EQ ("com.Tolvane.Duveline", recorded.effectID);
        EXPECT_EQ (1u, recorded.components.size());
        EXPECT_EQ (1u, recorded.meters.size());
        EXPECT_TRUE (recorded.procPtrs.at (kAAX_ProcPtrID_Create_EffectGUI));
        EXPECT_EQ (0x10000u, description.packageVersion);
        EXPECT_EQ (std::vector<std::string> { "Duveline" }, description.packageNames);
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST (Collection, AnswersForMissingHostInterfaces)
{
    host::HostConfig config = Versions (0, 0, 1, false);
    config.offerCollection = false;
    TestHost testHost (config);
    {
        AAX_VCollection collection (testHost.Unknown());
        EXPECT_EQ (nullptr, collection.GetIUnknown());
        EXPECT_EQ (nullptr, collection.DescriptionHost());
        EXPECT_EQ (nullptr, static_cast<const AAX_VCollection&> (collection).DescriptionHost());
        EXPECT_NE (nullptr, collection.HostDefinition());
        EXPECT_EQ (AAX_ERROR_NULL_OBJECT, collection.SetManufacturerName ("x"));
        EXPECT_EQ (AAX_ERROR_NULL_OBJECT, collection.SetPackageVersion (1));
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        EXPECT_EQ (AAX_SUCCESS, effect->AddName ("still reaches version 1"));
        EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->AddControlMIDINode (1, AAX_eMIDINodeType_Global, "n", 1));
        EXPECT_EQ (AAX_ERROR_NULL_OBJECT, collection.AddEffect ("id", effect));
        EXPECT_EQ (nullptr, effect->NewPropertyMap()->GetIUnknown());
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST (Collection, NullFactoryAnswerThrowsWithoutLeaking)
{
    host::HostConfig config;
    config.componentFactory = host::FactoryAnswer::NullAnswer;
    TestHost testHost (config);
    EXPECT_THROW (AAX_VCollection collection (testHost.Unknown()), int32_t);
    EXPECT_THROW (AAX_VEffectDescriptor effect (testHost.Unknown()), int32_t);
    EXPECT_THROW (AAX_VComponentDescriptor component (testHost.Unknown()), int32_t);
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

// ---------------------------------------------------------------------------------------------

TEST (DescriptionHost, AcquiredFeaturesHoldTheirOwnReferences)
{
    TestHost testHost;
    {
        AAX_VCollection collection (testHost.Unknown());
        const AAX_IDescriptionHost* descriptionHost = collection.DescriptionHost();
        ASSERT_NE (nullptr, descriptionHost);
        // Many acquisitions during one description must not pile up host references.
        for (int i = 0; i < 100; ++i)
        {
            std::unique_ptr<const AAX_IFeatureInfo> feature (
                descriptionHost->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
            ASSERT_NE (nullptr, feature);
            EXPECT_EQ (AAXATTR_ClientFeature_StemFormat, feature->ID());
            AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
            EXPECT_EQ (AAX_SUCCESS, feature->SupportLevel (level));
            EXPECT_EQ (AAX_eSupportLevel_ByProperty, level);
            std::unique_ptr<const AAX_IPropertyMap> properties (feature->AcquireProperties());
            ASSERT_NE (nullptr, properties);
            AAX_CPropertyValue support = 0;
            EXPECT_TRUE (properties->GetProperty (static_cast<AAX_EProperty> (AAX_eStemFormat_7_1_2), &support));
            EXPECT_EQ (AAX_eSupportLevel_Supported, support);
        }
        EXPECT_EQ (1, testHost.Session().LiveObjects (host::ObjectKind::DescriptionHost));
        EXPECT_EQ (0, testHost.Session().LiveObjects (host::ObjectKind::FeatureInfo));
        EXPECT_EQ (nullptr, descriptionHost->AcquireFeatureProperties (IID_IACFUnknown));
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST (DescriptionHost, FeatureWithoutItsInterfaceAnswersNothing)
{
    const AAX_VFeatureInfo feature (nullptr, AAXATTR_ClientFeature_StemFormat);
    AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, feature.SupportLevel (level));
    EXPECT_EQ (nullptr, feature.AcquireProperties());
    EXPECT_EQ (AAXATTR_ClientFeature_StemFormat, feature.ID());
}
