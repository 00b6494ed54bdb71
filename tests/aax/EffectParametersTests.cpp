/*
    The effect-parameters base: its interface glue and table entries, initialisation and
    shut-down with the host proxies, the by-ID operations, value updates and change counting,
    name selection by length, notifications and the idle hook.
*/
#include "AAX_PlatformIdle.h"
#include "AAX_UIDs.h"
#include "NullTextString.h"
#include "RawEntry.h"
#include "RuntimeHost.h"
#include "TestEffect.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using duveline::test::CallEntry;
using duveline::test::RuntimeHost;
using duveline::test::TestEffect;

namespace
{
using Table = AAX_IACFEffectParameters_V4;

// An effect initialised over a run-time host, released at the end of the test.
class EffectTest : public ::testing::Test
{
protected:
    void Make (std::vector<duveline::test::TestParameter> parameters)
    {
        effect = new TestEffect (std::move (parameters));
        effect->AddRef();
        ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
        host.Record().ClearCalls();
    }
    void TearDown() override
    {
        if (effect != nullptr)
        {
            effect->Uninitialize();
            EXPECT_EQ (0u, effect->Release());
        }
        EXPECT_EQ (0, host.ObjectsHandedOut());
        EXPECT_EQ (0u, host.ReferencesOnHost());
    }

    RuntimeHost host;
    TestEffect* effect = nullptr;
};

int sIdleCalls = 0;
void CountIdle()
{
    ++sIdleCalls;
}
} // namespace

TEST (EffectGlue, EveryVersionGivesTheSamePointerAndOneReference)
{
    const int32_t before = CACFUnknown::GetActiveObjectCount();
    auto* effect = new TestEffect();
    EXPECT_EQ (before + 1, CACFUnknown::GetActiveObjectCount());
    void* v1 = nullptr;
    void* v4 = nullptr;
    ASSERT_EQ (ACF_OK, effect->QueryInterface (IID_IAAXEffectParametersV1, &v1));
    ASSERT_EQ (ACF_OK, effect->QueryInterface (IID_IAAXEffectParametersV4, &v4));
    EXPECT_EQ (v1, v4);
    EXPECT_EQ (static_cast<void*> (effect->Interface()), v1);
    EXPECT_EQ (3u, effect->AddRef());
    EXPECT_EQ (2u, effect->Release());

    void* unknown = nullptr;
    ASSERT_EQ (ACF_OK, effect->QueryInterface (IID_IACFUnknown, &unknown));
    EXPECT_NE (v1, unknown);
    static_cast<IACFUnknown*> (unknown)->Release();

    void* gui = reinterpret_cast<void*> (1);
    EXPECT_EQ (ACF_E_NOINTERFACE, effect->QueryInterface (IID_IAAXEffectGUIV1, &gui));
    EXPECT_EQ (nullptr, gui);
    effect->Release();
    EXPECT_EQ (0u, effect->Release());
    EXPECT_EQ (before, CACFUnknown::GetActiveObjectCount());
}

TEST_F (EffectTest, HostEntriesLandOnTheirOperations)
{
    Make ({ { "Gain", 0.5f }, { "Width", 0.25f } });
    Table* table = effect->Interface();
    int32_t count = 0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, int32_t*> (table, 6, &count)));
    EXPECT_EQ (2, count);
    AAX_CString name;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, const char*, AAX_IString*> (table, 10, "Width", &name)));
    EXPECT_STREQ ("Width", name.Get());
    double value = 0.0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, const char*, double*> (table, 23, "Width", &value)));
    EXPECT_EQ (0.25, value);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, const char*, double, AAX_EUpdateSource> (table, 29, "Width", 0.75,
                                                                                                   AAX_eUpdateSource_Parameter)));
    EXPECT_EQ (0.75f, effect->Value ("Width"));
    int32_t changes = 0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, int32_t*> (table, 39, &changes)));
    EXPECT_EQ (1, changes);
    int32_t chunks = 0;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, int32_t*> (table, 33, &chunks)));
    EXPECT_EQ (1, chunks);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result> (table, 40)));
    uint32_t x = 0;
    uint32_t y = 0;
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED,
               (CallEntry<AAX_Result, Table, AAX_CTypeID, uint32_t*, uint32_t*> (table, 48, 0u, &x, &y)));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, uint32_t, int32_t, IACFUnknown*, IACFUnknown*> (table, 50, 1u, 1,
                                                                                                          nullptr, nullptr)));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, Table, const char*> (table, 26, "Gain")));
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostTouchRequest").size());
}

