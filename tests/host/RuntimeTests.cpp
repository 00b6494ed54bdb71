/*
    The host driving a fake effect: instantiation with the host's rate and formats, blocks on the
    audio thread, the set-value round trip and requests from other threads, automation and the
    bypass packet reaching the next block, chunks, idle wake-ups, the GUI object's host, and the
    balance of references on both sides.
*/
#include "Editor.h"
#include "RuntimeFixture.h"

#include "AAX_Errors.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

using namespace duveline::host;
using duveline::host::testing::FakeEffectTest;

namespace
{
std::string Label (const Editor& editor)
{
    HostString label;
    editor.Gui().GetCustomLabel (AAX_ePlugInStrings_Analysis, &label);
    return label.Text();
}
} // namespace

TEST_F (FakeEffectTest, InitialisesWithTheHostsRateAndFormats)
{
    const fake::Diagnostics diagnostics = Diagnostics();
    EXPECT_EQ (48000.0f, diagnostics.sampleRate);
    EXPECT_EQ (AAX_eStemFormat_Stereo, diagnostics.inputStemFormat);
    EXPECT_EQ (AAX_eStemFormat_Stereo, diagnostics.outputStemFormat);
    EXPECT_EQ (0, diagnostics.hostIsAudioSuite);
    EXPECT_EQ (4, diagnostics.resetFields);   // every private-data field, once
    EXPECT_EQ (1, diagnostics.packetsPosted); // the initial bypass packet
    EXPECT_EQ (0, instance->Latency());
    EXPECT_EQ (2, instance->InputChannels());
    EXPECT_EQ (8, instance->State().context.FieldCount());
    EXPECT_TRUE (instance->State().IsRegistered (fake::kGainID));
    EXPECT_EQ (fake::kBypassID, instance->MasterBypassID());

    const auto parameters = instance->Parameters();
    ASSERT_EQ (2u, parameters.size());
    EXPECT_EQ ("Gain", parameters[0].name);
    EXPECT_EQ ("1.00", parameters[0].valueText);
    EXPECT_EQ ("Master Bypass", parameters[1].name);
    EXPECT_EQ ("off", parameters[1].valueText);
    EXPECT_EQ (fake::kBypassID, instance->FindParameter ("Master Bypass"));
}

TEST_F (FakeEffectTest, ClosingReleasesTheInstanceAndItsHostObjects)
{
    const int32_t before = host.CanUnloadNow();
    EXPECT_GT (before, 0);
    EXPECT_GT (host.GetSession().LiveObjects (ObjectKind::Controller), 0);
    EXPECT_EQ (0, instance->Close());
    EXPECT_FALSE (instance->State().IsRegistered (fake::kGainID));
    EXPECT_EQ (0, host.CanUnloadNow());
    EXPECT_EQ (0, host.GetSession().LiveObjects (ObjectKind::Controller));
    EXPECT_EQ (0, host.GetSession().LiveObjects (ObjectKind::AutomationDelegate));
    EXPECT_EQ (0, host.GetSession().LiveObjects (ObjectKind::InstanceHost));
}

TEST_F (FakeEffectTest, MonoInstancesGetTheMonoComponent)
{
    InstanceConfig config;
    config.inputFormat = config.outputFormat = AAX_eStemFormat_Mono;
    config.sampleRate = 96000.0f;
    const auto mono = Create (config);
    ASSERT_NE (nullptr, mono);
    EXPECT_EQ (1, mono->InputChannels());
    EXPECT_EQ (1, mono->OutputChannels());
    EXPECT_EQ (96000.0f, Diagnostics (*mono).sampleRate);
    EXPECT_NE (Diagnostics (*mono).instanceNumber, Diagnostics().instanceNumber);
}

TEST_F (FakeEffectTest, FormatsWithoutAComponentAreRefused)
{
    InstanceConfig config;
    config.inputFormat = config.outputFormat = AAX_eStemFormat_5_1;
    int32_t result = 0;
    std::string error;
    EXPECT_EQ (nullptr, host.CreateInstance (config, result, error));
    EXPECT_NE (0, result);
    EXPECT_FALSE (error.empty());
}

