/*
    The run-time proxies over hosts of every version: forwarding, the codes for missing
    versions, page-table copies through the component factory, and the release of every
    reference they take (the view container's included).
*/
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IPageTable.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "RawEntry.h"
#include "RuntimeHost.h"

#include <gtest/gtest.h>

#include <memory>

using duveline::test::CallEntry;
using duveline::test::RuntimeConfig;
using duveline::test::RuntimeHost;

namespace
{
RuntimeConfig ControllerOnly (int version)
{
    RuntimeConfig config;
    config.controllerVersion = version;
    config.pageTableControllerVersion = 0;
    return config;
}
} // namespace

TEST (ControllerProxy, FirstVersionOnlyReachesTheHostForItsOwnEntries)
{
    RuntimeHost host (ControllerOnly (1));
    {
        AAX_VController controller (host.Unknown());
        AAX_CSampleRate rate = 0.0f;
        EXPECT_EQ (AAX_SUCCESS, controller.GetSampleRate (&rate));
        EXPECT_EQ (48000.0f, rate);

        AAX_CString name;
        AAX_CBoolean isAudioSuite = 7;
        EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, controller.GetHostName (&name));
        EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, controller.SendNotification ('test'));
        EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, controller.GetIsAudioSuite (&isAudioSuite));
        EXPECT_EQ (7, isAudioSuite);
        EXPECT_EQ (nullptr, controller.CreateTableCopyForEffect (1, 2, 3, 4, 5));
        EXPECT_EQ (nullptr, controller.CreateTableCopyForLayoutFromFile ("p", AAX_eTextEncoding_UTF8, "l", 1, 2));
        EXPECT_TRUE (host.Record().CallsNamed ("SendNotification").empty());
    }
    EXPECT_EQ (0, host.ObjectsHandedOut());
    EXPECT_EQ (0u, host.ReferencesOnHost());
}

TEST (ControllerProxy, NullHostGivesNullObjectForFirstVersionCalls)
{
    AAX_VController controller (nullptr);
    AAX_CString id ("unchanged");
    int32_t latency = 3;
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, controller.GetEffectID (&id));
    EXPECT_STREQ ("unchanged", id.Get());
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, controller.SetSignalLatency (5));
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, controller.GetSignalLatency (&latency));
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, controller.PostPacket (3, &latency, 4));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, controller.GetHostName (&id));
    EXPECT_EQ (nullptr, controller.CreateTableCopyForEffect (1, 2, 3, 4, 5));
}

