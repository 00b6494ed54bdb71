/*
    The host end to end: it loads the test plug-in shared objects, prints what they describe,
    and reports the documented codes for misbehaving plug-ins and hosts without crashing; every
    object on both sides must be released at the end.
*/
#include "Host.h"

#include "AAX_Enums.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace duveline::host;

namespace
{
const std::string kPlugin = DUVELINE_TEST_PLUGIN;
const std::string kFailingPlugin = DUVELINE_FAILING_TEST_PLUGIN;

const ComponentRecord* ComponentWithInput (const EffectRecord& effect, AAX_EStemFormat format)
{
    for (const ComponentRecord& component : effect.components)
        for (const ProcessProcRecord& proc : component.processProcs)
            if (proc.properties.values.count (AAX_eProperty_InputStemFormat) != 0 &&
                proc.properties.values.at (AAX_eProperty_InputStemFormat) == format)
                return &component;
    return nullptr;
}

void ExpectEverythingReleased (const DescribeResult& result)
{
    EXPECT_EQ (0, result.canUnloadNow);
    EXPECT_TRUE (result.leakedHostObjects.empty()) << ResultToText (result);
    EXPECT_TRUE (result.unloaded);
}
} // namespace

TEST (HostDescribe, ReceivesTheWholeDescription)
{
    const DescribeResult result = DescribePlugin (kPlugin, {});
    ASSERT_TRUE (result.loaded) << result.loadError;
    EXPECT_EQ (0, result.sdkVersionResult);
    EXPECT_EQ (0x00000204013449E0ull, result.sdkVersion);
    EXPECT_EQ (0, result.startupResult);
    EXPECT_EQ (0, result.registerResult);
    EXPECT_EQ (0, result.shutdownResult);
    ASSERT_TRUE (result.hasDescription);
    EXPECT_TRUE (result.traces.empty());
    EXPECT_TRUE (result.asserts.empty());
    ExpectEverythingReleased (result);
    EXPECT_TRUE (result.Clean());

    const Description& description = result.description;
    EXPECT_EQ ("Tolvane", description.manufacturerName);
    EXPECT_EQ (std::vector<std::string> { "Duveline" }, description.packageNames);
    EXPECT_EQ (0x10000u, description.packageVersion);
    ASSERT_EQ (1u, description.effects.size());
    const EffectRecord& effect = description.effects[0];
    EXPECT_EQ ("com.Tolvane.Duveline", effect.effectID);
    EXPECT_EQ ((std::vector<std::string> { "Duveline", "Duvel" }), effect.names);
    EXPECT_EQ (std::vector<uint32_t> { 512u }, effect.categories);
    EXPECT_EQ ((std::map<uint32_t, bool> { { kAAX_ProcPtrID_Create_EffectParameters, true },
                                           { kAAX_ProcPtrID_Create_EffectGUI, true } }),
               effect.procPtrs);
    ASSERT_EQ (3u, effect.components.size());

    const ComponentRecord* stereo = ComponentWithInput (effect, AAX_eStemFormat_Stereo);
    ASSERT_NE (nullptr, stereo);
    ASSERT_EQ (4u, stereo->fields.size());
    EXPECT_EQ ("AddAudioIn", stereo->fields[0].call);
    EXPECT_EQ (0, stereo->fields[0].fieldIndex);
    EXPECT_EQ ("AddDataInPort", stereo->fields[3].call);
    EXPECT_EQ (3, stereo->fields[3].fieldIndex);
    EXPECT_EQ ((std::vector<int64_t> { 4, AAX_eDataInPortType_Buffered }), stereo->fields[3].arguments);
    ASSERT_EQ (1u, stereo->processProcs.size());
    const ProcessProcRecord& proc = stereo->processProcs[0];
    EXPECT_EQ ("native", proc.kind);
    EXPECT_NE (0u, proc.id);
    EXPECT_TRUE (proc.hasProcessProc);
    EXPECT_FALSE (proc.hasInstanceInitProc);
    EXPECT_EQ ('Kpzl', proc.properties.values.at (AAX_eProperty_ManufacturerID));
    EXPECT_EQ ('Kpzq', proc.properties.values.at (AAX_eProperty_ProductID));
    EXPECT_EQ (AAX_eStemFormat_Stereo, proc.properties.values.at (AAX_eProperty_OutputStemFormat));
    EXPECT_NE (nullptr, ComponentWithInput (effect, AAX_eStemFormat_Mono));
    EXPECT_NE (nullptr, ComponentWithInput (effect, AAX_eStemFormat_7_1_2));
}

