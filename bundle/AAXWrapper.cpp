/*
    The framework's AAX client for the plug-in bundle: the plug-in's settings for JUCE, the
    client itself (which compiles the seven entry points into the bundle), and the idle hook
    through which the host's TimerWakeup calls pump JUCE's message queue on Linux, and the
    release of FFTW's planner when the bundle is unloaded.
*/

// The plug-in's settings. JUCE's CMake support offers no AAX on Linux, so they live here, in
// the only translation unit that needs them.
#define JucePlugin_Build_VST 0
#define JucePlugin_Build_VST3 0
#define JucePlugin_Build_AU 0
#define JucePlugin_Build_AUv3 0
#define JucePlugin_Build_RTAS 0
#define JucePlugin_Build_AAX 1
#define JucePlugin_Build_Standalone 0
#define JucePlugin_Build_Unity 0
#define JucePlugin_Build_LV2 0
#define JucePlugin_Enable_ARA 0
#define JucePlugin_Name "Duveline" // equals BrenvoAudioProcessor::getName()
#define JucePlugin_Desc "Duveline"
#define JucePlugin_Manufacturer "Tolvane"
#define JucePlugin_ManufacturerWebsite ""
#define JucePlugin_ManufacturerEmail ""
#define JucePlugin_ManufacturerCode 'Kpzl'
#define JucePlugin_PluginCode 'Kpzq'
#define JucePlugin_IsSynth 0
#define JucePlugin_WantsMidiInput 0
#define JucePlugin_ProducesMidiOutput 0
#define JucePlugin_IsMidiEffect 0
#define JucePlugin_EditorRequiresKeyboardFocus 0
#define JucePlugin_Version 1.0.0
#define JucePlugin_VersionCode 0x10000
#define JucePlugin_VersionString "1.0.0"
#define JucePlugin_AAXIdentifier com.Tolvane.Duveline
#define JucePlugin_AAXManufacturerCode JucePlugin_ManufacturerCode
#define JucePlugin_AAXProductId JucePlugin_PluginCode
#define JucePlugin_AAXCategory 512
#define JucePlugin_AAXDisableBypass 0
#define JucePlugin_AAXDisableMultiMono 0

// The client compiles only where this is defined (or on Windows).
#define JUCE_INCLUDED_AAX_IN_MM 1

#include <juce_audio_plugin_client/AAX/juce_AAX_Wrapper.cpp>

#include "AAX_CHostServices.h"
#include "AAX_PlatformIdle.h"

#include <fftw3.h>

namespace juce
{
// Defined in JUCE's Linux messaging; its declaration in juce_LinuxMessageThread.h comes with
// classes that need the GUI module's internals.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace
{
// A burst of repaints must not hold the host's main thread for long; what is left waits for
// the next wake-up.
constexpr int kMaxMessagesPerWakeup = 64;

// Touched only on the message thread, so no synchronisation is needed.
bool sPumping = false;

// Nothing else dispatches JUCE's queue in a plug-in here: timers, asynchronous updates and
// repaints run only when the host's wake-ups arrive.
void PumpMessageQueue()
{
    // Without a message manager there is no run loop, and dispatching would spin.
    auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();
    if (messageManager == nullptr || !messageManager->isThisTheMessageThread())
        return;
    // The framework's own modal loops (the preset menu's) dispatch nested inside a message.
    if (sPumping)
        return;

    struct PumpingScope
    {
        PumpingScope() { sPumping = true; }
        ~PumpingScope() { sPumping = false; }
    } scope;

    try
    {
        for (int i = 0; i < kMaxMessagesPerWakeup; ++i)
            if (!juce::dispatchNextMessageOnSystemQueue (true))
                break;
    }
    catch (const std::exception& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "TimerWakeup: message dispatch threw: %s", error.what());
    }
    catch (...)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "TimerWakeup: message dispatch threw");
    }
}

// Installed when the host loads the bundle.
const bool sIdleHookInstalled = []
{
    AAX_SetIdleHook (&PumpMessageQueue);
    return true;
}();
} // namespace

namespace
{
// FFTW keeps its planner (every plan's solver tables) in library globals until told to let go.
// A host unloads the bundle, and with it FFTW, only once every instance and with it every plan
// is gone: free the planner then, or each load and unload leaks it.
struct FftwPlannerRelease
{
    ~FftwPlannerRelease() { fftwf_cleanup(); }
} sFftwPlannerRelease;
} // namespace
