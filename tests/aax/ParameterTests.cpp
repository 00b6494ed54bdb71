/*
    Parameter objects: taper and display delegates, steps, shortened names, the host round trip
    of a value, and the parameter manager.
*/
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_VAutomationDelegate.h"
#include "RuntimeHost.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <type_traits>

using duveline::test::RuntimeHost;

namespace
{
using Parameter = AAX_CParameter<float>;

std::unique_ptr<Parameter> MakeParameter (const char* id = "Width", float defaultValue = 0.25f, float minValue = 0.0f,
                                          float maxValue = 1.0f)
{
    return std::make_unique<Parameter> (id, AAX_CString ("Stereo Width"), defaultValue,
                                        AAX_CLinearTaperDelegate<float, 0> (minValue, maxValue),
                                        AAX_CNumberDisplayDelegate<float, 3>(), true);
}

std::string Text (const AAX_CString& text)
{
    return text.Get();
}
} // namespace

static_assert (std::is_same_v<AAX_CNumberDisplayDelegate<float, 3>, AAX_CNumberDisplayDelegate<float, 3, 0>>,
               "the framework names the display delegate with two arguments");

TEST (LinearTaper, DefaultRangeIsZeroToOne)
{
    const AAX_CLinearTaperDelegate<float, 0> taper;
    EXPECT_EQ (0.0f, taper.GetMinimumValue());
    EXPECT_EQ (1.0f, taper.GetMaximumValue());
}

TEST (LinearTaper, EqualBoundsMapEverythingToTheMiddleAndTheMinimum)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (2.0f, 2.0f);
    EXPECT_EQ (0.5, taper.RealToNormalized (-100.0f));
    EXPECT_EQ (0.5, taper.RealToNormalized (2.0f));
    EXPECT_EQ (2.0f, taper.NormalizedToReal (0.0));
    EXPECT_EQ (2.0f, taper.NormalizedToReal (0.9));
}

TEST (LinearTaper, ConstrainsToTheRangeWhicheverWayItRuns)
{
    const AAX_CLinearTaperDelegate<float, 0> rising (-12.0f, 12.0f);
    const AAX_CLinearTaperDelegate<float, 0> falling (12.0f, -12.0f);
    EXPECT_EQ (12.0f, rising.ConstrainRealValue (40.0f));
    EXPECT_EQ (-12.0f, rising.ConstrainRealValue (-40.0f));
    EXPECT_EQ (12.0f, falling.ConstrainRealValue (40.0f));
    EXPECT_EQ (-12.0f, falling.ConstrainRealValue (-40.0f));
    EXPECT_DOUBLE_EQ (0.75, rising.RealToNormalized (6.0f));
    EXPECT_FLOAT_EQ (-6.0f, rising.NormalizedToReal (0.25));
}