TEST (HostDescribe, PrintsReadablyAndAsJson)
{
    const DescribeResult result = DescribePlugin (kPlugin, {});
    const std::string text = ResultToText (result);
    EXPECT_NE (std::string::npos, text.find ("SDK version: 0x00000204013449E0"));
    EXPECT_NE (std::string::npos, text.find ("Effect \"com.Tolvane.Duveline\""));
    EXPECT_NE (std::string::npos, text.find ("11 ManufacturerID = 1265662572 (0x4B707A6C) 'Kpzl'"));
    EXPECT_NE (std::string::npos, text.find ("Procedure: create effect GUI"));

    const auto json = nlohmann::json::parse (ResultToJson (result, 2));
    EXPECT_EQ (0, json.at ("registerResult"));
    EXPECT_EQ (0, json.at ("canUnloadNow"));
    EXPECT_EQ ("0x00000204013449E0", json.at ("sdkVersion"));
    const auto& effect = json.at ("description").at ("effects").at (0);
    EXPECT_EQ ("com.Tolvane.Duveline", effect.at ("effectID"));
    EXPECT_EQ (3u, effect.at ("components").size());
    EXPECT_EQ (512, effect.at ("categories").at (0));
}

struct OlderHost
{
    const char* name;
    int componentDescriptor;
    int propertyMap;
    int effectDescriptor;
};

class HostVersions : public ::testing::TestWithParam<OlderHost>
{
};

// Every version of the host gets the same description, one procedure per component.
TEST_P (HostVersions, DescribeTheSameComponents)
{
    HostConfig config;
    config.componentDescriptorVersion = GetParam().componentDescriptor;
    config.propertyMapVersion = GetParam().propertyMap;
    config.effectDescriptorVersion = GetParam().effectDescriptor;
    const DescribeResult result = DescribePlugin (kPlugin, config);
    ASSERT_EQ (0, result.registerResult) << ResultToText (result);
    ASSERT_EQ (1u, result.description.effects.size());
    const EffectRecord& effect = result.description.effects[0];
    ASSERT_EQ (3u, effect.components.size());
    for (const ComponentRecord& component : effect.components)
    {
        ASSERT_EQ (1u, component.processProcs.size());
        EXPECT_TRUE (component.processProcs[0].hasProcessProc);
    }
    EXPECT_TRUE (result.traces.empty()) << ResultToText (result);
    ExpectEverythingReleased (result);
}

INSTANTIATE_TEST_SUITE_P (Host, HostVersions,
                          ::testing::Values (OlderHost { "Newest", 3, 3, 2 }, OlderHost { "ComponentV2", 2, 3, 2 },
                                             OlderHost { "ComponentV1", 1, 3, 2 }, OlderHost { "ComponentV1MapV2", 1, 2, 2 },
                                             OlderHost { "ComponentV1MapV1", 1, 1, 1 },
                                             OlderHost { "ComponentV2MapV2", 2, 2, 1 }),
                          [] (const ::testing::TestParamInfo<OlderHost>& info) { return std::string (info.param.name); });

TEST (HostDescribe, HostWithoutDescriptionHostGetsNoNewerLayouts)
{
    HostConfig config;
    config.offerDescriptionHost = false;
    const DescribeResult result = DescribePlugin (kPlugin, config);
    ASSERT_EQ (0, result.registerResult);
    const EffectRecord& effect = result.description.effects.at (0);
    EXPECT_EQ (2u, effect.components.size());
    EXPECT_EQ (nullptr, ComponentWithInput (effect, AAX_eStemFormat_7_1_2));
    ExpectEverythingReleased (result);
}