TEST_F (FakeEffectTest, BlocksRunOnTheAudioThread)
{
    const auto out = Block();
    EXPECT_FLOAT_EQ (0.25f, out[0]); // gain 0.5 normalised is a factor of 1
    EXPECT_FLOAT_EQ (-0.5f, out[1]);
    Block (17);
    const fake::Diagnostics diagnostics = Diagnostics();
    EXPECT_EQ (2, diagnostics.blocks);
    EXPECT_EQ (0, diagnostics.blocksOffAudioThread);
    EXPECT_EQ (0, diagnostics.offMainThreadCalls);
    EXPECT_EQ (17, instance->State().context.BlockLength());
    EXPECT_EQ (64 + 17, instance->State().samplePosition.load());
}

TEST_F (FakeEffectTest, SetValueRequestsAreAnsweredOnTheSameInstance)
{
    const int32_t updates = Diagnostics().updates;
    ASSERT_EQ (0, instance->SetParameter (fake::kGainID, 0.25));
    EXPECT_DOUBLE_EQ (0.25, instance->NormalizedValue (fake::kGainID));
    EXPECT_EQ (updates + 1, Diagnostics().updates);
    EXPECT_DOUBLE_EQ (0.25, instance->State().CurrentValue (fake::kGainID));
    EXPECT_EQ (1, instance->State().TouchCount());
    EXPECT_FALSE (instance->State().IsTouched (fake::kGainID));
    EXPECT_EQ (0, instance->State().queuedRequests.load());
    EXPECT_EQ ("0.50", instance->ValueText (fake::kGainID));
}

TEST_F (FakeEffectTest, RequestsFromOtherThreadsWaitForTheMainThread)
{
    const double value = 0.75;
    ASSERT_EQ (0, instance->Notify (fake::kSetFromOtherThread, &value, sizeof (value)));
    EXPECT_EQ (1, instance->State().queuedRequests.load());
    // Not answered on the requesting thread: the value waits for the main thread.
    EXPECT_DOUBLE_EQ (0.5, instance->NormalizedValue (fake::kGainID));
    EXPECT_TRUE (
        host.Main().PumpUntil ([&] { return instance->NormalizedValue (fake::kGainID) == value; }, std::chrono::seconds (5)));
    EXPECT_EQ (0, Diagnostics().offMainThreadCalls);
}

TEST_F (FakeEffectTest, QueuedRequestsOfAClosedInstanceAreDropped)
{
    const double value = 0.75;
    instance->Notify (fake::kSetFromOtherThread, &value, sizeof (value));
    instance->Close();
    const int64_t tasks = host.Main().TasksRun();
    host.Main().Pump();
    EXPECT_EQ (tasks + 1, host.Main().TasksRun());
}

TEST_F (FakeEffectTest, AutomationReachesTheNextBlock)
{
    EXPECT_FLOAT_EQ (0.25f, Block()[0]);
    ASSERT_EQ (0, instance->Automate (fake::kGainID, 0.25));
    EXPECT_FLOAT_EQ (0.125f, Block()[0]);
}

TEST_F (FakeEffectTest, BypassPacketReachesTheNextBlockAfterCoefficients)
{
    ASSERT_EQ (0, instance->Automate (fake::kGainID, 0.0));
    EXPECT_FLOAT_EQ (0.0f, Block()[0]);
    ASSERT_EQ (0, instance->Automate (fake::kBypassID, 1.0));
    // The packet leaves only when the host asks for coefficients.
    EXPECT_FLOAT_EQ (0.0f, Block()[0]);
    ASSERT_EQ (0, instance->GenerateCoefficients());
    const auto out = Block();
    EXPECT_FLOAT_EQ (0.25f, out[0]);
    EXPECT_FLOAT_EQ (-0.5f, out[1]);
    EXPECT_EQ (2, instance->State().packetsPosted.load());
}

TEST_F (FakeEffectTest, PacketsForUnknownPortsAreRefused)
{
    ACFPtr<AAX_IACFController> controller;
    HostController* hostController = new HostController (instance->State().shared_from_this(), 3);
    ASSERT_EQ (ACF_OK, hostController->QueryInterface (IID_IAAXControllerV1, controller.ReceiveVoid()));
    const float value = 1.0f;
    EXPECT_EQ (AAX_ERROR_PORT_ID_OUT_OF_RANGE, controller->PostPacket (7, &value, sizeof (value)));
    const double tooLong = 1.0;
    EXPECT_EQ (AAX_ERROR_POST_PACKET_FAILED, controller->PostPacket (fake::kBypassPort, &tooLong, sizeof (tooLong)));
    EXPECT_EQ (2, instance->State().packetsRefused.load());
}