TEST (EffectInitialisation, FailingEffectInitReturnsItsCodeAndChunksNothing)
{
    RuntimeHost host;
    auto* effect = new TestEffect ({ { "Gain", 0.5f } }, AAX_ERROR_UNIMPLEMENTED);
    effect->AddRef();
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->Initialize (host.Unknown()));
    EXPECT_EQ (0, effect->NumChunkedParameters());
    EXPECT_TRUE (effect->FilteredIDs().empty());
    effect->Release();
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST (EffectInitialisation, WithoutParametersNothingIsChunkedAndNothingAsserts)
{
    duveline::test::TestHost testHost;
    duveline::test::ScopedHostServices services (testHost.Unknown());
    RuntimeHost host;
    auto* effect = new TestEffect();
    effect->AddRef();
    EXPECT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
    EXPECT_EQ (0, effect->NumChunkedParameters());
    EXPECT_EQ (1u, effect->FilteredIDs().count (""));
    EXPECT_TRUE (testHost.Session().Asserts().empty());
    effect->Release();
}

TEST_F (EffectTest, BypassIsFilteredAndEveryParameterRegistered)
{
    effect = new TestEffect ({ { "Gain", 0.5f }, { "MasterBypassID", 0.0f } });
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
    EXPECT_EQ (1, effect->NumChunkedParameters());
    EXPECT_EQ (1u, effect->FilteredIDs().count ("MasterBypassID"));
    AAX_CString bypass;
    EXPECT_EQ (AAX_SUCCESS, effect->GetMasterBypassParameter (&bypass));
    EXPECT_STREQ ("MasterBypassID", bypass.Get());
    EXPECT_EQ (2u, host.Record().CallsNamed ("RegisterParameter").size());
    host.Record().ClearCalls();
    effect->Uninitialize();
    EXPECT_EQ (2u, host.Record().CallsNamed ("UnregisterParameter").size());
    EXPECT_EQ (nullptr, effect->Controller());
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST (EffectLifetime, DestructionWithoutUninitializeReleasesTheHostProxies)
{
    RuntimeHost host;
    auto* effect = new TestEffect ({ { "Gain", 0.5f } });
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
    EXPECT_GT (host.ReferencesOnHost(), 0u);
    host.Record().ClearCalls();
    effect->Release();
    // Parameters go first, each unregistering through the still-living automation proxy.
    EXPECT_EQ (1u, host.Record().CallsNamed ("UnregisterParameter").size());
    EXPECT_EQ (0u, host.ReferencesOnHost());
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST_F (EffectTest, UnknownIDsFollowEachOperationsRule)
{
    Make ({ { "Gain", 0.5f } });
    AAX_CString text ("old");
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterName ("Nope", &text));
    EXPECT_STREQ ("", text.Get());
    text = "old";
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID, effect->GetParameterIDFromIndex (5, &text));
    EXPECT_STREQ ("", text.Get());
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterIDFromIndex (0, &text));
    EXPECT_STREQ ("Gain", text.Get());
    AAX_CBoolean automatable = 9;
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID, effect->GetParameterIsAutomatable ("Nope", &automatable));
    EXPECT_EQ (0, automatable);
    int32_t index = 0;
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID, effect->GetParameterIndex ("Nope", &index));
    EXPECT_EQ (-1, index);
    AAX_IParameter* parameter = reinterpret_cast<AAX_IParameter*> (1);
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID, effect->GetParameter ("Nope", &parameter));
    EXPECT_EQ (nullptr, parameter);
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID,
               effect->UpdateParameterNormalizedValue ("Nope", 1.0, AAX_eUpdateSource_Unspecified));
    int32_t steps = 0;
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterNumberOfSteps ("Gain", &steps));
    EXPECT_EQ (128, steps);
    int32_t info = 4;
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->GetParameterValueInfo ("Gain", 0, &info));
    EXPECT_EQ (0, info);
}

