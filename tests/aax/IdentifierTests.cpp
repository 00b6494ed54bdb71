/*
    Interface identifiers and the entry numbers of the host interfaces, checked by calling
    through raw table entries of the host's objects.
*/
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "RawEntry.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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

namespace
{
struct IdentifierValue
{
    const char* name;
    const _acfUID* identifier;
    const char* registryForm; // as the interface's documentation writes it
};

// Written out here rather than taken from the shared header, which the host includes too: a
// wrong byte there would otherwise pass every test, end to end included.
const IdentifierValue kIdentifierValues[] = {
    { "IID_IACFUnknown", &IID_IACFUnknown, "00000000-0000-0000-C000-000000000046" },
    { "IID_IACFDefinition", &IID_IACFDefinition, "E51741F1-7FCF-11D6-AAC3-00306542A024" },
    { "IID_IACFPluginDefinition", &IID_IACFPluginDefinition, "00EEF015-7FD0-11D6-8485-00306542A024" },
    { "IID_IACFComponentFactory", &IID_IACFComponentFactory, "382B6A96-7FD0-11D6-BCFE-00306542A024" },
    { "AAXCompID_HostServices", &AAXCompID_HostServices, "88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA" },
    { "IID_IAAXHostServicesV1", &IID_IAAXHostServicesV1, "96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA" },
    { "IID_IAAXHostServicesV2", &IID_IAAXHostServicesV2, "A207EE9E-B442-11E4-A71E-12E3F512A338" },
    { "IID_IAAXHostServicesV3", &IID_IAAXHostServicesV3, "12BEA399-9A4F-4353-8098-3916FA71898D" },
    { "AAXCompID_AAXCollection", &AAXCompID_AAXCollection, "89882C2D-77BC-42EF-707B-7981B7BD0CCA" },
    { "IID_IAAXCollectionV1", &IID_IAAXCollectionV1, "96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA" },
    { "AAXCompID_AAXEffectDescriptor", &AAXCompID_AAXEffectDescriptor, "89872C2D-75BC-423F-401B-F9A1BAAD0CCA" },
    { "IID_IAAXEffectDescriptorV1", &IID_IAAXEffectDescriptorV1, "96D42C2D-EBBC-41EF-D1CB-499442E40FDA" },
    { "IID_IAAXEffectDescriptorV2", &IID_IAAXEffectDescriptorV2, "41ECCC52-416B-4072-84BD-40B05210A74C" },
    { "AAXCompID_AAXComponentDescriptor", &AAXCompID_AAXComponentDescriptor, "94872C3D-95BC-413D-D0DB-D9B12AAD0CCA" },
    { "IID_IAAXComponentDescriptorV1", &IID_IAAXComponentDescriptorV1, "96E42C2D-E2BC-51EF-61C7-48994AEB0CDA" },
    { "IID_IAAXComponentDescriptorV2", &IID_IAAXComponentDescriptorV2, "1895259E-AAA9-4F0F-A985-149837B76F89" },
    { "IID_IAAXComponentDescriptorV3", &IID_IAAXComponentDescriptorV3, "979CFCD4-2BCB-43AE-9CD0-2D0ECD2ADCD5" },
    { "AAXCompID_AAXPropertyMap", &AAXCompID_AAXPropertyMap, "A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA" },
    { "IID_IAAXPropertyMapV1", &IID_IAAXPropertyMapV1, "96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE" },
    { "IID_IAAXPropertyMapV2", &IID_IAAXPropertyMapV2, "7177DF80-7C9C-11E2-B92A-0800200C9A66" },
    { "IID_IAAXPropertyMapV3", &IID_IAAXPropertyMapV3, "6D4AB208-D34B-4368-B4F1-58BC243F45C9" },
    { "IID_IAAXAutomationDelegateV1", &IID_IAAXAutomationDelegateV1, "9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E" },
    { "IID_IAAXControllerV1", &IID_IAAXControllerV1, "9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E" },
    { "IID_IAAXControllerV2", &IID_IAAXControllerV2, "4C59AA0E-D7C0-4205-8B6C-32468D42D202" },
    { "IID_IAAXControllerV3", &IID_IAAXControllerV3, "DD6F168C-DA86-44F8-B864-D6CD221926E7" },
    { "IID_IAAXPageTableController", &IID_IAAXPageTableController, "2E9D35FB-BACC-4B2C-B5D7-C6E851F569BD" },
    { "IID_IAAXPageTableControllerV2", &IID_IAAXPageTableControllerV2, "06C6B83E-9D87-4938-8A38-F8E45B10A24A" },
    { "IID_IAAXViewContainerV1", &IID_IAAXViewContainerV1, "22DA0BBC-D550-4D5E-8CC6-734483B8837F" },
    { "IID_IAAXViewContainerV2", &IID_IAAXViewContainerV2, "9143A0BE-7A79-4D02-AE25-AADBA76A50B2" },
    { "IID_IAAXTransportV1", &IID_IAAXTransportV1, "5CEE4EF4-6337-4359-B63B-FE58DC36543A" },
    { "IID_IAAXTransportV2", &IID_IAAXTransportV2, "203CBD9F-982C-4FE6-A827-07480257AEC3" },
    { "IID_IAAXTransportV3", &IID_IAAXTransportV3, "AF79E815-ECFE-1FB4-8A2E-24AB0EC08EF0" },
    { "AAXCompID_PageTable", &AAXCompID_PageTable, "DBC22879-A24E-4AC6-9721-938B72D8E81B" },
    { "IID_IAAXPageTableV1", &IID_IAAXPageTableV1, "33C9E5BE-1CE3-4085-91A7-09D6F8EE4B64" },
    { "IID_IAAXPageTableV2", &IID_IAAXPageTableV2, "D0F25D1B-9C5B-4D2E-8F1F-45BC934732F7" },
    { "IID_IAAXDescriptionHostV1", &IID_IAAXDescriptionHostV1, "E5BC71DF-4C1F-4CC4-814A-5A7DD0E70EF5" },
    { "IID_IAAXFeatureInfoV1", &IID_IAAXFeatureInfoV1, "24545609-A7C4-44D4-ABB8-CF13EA9D0BDF" },
    { "IID_IAAXEffectParametersV1", &IID_IAAXEffectParametersV1, "964E333D-334C-533F-C2C7-3834C3C23E3E" },
    { "IID_IAAXEffectParametersV2", &IID_IAAXEffectParametersV2, "F1F47D06-308F-4CC5-9C7C-50A83F8AB813" },
    { "IID_IAAXEffectParametersV3", &IID_IAAXEffectParametersV3, "D2540E9D-9163-42BB-A6FD-81E10EA32498" },
    { "IID_IAAXEffectParametersV4", &IID_IAAXEffectParametersV4, "2E485536-31A3-4697-9C16-E59BF6B28A41" },
    { "IID_IAAXEffectGUIV1", &IID_IAAXEffectGUIV1, "964E323D-424C-5E1A-2227-282423222E1E" },
    { "AAXATTR_ClientFeature_StemFormat", &AAXATTR_ClientFeature_StemFormat, "729DD3E6-D3DC-484C-9169-F064A012601D" },
};

// The 16 bytes as an identifier in registry form is stored: the first three groups
// little-endian, then the last eight bytes in the order written.
std::vector<uint8_t> StoredBytes (std::string registryForm)
{
    registryForm.erase (std::remove (registryForm.begin(), registryForm.end(), '-'), registryForm.end());
    std::vector<uint8_t> written;
    for (size_t i = 0; i + 1 < registryForm.size(); i += 2)
        written.push_back (static_cast<uint8_t> (std::stoul (registryForm.substr (i, 2), nullptr, 16)));
    if (written.size() != 16)
        return {};
    std::reverse (written.begin(), written.begin() + 4);
    std::reverse (written.begin() + 4, written.begin() + 6);
    std::reverse (written.begin() + 6, written.begin() + 8);
    return written;
}
} // namespace

TEST (Identifiers, EveryValueMatchesItsRegistryForm)
{
    for (const IdentifierValue& value : kIdentifierValues)
    {
        const auto* stored = reinterpret_cast<const uint8_t*> (value.identifier);
        EXPECT_EQ (StoredBytes (value.registryForm), std::vector<uint8_t> (stored, stored + sizeof (_acfUID))) << value.name;
    }
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