TEST (HostDescribe, HostRefusingNewerLayoutsGetsNone)
{
    HostConfig config;
    config.stemFormatLevel = AAX_eSupportLevel_Unsupported;
    const DescribeResult result = DescribePlugin (kPlugin, config);
    ASSERT_EQ (0, result.registerResult);
    EXPECT_TRUE (result.description.effects.at (0).components.empty());
    ExpectEverythingReleased (result);
}

TEST (HostDescribe, FailingDescriptionGivesItsCodeAndTwoTraces)
{
    const DescribeResult result = DescribePlugin (kFailingPlugin, {});
    ASSERT_TRUE (result.loaded) << result.loadError;
    EXPECT_EQ (-20044, result.registerResult);
    EXPECT_FALSE (result.hasDescription);
    ASSERT_EQ (2u, result.traces.size());
    EXPECT_EQ ("AAX_CheckedResult - throwing AAX_ERROR_NULL_ARGUMENT (-20044)", result.traces[0].message);
    EXPECT_EQ ("AAXRegisterPlugin exception caught: AAX_ERROR_NULL_ARGUMENT (-20044)", result.traces[1].message);
    ExpectEverythingReleased (result);
    EXPECT_FALSE (result.Clean());
}

TEST (HostDescribe, FailingDescriptionWithoutHostServicesIsSilent)
{
    HostConfig config;
    config.hostServicesVersion = 0;
    const DescribeResult result = DescribePlugin (kFailingPlugin, config);
    EXPECT_EQ (-20044, result.registerResult);
    EXPECT_TRUE (result.traces.empty());
    ExpectEverythingReleased (result);
}

struct MisbehavingHost
{
    const char* name;
    HostConfig config;
    int32_t registerResult;
    const char* lastTrace;
};

class HostFaults : public ::testing::TestWithParam<MisbehavingHost>
{
};

TEST_P (HostFaults, GiveTheDocumentedCodes)
{
    const DescribeResult result = DescribePlugin (kPlugin, GetParam().config);
    ASSERT_TRUE (result.loaded);
    EXPECT_EQ (GetParam().registerResult, result.registerResult);
    EXPECT_FALSE (result.hasDescription);
    if (GetParam().lastTrace != nullptr)
    {
        ASSERT_FALSE (result.traces.empty());
        EXPECT_EQ (GetParam().lastTrace, result.traces.back().message);
    }
    ExpectEverythingReleased (result);
}

static HostConfig Config (FactoryAnswer factory, bool collection, bool pluginDefinition)
{
    HostConfig config;
    config.componentFactory = factory;
    config.offerCollection = collection;
    config.offerPluginDefinition = pluginDefinition;
    return config;
}

INSTANTIATE_TEST_SUITE_P (
    Host, HostFaults,
    ::testing::Values (MisbehavingHost { "RefusedFactory", Config (FactoryAnswer::Refuse, true, true), -20004, nullptr },
                       MisbehavingHost { "NullFactory", Config (FactoryAnswer::NullAnswer, true, true), -20042, nullptr },
                       MisbehavingHost { "NoCollection", Config (FactoryAnswer::Offer, false, true), -20004,
                                         "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)" },
                       MisbehavingHost { "NoPluginDefinition", Config (FactoryAnswer::Offer, true, false), -20004,
                                         "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)" }),
    [] (const ::testing::TestParamInfo<MisbehavingHost>& info) { return std::string (info.param.name); });

TEST (HostLoad, ReportsMissingFilesAndEntryPoints)
{
    const DescribeResult missing = DescribePlugin ("/nonexistent/plugin.so", {});
    EXPECT_FALSE (missing.loaded);
    EXPECT_FALSE (missing.loadError.empty());

    const DescribeResult notAPlugin = DescribePlugin ("libm.so.6", {});
    EXPECT_FALSE (notAPlugin.loaded);
    EXPECT_EQ ("missing entry point ACFRegisterPlugin", notAPlugin.loadError);
    EXPECT_NE (std::string::npos, ResultToText (notAPlugin).find ("Load failed"));
}