TEST (ControllerProxy, NotificationWithoutDataReachesEntry20WithNullAndZero)
{
    RuntimeHost host;
    {
        AAX_VController controller (host.Unknown());
        EXPECT_EQ (AAX_SUCCESS, controller.SendNotification ('abcd'));
        int32_t payload = 1;
        EXPECT_EQ (AAX_SUCCESS, controller.SendNotification ('wxyz', &payload, sizeof (payload)));
    }
    const auto calls = host.Record().CallsNamed ("SendNotification");
    ASSERT_EQ (2u, calls.size());
    EXPECT_EQ (static_cast<double> ('abcd'), calls[0].value);
    EXPECT_EQ (nullptr, calls[0].data);
    EXPECT_EQ (0u, calls[0].size);
    EXPECT_EQ (4u, calls[1].size);
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST (ControllerProxy, LaterVersionsAnswerWhenOffered)
{
    RuntimeHost host;
    AAX_VController controller (host.Unknown());
    AAX_CString name;
    AAX_CTargetPlatform platform = 0;
    AAX_CBoolean isAudioSuite = 9;
    EXPECT_EQ (AAX_SUCCESS, controller.GetHostName (&name));
    EXPECT_STREQ ("Test host", name.Get());
    EXPECT_EQ (AAX_SUCCESS, controller.GetPlugInTargetPlatform (&platform));
    EXPECT_EQ (AAX_SUCCESS, controller.GetIsAudioSuite (&isAudioSuite));
    EXPECT_EQ (0, isAudioSuite);
}

TEST (ControllerProxy, PageTableCopyReturnsAProxyOverTheFilledTable)
{
    RuntimeHost host;
    {
        AAX_VController controller (host.Unknown());
        std::unique_ptr<AAX_IPageTable> table (controller.CreateTableCopyForEffect ('Kpzl', 'Kpzq', 'jcbb', 'PgTL', 1));
        ASSERT_NE (nullptr, table);
        int32_t pages = 0;
        EXPECT_EQ (AAX_SUCCESS, table->GetNumPages (pages));
        EXPECT_EQ (2, pages);
        ASSERT_EQ (1u, host.Record().CallsNamed ("CopyTableForEffect").size());
        EXPECT_EQ (1.0, host.Record().CallsNamed ("CopyTableForEffect")[0].value);
        EXPECT_EQ (1, host.ObjectsHandedOut());
    }
    EXPECT_EQ (0, host.ObjectsHandedOut());
    EXPECT_EQ (0u, host.ReferencesOnHost());
}

TEST (ControllerProxy, FailedPageTableCopyReleasesTheFreshTable)
{
    RuntimeConfig config;
    config.pageTableCopyResult = AAX_ERROR_UNKNOWN_ID;
    RuntimeHost host (config);
    {
        AAX_VController controller (host.Unknown());
        EXPECT_EQ (nullptr, controller.CreateTableCopyForLayout ("com.test", "layout", 1, 2));
        EXPECT_EQ (1u, host.Record().CallsNamed ("CopyTableOfLayoutForEffect").size());
        EXPECT_EQ (0, host.ObjectsHandedOut());
    }
    EXPECT_EQ (0u, host.ReferencesOnHost());
}

TEST (ControllerProxy, PageTableCopyWithoutFactoryPassesNoTable)
{
    RuntimeConfig config;
    config.componentFactory = false;
    RuntimeHost host (config);
    AAX_VController controller (host.Unknown());
    EXPECT_EQ (nullptr, controller.CreateTableCopyForEffectFromFile ("p", AAX_eTextEncoding_UTF8, 1, 2, 3, 4, 5));
    const auto calls = host.Record().CallsNamed ("CopyTableForEffectFromFile");
    ASSERT_EQ (1u, calls.size());
    EXPECT_EQ (0.0, calls[0].value);
}

TEST (AutomationProxy, MissingDelegateGivesNullObject)
{
    RuntimeConfig config;
    config.automation = false;
    RuntimeHost host (config);
    AAX_VAutomationDelegate automation (host.Unknown());
    AAX_CBoolean touched = 0;
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, automation.RegisterParameter ("Gain"));
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, automation.PostSetValueRequest ("Gain", 0.5));
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, automation.GetTouchState ("Gain", &touched));
    EXPECT_TRUE (host.Record().Calls().empty());
}

TEST (AutomationProxy, ForwardsIdentifierAndValue)
{
    RuntimeHost host;
    {
        AAX_VAutomationDelegate automation (host.Unknown());
        EXPECT_EQ (AAX_SUCCESS, automation.PostSetValueRequest ("Width", 0.25));
        EXPECT_EQ (AAX_SUCCESS, automation.PostReleaseRequest ("Width"));
    }
    const auto calls = host.Record().Calls();
    ASSERT_EQ (2u, calls.size());
    EXPECT_EQ ("PostSetValueRequest", calls[0].name);
    EXPECT_EQ ("Width", calls[0].id);
    EXPECT_EQ (0.25, calls[0].value);
    EXPECT_EQ ("PostReleaseRequest", calls[1].name);
    EXPECT_EQ (0u, host.ReferencesOnHost());
}

struct TransportCase
{
    int version;
    AAX_Result tempo;
    AAX_Result selection;
    AAX_Result hdTimeCode;
};

class TransportVersions : public ::testing::TestWithParam<TransportCase>
{
};

TEST_P (TransportVersions, EachVersionAnswersOnlyItsOwnCalls)
{
    RuntimeConfig config;
    config.transportVersion = GetParam().version;
    RuntimeHost host (config);
    {
        const AAX_VTransport transport (host.Unknown());
        const AAX_ITransport& reader = transport; // read through a const reference, as the framework does
        double tempo = 0.0;
        int64_t location = 0;
        AAX_EFrameRate rate = AAX_eFrameRate_Undeclared;
        int64_t offset = 0;
        EXPECT_EQ (GetParam().tempo, reader.GetCurrentTempo (&tempo));
        EXPECT_EQ (GetParam().selection, reader.GetTimelineSelectionStartPosition (&location));
        EXPECT_EQ (GetParam().hdTimeCode, reader.GetHDTimeCodeInfo (&rate, &offset));
    }
    EXPECT_EQ (0u, host.ReferencesOnHost());
}