TEST (LinearTaper, NaNIsConstrainedToTheMinimum)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (-3.0f, 5.0f);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ (-3.0f, taper.ConstrainRealValue (nan));
    EXPECT_EQ (-3.0f, taper.NormalizedToReal (std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ (0.0, taper.RealToNormalized (nan));
}

struct DisplayCase
{
    float value;
    int32_t maxChars;
    const char* expected;
};

class NumberDisplayWithLength : public ::testing::TestWithParam<DisplayCase>
{
};

TEST_P (NumberDisplayWithLength, CutsAndDropsATrailingPoint)
{
    const AAX_CNumberDisplayDelegate<float, 3> display;
    AAX_CString text ("old");
    EXPECT_TRUE (display.ValueToString (GetParam().value, GetParam().maxChars, &text));
    EXPECT_EQ (GetParam().expected, Text (text));
}

INSTANTIATE_TEST_SUITE_P (Display, NumberDisplayWithLength,
                          ::testing::Values (DisplayCase { 0.5f, 4, "0.50" }, DisplayCase { 12.5f, 3, "12" },
                                             DisplayCase { 0.5f, 0, "" }, DisplayCase { 0.5f, -2, "" },
                                             DisplayCase { 0.5f, 10, "0.500" }, DisplayCase { -1.25f, 2, "-1" }));

TEST (NumberDisplay, ReadsNumbersAndRefusesOtherText)
{
    const AAX_CNumberDisplayDelegate<float, 3> display;
    float value = 9.0f;
    EXPECT_TRUE (display.StringToValue (AAX_CString ("0.75"), &value));
    EXPECT_EQ (0.75f, value);
    EXPECT_FALSE (display.StringToValue (AAX_CString ("wide"), &value));
    EXPECT_EQ (0.0f, value);
}

TEST (Parameter, NewContinuousParameterHas128StepsAndKeepsThemAgainstZero)
{
    duveline::test::TestHost testHost;
    duveline::test::ScopedHostServices services (testHost.Unknown());
    auto parameter = MakeParameter();
    EXPECT_EQ (128u, parameter->GetNumberOfSteps());
    EXPECT_EQ (AAX_eParameterType_Continuous, parameter->GetType());
    parameter->SetNumberOfSteps (0);
    EXPECT_EQ (128u, parameter->GetNumberOfSteps());
    ASSERT_EQ (1u, testHost.Session().Asserts().size());
    EXPECT_EQ ("0 < numSteps", testHost.Session().Asserts()[0].note);
}

TEST (Parameter, DetachedParameterStoresTheDefaultAtOnce)
{
    auto parameter = MakeParameter ("Gain", 6.0f, -12.0f, 12.0f);
    float value = 0.0f;
    EXPECT_TRUE (parameter->GetValueAsFloat (&value));
    EXPECT_EQ (6.0f, value);
    EXPECT_DOUBLE_EQ (0.75, parameter->GetNormalizedValue());
    EXPECT_DOUBLE_EQ (0.75, parameter->GetNormalizedDefaultValue());
}

TEST (Parameter, OnlyFloatAccessSucceeds)
{
    auto parameter = MakeParameter();
    bool boolValue = true;
    int32_t intValue = 3;
    double doubleValue = 2.0;
    double normalized = 7.0;
    EXPECT_FALSE (parameter->GetValueAsBool (&boolValue));
    EXPECT_FALSE (parameter->GetValueAsInt32 (&intValue));
    EXPECT_FALSE (parameter->GetValueAsDouble (&doubleValue));
    EXPECT_TRUE (boolValue);
    EXPECT_EQ (3, intValue);
    EXPECT_EQ (2.0, doubleValue);
    EXPECT_FALSE (parameter->SetValueWithBool (true));
    EXPECT_FALSE (parameter->SetValueWithDouble (0.9));
    EXPECT_FALSE (parameter->GetNormalizedValueFromInt32 (1, &normalized));
    EXPECT_EQ (7.0, normalized);
    EXPECT_FALSE (parameter->GetValueAsString (nullptr));
    AAX_CString text;
    EXPECT_TRUE (parameter->GetValueAsString (&text));
    EXPECT_EQ ("0.250", Text (text));
}

TEST (Parameter, SetNormalizedValueRequestsTheClampedValue)
{
    RuntimeHost host;
    AAX_VAutomationDelegate automation (host.Unknown());
    auto parameter = MakeParameter();
    parameter->SetAutomationDelegate (&automation);
    parameter->SetNormalizedValue (1.7);
    parameter->SetNormalizedValue (-0.2);
    const auto requests = host.Record().CallsNamed ("PostSetValueRequest");
    ASSERT_EQ (2u, requests.size());
    EXPECT_EQ (1.0, requests[0].value);
    EXPECT_EQ (0.0, requests[1].value);
    parameter.reset();
}

TEST (Parameter, AttachedValueChangesOnlyWhenTheHostEchoesIt)
{
    RuntimeHost host;
    AAX_VAutomationDelegate automation (host.Unknown());
    auto parameter = MakeParameter();
    parameter->SetAutomationDelegate (&automation);
    host.Record().ClearCalls();

    EXPECT_TRUE (parameter->SetValueWithFloat (0.75f));
    float value = 0.0f;
    parameter->GetValueAsFloat (&value);
    EXPECT_EQ (0.25f, value);
    const auto calls = host.Record().Calls();
    ASSERT_EQ (3u, calls.size());
    EXPECT_EQ ("PostTouchRequest", calls[0].name);
    EXPECT_EQ ("PostSetValueRequest", calls[1].name);
    EXPECT_EQ (0.75, calls[1].value);
    EXPECT_EQ ("PostReleaseRequest", calls[2].name);

    host.Record().ClearCalls();
    parameter->UpdateNormalizedValue (0.75);
    parameter->GetValueAsFloat (&value);
    EXPECT_EQ (0.75f, value);
    parameter->UpdateNormalizedValue (0.75);
    const auto reports = host.Record().CallsNamed ("PostCurrentValue");
    ASSERT_EQ (1u, reports.size());
    EXPECT_EQ (0.75, reports[0].value);
    parameter.reset();
}

TEST (Parameter, TaperChangeReportsTheValueOnce)
{
    RuntimeHost host;
    AAX_VAutomationDelegate automation (host.Unknown());
    auto parameter = std::make_unique<Parameter> ("Mix", AAX_CString ("Mix"), 0.25f, AAX_CLinearTaperDelegate<float, 0>(),
                                                  AAX_CNumberDisplayDelegate<float, 3>(), true);
    // A taper change forces the next update to be reported, whatever it stores.
    AAX_CLinearTaperDelegate<float, 0> same;
    parameter->SetAutomationDelegate (&automation);
    parameter->SetTaperDelegate (same, false);
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostCurrentValue").size());
    parameter->UpdateNormalizedValue (0.25);
    EXPECT_EQ (1u, host.Record().CallsNamed ("PostCurrentValue").size());
    parameter.reset();
}

TEST (Parameter, DetachingUnregistersAndDestructionUnregistersOnce)
{
    RuntimeHost host;
    AAX_VAutomationDelegate automation (host.Unknown());
    auto parameter = MakeParameter ("Width");
    parameter->SetAutomationDelegate (&automation);
    parameter->SetAutomationDelegate (&automation);
    parameter.reset();
    EXPECT_EQ (2u, host.Record().CallsNamed ("RegisterParameter").size());
    EXPECT_EQ (2u, host.Record().CallsNamed ("UnregisterParameter").size());
}

struct StepCase
{
    uint32_t steps;
    double normalized;
    uint32_t expectedStep;
};

class ParameterSteps : public ::testing::TestWithParam<StepCase>
{
};

TEST_P (ParameterSteps, NormalisedValuesRoundToTheNearestStep)
{
    auto parameter = MakeParameter();
    parameter->SetNumberOfSteps (GetParam().steps);
    EXPECT_EQ (GetParam().expectedStep, parameter->GetStepValueFromNormalizedValue (GetParam().normalized));
}

INSTANTIATE_TEST_SUITE_P (Steps, ParameterSteps,
                          ::testing::Values (StepCase { 5, 0.62, 2 }, StepCase { 5, 0.63, 3 }, StepCase { 5, 1.4, 4 },
                                             StepCase { 5, -0.3, 0 }, StepCase { 1, 0.9, 0 }, StepCase { 2, 0.5, 1 },
                                             StepCase { 5, std::numeric_limits<double>::quiet_NaN(), 0 }));

TEST (Parameter, StepsMapBackToEvenlySpacedValues)
{
    auto parameter = MakeParameter();
    parameter->SetNumberOfSteps (5);
    EXPECT_EQ (0.5, parameter->GetNormalizedValueFromStep (2));
    EXPECT_EQ (1.0, parameter->GetNormalizedValueFromStep (9));
    parameter->SetStepValue (3);
    EXPECT_EQ (3u, parameter->GetStepValue());
    parameter->SetNumberOfSteps (1);
    EXPECT_EQ (0.0, parameter->GetNormalizedValueFromStep (3));
    parameter->SetStepValue (0); // fewer than 2 steps: nothing happens
    EXPECT_EQ (0.75, parameter->GetNormalizedValue());
}

TEST (Parameter, TextForAnyNormalisedValueSucceedsSinceTheTaperClamps)
{
    auto parameter = MakeParameter();
    for (const double normalized : { -0.5, 0.0, 0.3, 1.0, 1.5 })
    {
        AAX_CString text;
        EXPECT_TRUE (parameter->GetStringFromNormalizedValue (normalized, text)) << normalized;
        EXPECT_TRUE (parameter->GetStringFromNormalizedValue (normalized, 4, text)) << normalized;
    }
    AAX_CString text;
    parameter->GetStringFromNormalizedValue (1.5, text);
    EXPECT_EQ ("1.000", Text (text));
}

TEST (Parameter, TextRoundTripStoresOnlyParsableValues)
{
    auto parameter = MakeParameter();
    EXPECT_FALSE (parameter->SetValueFromString (AAX_CString ("loud")));
    EXPECT_EQ (0.25, parameter->GetNormalizedValue());
    EXPECT_TRUE (parameter->SetValueWithString (AAX_CString ("0.5")));
    EXPECT_EQ (0.5, parameter->GetNormalizedValue());
    double normalized = 0.0;
    EXPECT_TRUE (parameter->GetNormalizedValueFromString (AAX_CString ("2"), &normalized));
    EXPECT_EQ (1.0, normalized);
    AAX_CString text;
    EXPECT_TRUE (parameter->GetValueString (2, &text));
    EXPECT_EQ ("0.500", Text (text)); // the length is not applied
}

TEST (Parameter, ShortenedNamePicksTheLongestThatFits)
{
    auto parameter = MakeParameter();
    parameter->AddShortenedName ("Wdth");
    EXPECT_EQ ("Wdth", Text (parameter->ShortenedName (3)));
    EXPECT_EQ ("Stereo Width", Text (parameter->ShortenedName (12)));
    EXPECT_EQ ("Stereo Width", Text (parameter->ShortenedName (-1)));
    parameter->AddShortenedName ("W");
    parameter->AddShortenedName ("Wd");
    parameter->AddShortenedName ("St W");
    EXPECT_EQ ("Wd", Text (parameter->ShortenedName (3)));
    EXPECT_EQ ("St W", Text (parameter->ShortenedName (11)));
    parameter->ClearShortenedNames();
    EXPECT_EQ ("Stereo Width", Text (parameter->ShortenedName (3)));
}

TEST (Parameter, IdentifiersAreKeptUpTo31Characters)
{
    duveline::test::TestHost testHost;
    duveline::test::ScopedHostServices services (testHost.Unknown());
    const std::string id31 (31, 'a');
    const std::string id32 = std::string (31, 'b') + "c";
    auto kept = MakeParameter (id31.c_str());
    EXPECT_EQ (id31, kept->Identifier());
    EXPECT_TRUE (testHost.Session().Asserts().empty());

    auto cut = MakeParameter (id32.c_str());
    EXPECT_EQ (std::string (31, 'b'), cut->Identifier());
    ASSERT_EQ (1u, testHost.Session().Asserts().size());
    EXPECT_EQ ("len < eParemeterDefaultMaxIdentifierSize", testHost.Session().Asserts()[0].note);
    EXPECT_EQ ("Interfaces/AAX_CParameter", testHost.Session().Asserts()[0].file);

    std::unique_ptr<AAX_IParameterValue> value (cut->CloneValue());
    EXPECT_EQ (std::string (31, 'b'), value->Identifier());
    float stored = 0.0f;
    EXPECT_TRUE (value->GetValueAsFloat (&stored));
    EXPECT_EQ (0.25f, stored);
}

TEST (ParameterManager, AttachesParametersAndIgnoresDuplicates)
{
    RuntimeHost host;
    AAX_VAutomationDelegate automation (host.Unknown());
    {
        AAX_CParameterManager manager;
        manager.Initialize (&automation);
        EXPECT_TRUE (manager.AddParameter (MakeParameter ("Gain").release()));
        EXPECT_TRUE (manager.AddParameter (MakeParameter ("Width").release()));
        auto duplicate = MakeParameter ("Gain");
        EXPECT_FALSE (manager.AddParameter (duplicate.get()));
        EXPECT_FALSE (manager.AddParameter (nullptr));
        EXPECT_EQ (2, manager.NumParameters());
        EXPECT_EQ (1, manager.GetParameterIndex ("Width"));
        EXPECT_EQ (-1, manager.GetParameterIndex ("Mix"));
        EXPECT_EQ (-1, manager.GetParameterIndex (nullptr));
        EXPECT_EQ (nullptr, manager.GetParameterByID (nullptr));
        EXPECT_EQ (nullptr, manager.GetParameter (2));
        EXPECT_EQ (nullptr, manager.GetParameter (-1));
        EXPECT_STREQ ("Gain", manager.GetParameter (0)->Identifier());
        EXPECT_EQ (manager.GetParameter (1), manager.GetParameterByID ("Width"));
        EXPECT_EQ (2u, host.Record().CallsNamed ("RegisterParameter").size());
    }
    const auto unregistered = host.Record().CallsNamed ("UnregisterParameter");
    ASSERT_EQ (2u, unregistered.size());
    EXPECT_EQ ("Gain", unregistered[0].id);
    EXPECT_EQ ("Width", unregistered[1].id);
}