TEST_F (FakeEffectTest, ChunksSavedChangedAndRestoredBringValuesBack)
{
    instance->Automate (fake::kGainID, 0.3);
    instance->Automate (fake::kBypassID, 1.0);
    std::vector<Chunk> chunks;
    ASSERT_EQ (0, instance->SaveChunks (chunks));
    ASSERT_EQ (2u, chunks.size());
    EXPECT_EQ ('elck', chunks[0].ID());
    EXPECT_EQ ('juce', chunks[1].ID());
    EXPECT_EQ (16, chunks[1].DataSize());

    const std::string path = (std::filesystem::temp_directory_path() / "duveline-fake-chunks.bin").string();
    std::string error;
    ASSERT_TRUE (WriteChunkFile (path, chunks, error)) << error;
    std::vector<Chunk> read;
    ASSERT_TRUE (ReadChunkFile (path, read, error)) << error;
    std::filesystem::remove (path);
    ASSERT_EQ (2u, read.size());
    EXPECT_EQ (chunks[1].Bytes(), read[1].Bytes());

    bool equal = false;
    ASSERT_EQ (0, instance->CompareChunk (read[0], equal));
    EXPECT_TRUE (equal);
    instance->Automate (fake::kGainID, 0.9);
    instance->Automate (fake::kBypassID, 0.0);
    instance->CompareChunk (read[0], equal);
    EXPECT_FALSE (equal);
    instance->CompareChunk (read[1], equal);
    EXPECT_TRUE (equal); // only the controls chunk is compared

    ASSERT_EQ (0, instance->RestoreChunks (read));
    EXPECT_DOUBLE_EQ (0.3, instance->NormalizedValue (fake::kGainID));
    EXPECT_DOUBLE_EQ (1.0, instance->NormalizedValue (fake::kBypassID));
}

TEST_F (FakeEffectTest, ChunkRequestsAnswerUnknownIDs)
{
    Chunk chunk;
    EXPECT_EQ (AAX_ERROR_INVALID_CHUNK_ID, instance->SaveChunk ('nope', chunk));
}

TEST_F (FakeEffectTest, IdleWakeupsReachEffectAndEditorOnTheMainThread)
{
    int32_t result = 0;
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor);
    ASSERT_TRUE (host.Main().PumpUntil ([&] { return Diagnostics().timerWakeups >= 3 && editor->Wakeups() >= 3; },
                                        std::chrono::seconds (5)));
    EXPECT_NE (std::string::npos, Label (*editor).find ("wakeups="));
    EXPECT_EQ (0, Diagnostics().offMainThreadCalls);
    editor.reset();
    const int32_t wakeups = Diagnostics().timerWakeups;
    ASSERT_TRUE (host.Main().PumpUntil ([&] { return Diagnostics().timerWakeups > wakeups; }, std::chrono::seconds (5)));
}

TEST_F (FakeEffectTest, GuiHostAnswersWithTheSameEffectParameters)
{
    int32_t result = 0;
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor);
    char expected[32];
    std::snprintf (expected, sizeof (expected), "effect=%d ", Diagnostics().instanceNumber);
    EXPECT_EQ (0u, Label (*editor).find (expected)) << Label (*editor);
    float width = 0.0f, height = 0.0f;
    ASSERT_EQ (0, editor->ViewSize (width, height));
    EXPECT_EQ (320.0f, width);
    EXPECT_EQ (200.0f, height);
    EXPECT_EQ (0, editor->Close());
}

TEST_F (FakeEffectTest, WithoutAWindowTheContainerHandsOutNone)
{
    int32_t result = 0;
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor);
    ASSERT_EQ (0, editor->Attach (ViewTarget {}));
    EXPECT_NE (std::string::npos, Label (*editor).find ("type=0 window=0 resize=-20004")) << Label (*editor);
    EXPECT_EQ (1, host.GetSession().LiveObjects (ObjectKind::ViewContainer));
    EXPECT_EQ (0, editor->Detach());
    EXPECT_EQ (0, host.GetSession().LiveObjects (ObjectKind::ViewContainer));
}

TEST_F (FakeEffectTest, ClosingTheInstanceClosesItsEditorsFirst)
{
    int32_t result = 0;
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor);
    editor->Attach (ViewTarget {});
    EXPECT_EQ (0, instance->Close());
    EXPECT_FALSE (editor->IsAttached());
    EXPECT_EQ (0, host.CanUnloadNow());
}
