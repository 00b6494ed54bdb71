/*
    Interface identifiers and the entry numbers of the host interfaces, checked by calling
    through raw table entries of the host's objects.
*/
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "RawEntry.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cstring>

using duveline::test::CallEntry;
using duveline::test::TestHost;
namespace host = duveline::host;

TEST (Identifiers, DifferInTheLastByteOnly)
{
    _acfUID other = IID_IAAXEffectGUIV1;
    other.Data4[7] ^= 0x01;
    EXPECT_NE (other, IID_IAAXEffectGUIV1);
    EXPECT_EQ (IID_IAAXEffectGUIV1, IID_IAAXEffectGUIV1);
}

TEST (Identifiers, UnknownMatchesItsByteOrder)
{
    const unsigned char bytes[16] = { 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46 };
    _acfUID fromBytes;
    std::memcpy (&fromBytes, bytes, sizeof (bytes));
    EXPECT_EQ (fromBytes, IID_IACFUnknown);

    const unsigned char firstFields[8] = { 0x2D, 0x2C, 0xD4, 0x96, 0xBC, 0xEB, 0xEF, 0x41 };
    EXPECT_EQ (0, std::memcmp (&IID_IAAXHostServicesV1, firstFields, sizeof (firstFields)));
}

TEST (EntryNumbers, UnknownOccupiesTheFirstThreeEntries)
{
    TestHost testHost;
    auto* map = new host::HostPropertyMap (testHost.Session(), 3);
    EXPECT_EQ (1u, (CallEntry<acfUInt32> (static_cast<IACFUnknown*> (map), 1)));
    void* answer = nullptr;
    EXPECT_EQ (ACF_OK, (CallEntry<acfResult, IACFUnknown, const acfIID&, void**> (map, 0, IID_IAAXPropertyMapV2, &answer)));
    EXPECT_EQ (static_cast<AAX_IACFPropertyMap_V3*> (map), answer);
    EXPECT_EQ (1u, (CallEntry<acfUInt32> (static_cast<IACFUnknown*> (map), 2)));
    EXPECT_EQ (0u, (CallEntry<acfUInt32> (static_cast<IACFUnknown*> (map), 2)));
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST (EntryNumbers, PropertyMapOperationsSitAtTheirEntries)
{
    TestHost testHost;
    auto map = ACFPtr<AAX_IACFPropertyMap_V3>::AddRefed (new host::HostPropertyMap (testHost.Session(), 3));
    AAX_IACFPropertyMap_V3* raw = map.Get();
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFPropertyMap_V3, AAX_EProperty, AAX_CPropertyValue> (
                                raw, 4, AAX_eProperty_ProductID, 7)));
    AAX_CPropertyValue value = 0;
    EXPECT_TRUE ((CallEntry<AAX_CBoolean, AAX_IACFPropertyMap_V3, AAX_EProperty, AAX_CPropertyValue*> (
        raw, 3, AAX_eProperty_ProductID, &value)));
    EXPECT_EQ (7, value);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFPropertyMap_V3, AAX_EProperty> (raw, 5, AAX_eProperty_ProductID)));
    const int marker = 0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFPropertyMap_V3, AAX_EProperty, const void*> (
                                raw, 9, AAX_eProperty_NativeProcessProc, &marker)));
    const void* pointer = nullptr;
    EXPECT_TRUE ((CallEntry<AAX_CBoolean, AAX_IACFPropertyMap_V3, AAX_EProperty, const void**> (
        raw, 8, AAX_eProperty_NativeProcessProc, &pointer)));
    EXPECT_EQ (&marker, pointer);
    const AAX_SPlugInIdentifierTriad triad { 1, 2, 3 };
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFPropertyMap_V3, AAX_EProperty, const AAX_SPlugInIdentifierTriad*, uint32_t> (
                   raw, 6, AAX_eProperty_ManufacturerID, &triad, 1u)));
    const AAX_SPlugInIdentifierTriad* triads = nullptr;
    uint32_t count = 0;
    EXPECT_TRUE ((CallEntry<AAX_CBoolean, AAX_IACFPropertyMap_V3, AAX_EProperty, const AAX_SPlugInIdentifierTriad**, uint32_t*> (
        raw, 7, AAX_eProperty_ManufacturerID, &triads, &count)));
    EXPECT_EQ (1u, count);
}