INSTANTIATE_TEST_SUITE_P (Transport, TransportVersions,
                          ::testing::Values (TransportCase { 0, -20004, -20009, -20009 }, TransportCase { 1, 0, -20009, -20009 },
                                             TransportCase { 2, 0, 0, -20009 }, TransportCase { 3, 0, 0, 0 }));

TEST (ViewContainerProxy, WithoutHostContainerResizingStillSucceeds)
{
    AAX_VViewContainer container (nullptr);
    AAX_Point size (480.0f, 720.0f);
    uint32_t modifiers = 5;
    EXPECT_EQ (AAX_SUCCESS, container.SetViewSize (size));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, container.GetModifiers (&modifiers));
    EXPECT_EQ (5u, modifiers);
    EXPECT_EQ (nullptr, container.GetPtr());
    EXPECT_EQ (0, container.GetType());
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, container.HandleParameterMouseDown ("Gain", 0));
}

TEST (ViewContainerProxy, FirstVersionContainerRefusesMultipleParameterGestures)
{
    RuntimeHost host;
    int window = 0;
    AAX_VViewContainer container (host.NewViewContainer (1, &window));
    const AAX_CParamID ids[] = { "A", "B" };
    EXPECT_EQ (&window, container.GetPtr());
    EXPECT_EQ (3, container.GetType());
    EXPECT_EQ (AAX_SUCCESS, container.HandleParameterMouseUp ("A", 0));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, container.HandleMultipleParametersMouseDown (ids, 2, 0));
}

TEST (ViewContainerProxy, ReleasesBothReferencesWhenItGoes)
{
    RuntimeHost host;
    // Each opening of an editor makes a proxy; none may keep the host's container alive.
    for (int opening = 0; opening < 3; ++opening)
    {
        IACFUnknown* view = host.NewViewContainer (2);
        {
            AAX_VViewContainer container (view);
            const AAX_CParamID ids[] = { "A", "B" };
            EXPECT_EQ (AAX_SUCCESS, container.HandleMultipleParametersMouseDown (ids, 2, 0));
        }
        host.DropViewContainers();
    }
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST (PageTableProxy, EveryCallWithoutItsVersionIsUnimplemented)
{
    RuntimeHost host;
    AAX_VPageTable none (nullptr);
    AAX_VPageTable firstOnly (host.NewPageTable (1));
    int32_t count = 0;
    AAX_CString name;
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, none.Clear());
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, none.GetNumPages (count));
    EXPECT_FALSE (none.IsSupported());
    EXPECT_EQ (AAX_SUCCESS, firstOnly.Clear());
    EXPECT_EQ (AAX_SUCCESS, firstOnly.MapParameterID ("Gain", 0, 1));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, firstOnly.GetNumParametersWithNameVariations (count));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, firstOnly.SetParameterNameVariation ("Gain", name, 4));
}

// The host declarations place each operation at its entry: a call through the raw table index
// must land on the named operation of the host object.
TEST (HostInterfaceEntries, ControllerTransportAndAutomationSitWhereDeclared)
{
    RuntimeHost host;
    auto* controller = static_cast<AAX_IACFController_V3*> (&host.Object());
    AAX_CSampleRate rate = 0.0f;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFController_V3, AAX_CSampleRate*> (controller, 4, &rate)));
    EXPECT_EQ (48000.0f, rate);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFController_V3, int32_t> (controller, 10, 64)));
    EXPECT_EQ (64.0, host.Record().CallsNamed ("SetSignalLatency").at (0).value);
    AAX_CBoolean isAudioSuite = 5;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFController_V3, AAX_CBoolean*> (controller, 25, &isAudioSuite)));
    EXPECT_EQ (0, isAudioSuite);

    auto* transport = static_cast<AAX_IACFTransport_V3*> (&host.Object());
    int64_t sample = 0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFTransport_V3, int64_t*> (transport, 8, &sample)));
    EXPECT_EQ (4800, sample);

    auto* automation = static_cast<AAX_IACFAutomationDelegate*> (&host.Object());
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFAutomationDelegate, const char*> (automation, 7, "Gain")));
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostTouchRequest").size());
}
