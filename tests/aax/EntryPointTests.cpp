/*
    The exported entry points: version, refusals, registration with its failures and traces,
    start-up and shut-down of the host-services proxy, and the balance of host references.
*/
#include "AAX_CHostServices.h"
#include "AAX_Exception.h"
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_UIDs.h"
#include "ACF/ACFEntryPoints.h"
#include "TestDescription.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

using duveline::test::ScopedDescription;
using duveline::test::TestHost;
namespace host = duveline::host;

extern "C"
{
    acfResult ACFRegisterPlugin (IACFUnknown*, IACFPluginDefinition**);
    acfResult ACFRegisterComponent (IACFUnknown*, acfUInt32, IACFComponentDefinition**);
    acfResult ACFGetClassFactory (IACFUnknown*, const acfUID&, const acfIID&, void**);
    acfResult ACFCanUnloadNow (IACFUnknown*);
    acfResult ACFStartup (IACFUnknown*);
    acfResult ACFShutdown (IACFUnknown*);
    acfResult ACFGetSDKVersion (uint64_t*);
}

namespace
{
constexpr acfResult kUnexpected = static_cast<acfResult> (0x8000FFFFu);

// Registers with the given host and returns the result; the plug-in definition, if any, is
// released at once.
acfResult Register (TestHost& testHost, IACFPluginDefinition*& definitionSeen)
{
    IACFPluginDefinition* definition = reinterpret_cast<IACFPluginDefinition*> (&definitionSeen); // a marker
    const acfResult result = ACFRegisterPlugin (testHost.Unknown(), &definition);
    definitionSeen = definition;
    if (result == ACF_OK && definition != nullptr)
        definition->Release();
    return result;
}

AAX_Result DescribeOneEffect (AAX_ICollection* collection)
{
    AAX_IEffectDescriptor* effect = collection->NewDescriptor();
    effect->AddName ("Test");
    collection->AddEffect ("com.test.effect", effect);
    collection->SetManufacturerName ("Maker");
    return AAX_SUCCESS;
}

class EntryPoints : public ::testing::Test
{
protected:
    void TearDown() override { ACFShutdown (nullptr); }
};
} // namespace

TEST_F (EntryPoints, ReportTheVersionAndRevision)
{
    uint64_t version = 0;
    EXPECT_EQ (ACF_OK, ACFGetSDKVersion (&version));
    EXPECT_EQ (0x00000204013449E0ull, version);
}

TEST_F (EntryPoints, RefuseClassFactoriesAndAcceptComponentsEmpty)
{
    void* factory = &factory;
    EXPECT_EQ (-20009, ACFGetClassFactory (nullptr, IID_IACFUnknown, IID_IACFComponentFactory, &factory));
    EXPECT_EQ (nullptr, factory);
    for (acfUInt32 index : { 0u, 7u, 0xFFFFFFFFu })
    {
        IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*> (&factory);
        EXPECT_EQ (ACF_OK, ACFRegisterComponent (nullptr, index, &component));
        EXPECT_EQ (nullptr, component);
    }
}

TEST_F (EntryPoints, RegistrationHandsOverTheCollectionAndReleasesTheRest)
{
    ScopedDescription description (DescribeOneEffect);
    TestHost testHost;
    IACFPluginDefinition* definition = nullptr;
    ACFPtr<IACFPluginDefinition> held;
    IACFPluginDefinition* out = nullptr;
    ASSERT_EQ (ACF_OK, ACFRegisterPlugin (testHost.Unknown(), &out));
    held.Attach (out);
    definition = out;
    const host::HostCollection* collection = host::HostCollection::From (definition);
    ASSERT_NE (nullptr, collection);
    const host::Description recorded = collection->Record();
    ASSERT_EQ (1u, recorded.effects.size());
    EXPECT_EQ ("com.test.effect", recorded.effects[0].effectID);
    EXPECT_EQ ("Maker", recorded.manufacturerName);
    held.Reset();
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
    EXPECT_EQ (0, ACFCanUnloadNow (testHost.Unknown()));
}