TEST (EntryNumbers, CollectionAndDescriptorOperationsSitAtTheirEntries)
{
    TestHost testHost;
    auto collection = ACFPtr<AAX_IACFCollection>::AddRefed (new host::HostCollection (testHost.Session()));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFCollection, const char*> (collection.Get(), 8, "Maker")));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFCollection, const char*> (collection.Get(), 9, "Package")));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFCollection, uint32_t> (collection.Get(), 10, 0x10000u)));

    auto effect = ACFPtr<AAX_IACFEffectDescriptor_V2>::AddRefed (new host::HostEffectDescriptor (testHost.Session(), 2));
    auto component = ACFPtr<AAX_IACFComponentDescriptor_V3>::AddRefed (new host::HostComponentDescriptor (testHost.Session(), 3));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFComponentDescriptor_V3, AAX_CFieldIndex> (component.Get(), 5, 0)));
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFComponentDescriptor_V3, AAX_CFieldIndex, uint32_t> (component.Get(), 19, 4, 8u)));
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFEffectDescriptor_V2, IACFUnknown*> (effect.Get(), 3, component.Get())));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectDescriptor_V2, const char*> (effect.Get(), 4, "Name")));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectDescriptor_V2, uint32_t> (effect.Get(), 5, 512u)));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectDescriptor_V2, void*, AAX_CProcPtrID> (
                                effect.Get(), 7, nullptr, kAAX_ProcPtrID_Create_EffectGUI)));
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFCollection, const char*, IACFUnknown*> (collection.Get(), 7, "id", effect.Get())));

    const host::Description description = host::HostCollection::From (collection.Get())->Record();
    EXPECT_EQ ("Maker", description.manufacturerName);
    ASSERT_EQ (1u, description.effects.size());
    EXPECT_EQ (std::vector<std::string> { "Name" }, description.effects[0].names);
    EXPECT_EQ (std::vector<uint32_t> { 512u }, description.effects[0].categories);
    ASSERT_EQ (1u, description.effects[0].components.size());
    const auto& fields = description.effects[0].components[0].fields;
    ASSERT_EQ (2u, fields.size());
    EXPECT_EQ ("AddAudioIn", fields[0].call);
    EXPECT_EQ ("AddTemporaryData", fields[1].call);
}

TEST (EntryNumbers, HostServicesFactoryAndFeatureOperationsSitAtTheirEntries)
{
    TestHost testHost;
    void* services = nullptr;
    IACFUnknown* unknown = testHost.Unknown();
    ASSERT_EQ (ACF_OK, (CallEntry<acfResult, IACFUnknown, const acfUID&, IACFUnknown*, const acfIID&, void**> (
                           unknown, 3, AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV3, &services)));
    auto hostServices = ACFPtr<AAX_IACFHostServices_V3>();
    hostServices.Attach (static_cast<AAX_IACFHostServices_V3*> (services));
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFHostServices_V3, int32_t, const char*> (hostServices.Get(), 4, 5, "trace")));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFHostServices_V3, int32_t, int32_t, const char*> (hostServices.Get(), 5,
                                                                                                            6, 0, "stack")));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFHostServices_V3, const char*, int32_t, const char*, int32_t> (
                                hostServices.Get(), 6, "f", 9, "n", 1)));
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (2u, traces.size());
    EXPECT_EQ ("trace", traces[0].message);
    EXPECT_EQ ("stack", traces[1].message);
    ASSERT_EQ (1u, testHost.Session().Asserts().size());
    EXPECT_EQ (9, testHost.Session().Asserts()[0].line);

    void* descriptionHost = nullptr;
    ASSERT_EQ (ACF_OK, unknown->QueryInterface (IID_IAAXDescriptionHostV1, &descriptionHost));
    ACFPtr<AAX_IACFDescriptionHost> description;
    description.Attach (static_cast<AAX_IACFDescriptionHost*> (descriptionHost));
    ACFPtr<IACFUnknown> feature;
    ASSERT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFDescriptionHost, const AAX_Feature_UID&, IACFUnknown**> (
                                description.Get(), 3, AAXATTR_ClientFeature_StemFormat, feature.Receive())));
    ACFPtr<AAX_IACFFeatureInfo> featureInfo;
    ASSERT_EQ (ACF_OK, ACFQuery (feature.Get(), IID_IAAXFeatureInfoV1, featureInfo));
    AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFFeatureInfo, AAX_ESupportLevel&> (featureInfo.Get(), 3, level)));
    EXPECT_EQ (AAX_eSupportLevel_ByProperty, level);
    ACFPtr<IACFUnknown> properties;
    EXPECT_EQ (AAX_SUCCESS,
               (CallEntry<AAX_Result, AAX_IACFFeatureInfo, IACFUnknown**> (featureInfo.Get(), 4, properties.Receive())));
    EXPECT_NE (nullptr, host::HostPropertyMap::From (properties.Get()));
}