TEST_F (EffectTest, EchoOfTheCurrentValueMarksPacketsButCountsNoChange)
{
    Make ({ { "Gain", 0.5f } });
    auto& dispatcher = effect->Packets();
    dispatcher.RegisterPacket ("Gain", 1);
    effect->GenerateCoefficients();
    host.Record().ClearCalls();

    EXPECT_EQ (AAX_SUCCESS, effect->UpdateParameterNormalizedValue ("Gain", 0.5, AAX_eUpdateSource_Unspecified));
    int32_t changes = -1;
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (0, changes);
    effect->GenerateCoefficients();
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostPacket").size());

    effect->UpdateParameterNormalizedValue ("Gain", 0.6, AAX_eUpdateSource_Unspecified);
    effect->UpdateParameterNormalizedValue ("Gain", std::numeric_limits<double>::quiet_NaN(), AAX_eUpdateSource_Unspecified);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (2, changes);
    // A NaN echo stores the taper's minimum, never NaN.
    EXPECT_EQ (0.0f, effect->Value ("Gain"));
}

struct RelativeCase
{
    double current;
    double delta;
    double requested;
};

class RelativeChanges : public ::testing::TestWithParam<RelativeCase>
{
};

TEST_P (RelativeChanges, AreClampedToTheUnitRange)
{
    RuntimeHost host;
    auto* effect = new TestEffect ({ { "Gain", static_cast<float> (GetParam().current) } });
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (host.Unknown()));
    host.Record().ClearCalls();
    EXPECT_EQ (AAX_SUCCESS, effect->SetParameterNormalizedRelative ("Gain", GetParam().delta));
    const auto requests = host.Record().CallsNamed ("PostSetValueRequest");
    ASSERT_EQ (1u, requests.size());
    EXPECT_DOUBLE_EQ (GetParam().requested, requests[0].value);

    EXPECT_EQ (AAX_SUCCESS, effect->UpdateParameterNormalizedRelative ("Gain", GetParam().delta));
    EXPECT_FLOAT_EQ (static_cast<float> (GetParam().requested), effect->Value ("Gain"));
    EXPECT_EQ (AAX_ERROR_INVALID_PARAMETER_ID, effect->SetParameterNormalizedRelative ("Nope", 0.1));
    effect->Uninitialize();
    effect->Release();
}

INSTANTIATE_TEST_SUITE_P (Effect, RelativeChanges,
                          ::testing::Values (RelativeCase { 0.9, 0.3, 1.0 }, RelativeCase { 0.1, -0.5, 0.0 },
                                             RelativeCase { 0.25, 0.25, 0.5 }));

struct ShortNameCase
{
    const char* shortened;
    int32_t length;
    const char* expected;
};

class NameOfLength : public ::testing::TestWithParam<ShortNameCase>
{
};

TEST_P (NameOfLength, PicksTheLongestCandidateThatFits)
{
    auto* effect = new TestEffect ({ { "Input Gain", 0.5f } });
    effect->AddRef();
    ASSERT_EQ (AAX_SUCCESS, effect->Initialize (nullptr));
    AAX_IParameter* parameter = nullptr;
    ASSERT_EQ (AAX_SUCCESS, effect->GetParameter ("Input Gain", &parameter));
    parameter->AddShortenedName (GetParam().shortened);
    AAX_CString name ("unchanged");
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterNameOfLength ("Input Gain", &name, GetParam().length));
    EXPECT_STREQ (GetParam().expected, name.Get());
    effect->Release();
}

INSTANTIATE_TEST_SUITE_P (Effect, NameOfLength,
                          ::testing::Values (ShortNameCase { "InGn", 3, "InG" }, ShortNameCase { "InGn", 0, "" },
                                             ShortNameCase { "InGn", 4, "InGn" }, ShortNameCase { "In\nGain\nInpt", 4, "Gain" },
                                             ShortNameCase { "I\nIn\nInG", 2, "In" }, ShortNameCase { "Gain\nIn", 3, "In" },
                                             ShortNameCase { "", 3, "unchanged" }, ShortNameCase { "InGn", 20, "Input Gain" }));