TEST_F (EntryPoints, FailedDescriptionReturnsItsCodeAfterTwoTraces)
{
    ScopedDescription description ([] (AAX_ICollection*) { return AAX_Result (-20700); });
    TestHost testHost;
    ASSERT_EQ (ACF_OK, ACFStartup (testHost.Unknown()));
    IACFPluginDefinition* seen = nullptr;
    EXPECT_EQ (-20700, Register (testHost, seen));
    EXPECT_EQ (reinterpret_cast<IACFPluginDefinition*> (&seen), seen) << "the out argument must stay as given";
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (2u, traces.size());
    EXPECT_EQ ("AAX_CheckedResult - throwing plug-in defined error (-20700)", traces[0].message);
    EXPECT_EQ (0x04000000, traces[0].priority);
    EXPECT_EQ ("AAXRegisterPlugin exception caught: plug-in defined error (-20700)", traces[1].message);
    EXPECT_EQ (0x08000000, traces[1].priority);
    ACFShutdown (testHost.Unknown());
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

struct ThrowCase
{
    const char* name;
    std::function<void()> raise;
    const char* trace;
};

class RegistrationException : public ::testing::TestWithParam<ThrowCase>
{
protected:
    void TearDown() override { ACFShutdown (nullptr); }
};

TEST_P (RegistrationException, BecomesUnknownExceptionWithItsText)
{
    const auto raise = GetParam().raise;
    ScopedDescription description (
        [raise] (AAX_ICollection*) -> AAX_Result
        {
            raise();
            return AAX_SUCCESS;
        });
    TestHost testHost;
    ACFStartup (testHost.Unknown());
    IACFPluginDefinition* seen = nullptr;
    EXPECT_EQ (-20042, Register (testHost, seen));
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (1u, traces.size());
    EXPECT_EQ (GetParam().trace, traces[0].message);
    ACFShutdown (testHost.Unknown());
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (EntryPoints, RegistrationException,
                          ::testing::Values (ThrowCase { "Library", [] { throw AAX::Exception::Any ("broken", "Load", ""); },
                                                         "AAXRegisterPlugin exception caught: broken func:Load" },
                                             ThrowCase { "Standard", [] { throw std::runtime_error ("bad weights"); },
                                                         "AAXRegisterPlugin exception caught: bad weights" },
                                             ThrowCase { "Integer", [] { throw 7; },
                                                         "AAXRegisterPlugin exception caught: unknown" }),
                          [] (const ::testing::TestParamInfo<ThrowCase>& info) { return std::string (info.param.name); });

TEST_F (EntryPoints, RefusedPluginDefinitionGivesNullObject)
{
    ScopedDescription description (DescribeOneEffect);
    host::HostConfig config;
    config.offerPluginDefinition = false;
    TestHost testHost (config);
    IACFPluginDefinition* seen = nullptr;
    EXPECT_EQ (-20004, Register (testHost, seen));
    EXPECT_EQ (nullptr, seen);
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

struct HostFault
{
    const char* name;
    host::HostConfig config;
    AAX_Result expected;
};

class RegistrationHostFault : public ::testing::TestWithParam<HostFault>
{
};

// Without a collection the description never runs: it would get nothing to describe into.
TEST_P (RegistrationHostFault, StopsBeforeTheDescription)
{
    bool described = false;
    ScopedDescription description (
        [&described] (AAX_ICollection*) -> AAX_Result
        {
            described = true;
            return AAX_SUCCESS;
        });
    TestHost testHost (GetParam().config);
    IACFPluginDefinition* seen = nullptr;
    EXPECT_EQ (GetParam().expected, Register (testHost, seen));
    EXPECT_FALSE (described);
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

static host::HostConfig WithFactory (host::FactoryAnswer answer)
{
    host::HostConfig config;
    config.componentFactory = answer;
    return config;
}

static host::HostConfig WithoutCollection()
{
    host::HostConfig config;
    config.offerCollection = false;
    return config;
}

INSTANTIATE_TEST_SUITE_P (EntryPoints, RegistrationHostFault,
                          ::testing::Values (HostFault { "RefusedFactory", WithFactory (host::FactoryAnswer::Refuse), -20004 },
                                             HostFault { "NullFactory", WithFactory (host::FactoryAnswer::NullAnswer), -20042 },
                                             HostFault { "NoCollection", WithoutCollection(), -20004 }),
                          [] (const ::testing::TestParamInfo<HostFault>& info) { return std::string (info.param.name); });

TEST_F (EntryPoints, RegistrationWithoutAHostIsRefused)
{
    IACFPluginDefinition* definition = nullptr;
    EXPECT_EQ (-20004, ACFRegisterPlugin (nullptr, &definition));
    EXPECT_EQ (-20044, ACFRegisterPlugin (nullptr, nullptr));
}

TEST_F (EntryPoints, StartupAndShutdownOwnTheHostServicesProxy)
{
    TestHost first;
    TestHost second;
    EXPECT_EQ (ACF_OK, ACFStartup (first.Unknown()));
    EXPECT_EQ (ACF_OK, ACFStartup (second.Unknown()));
    EXPECT_EQ (0, second.ObjectsHandedOut());
    EXPECT_LT (0, first.ObjectsHandedOut());
    EXPECT_EQ (ACF_OK, ACFShutdown (second.Unknown()));
    EXPECT_EQ (0, first.ObjectsHandedOut());
    EXPECT_EQ (nullptr, AAX_CHostServices::Get());
    EXPECT_EQ (ACF_OK, ACFStartup (second.Unknown()));
    EXPECT_LT (0, second.ObjectsHandedOut());
    EXPECT_EQ (ACF_OK, ACFShutdown (nullptr));
    EXPECT_EQ (0, second.ObjectsHandedOut());
}

TEST_F (EntryPoints, StartupThatThrowsIsCaughtAndLeavesNoProxy)
{
    TestHost testHost (WithFactory (host::FactoryAnswer::NullAnswer));
    EXPECT_EQ (kUnexpected, ACFStartup (testHost.Unknown()));
    EXPECT_EQ (nullptr, AAX_CHostServices::Get());
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}