TEST (EffectNames, NullOutputAndUnknownIDs)
{
    auto* effect = new TestEffect ({ { "Gain", 0.5f } });
    effect->AddRef();
    effect->Initialize (nullptr);
    EXPECT_EQ (AAX_ERROR_INVALID_STRING_CONVERSION, effect->GetParameterNameOfLength ("Gain", nullptr, 3));
    AAX_CString name ("old");
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterNameOfLength ("Nope", &name, 3));
    EXPECT_STREQ ("", name.Get());
    effect->Release();
}

TEST_F (EffectTest, TextConversionsReportFailuresAndKeepOutputs)
{
    Make ({ { "Gain", 0.5f } });
    double value = 0.3;
    EXPECT_EQ (AAX_ERROR_INVALID_STRING_CONVERSION, effect->GetParameterValueFromString ("Gain", &value, AAX_CString ("wide")));
    EXPECT_EQ (0.3, value);
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterValueFromString ("Gain", &value, AAX_CString ("0.75")));
    EXPECT_EQ (0.75, value);
    // A host string without text is an empty text, not an exception through the host's call.
    EXPECT_EQ (AAX_ERROR_INVALID_STRING_CONVERSION,
               effect->GetParameterValueFromString ("Gain", &value, duveline::test::NullTextString()));
    EXPECT_EQ (0.75, value);
    AAX_CString text;
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterStringFromValue ("Gain", 0.25, &text, 4));
    EXPECT_STREQ ("0.25", text.Get());
    EXPECT_EQ (AAX_SUCCESS, effect->GetParameterValueString ("Gain", &text, 2));
    EXPECT_STREQ ("0.500", text.Get());
}

TEST_F (EffectTest, PreviewNotificationIsReadOnlyWhenItCarriesAnInt32)
{
    Make ({ { "PreviewID", 0.0f } });
    const AAX_CTypeID preview = AAX_eNotificationEvent_ASPreviewState;
    const int32_t on = 1;
    // A float parameter ignores the preview state; short or missing data is never read.
    EXPECT_EQ (AAX_SUCCESS, effect->NotificationReceived (preview, &on, sizeof (on)));
    EXPECT_EQ (AAX_SUCCESS, effect->NotificationReceived (preview, nullptr, 4));
    const char oneByte = 1;
    EXPECT_EQ (AAX_SUCCESS, effect->NotificationReceived (preview, &oneByte, 1));
    EXPECT_EQ (0.0f, effect->Value ("PreviewID"));
    EXPECT_TRUE (host.Record().CallsNamed ("PostSetValueRequest").empty());
}

TEST_F (EffectTest, OptionalOperationsAnswerWithTheirDefaults)
{
    Make ({});
    uint32_t written = 5;
    EXPECT_EQ (AAX_SUCCESS, effect->GetCustomData ('cust', 4, nullptr, &written));
    EXPECT_EQ (0u, written);
    float out = 0.0f;
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->GetCurveData ('AXeq', nullptr, 0, &out));
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->RenderAudio_Hybrid (nullptr));
    unsigned char field[6] = { 1, 2, 3, 4, 5, 6 };
    EXPECT_EQ (AAX_SUCCESS, effect->ResetFieldData (4, field, 5));
    EXPECT_EQ (0, field[0] | field[1] | field[2] | field[3] | field[4]);
    EXPECT_EQ (6, field[5]);
    // With a page table, the table form decides (unimplemented in the base); without, success.
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, effect->UpdatePageTable (1, 1, host.Unknown(), host.NewPageTable (2)));
    EXPECT_EQ (AAX_SUCCESS, effect->UpdatePageTable (1, 1, host.Unknown(), nullptr));
}

TEST (EffectIdle, TimerWakeupRunsTheIdleHookAndSucceeds)
{
    sIdleCalls = 0;
    auto* effect = new TestEffect();
    effect->AddRef();
    EXPECT_EQ (AAX_SUCCESS, effect->TimerWakeup());
    EXPECT_EQ (0, sIdleCalls);
    AAX_SetIdleHook (&CountIdle);
    EXPECT_EQ (AAX_SUCCESS, effect->TimerWakeup());
    EXPECT_EQ (AAX_SUCCESS, CallEntry<AAX_Result> (effect->Interface(), 40));
    AAX_SetIdleHook (nullptr);
    EXPECT_EQ (2, sIdleCalls);
    effect->Release();
}
