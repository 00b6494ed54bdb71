/*
    The effect-GUI base: its interface glue and table entries, when it calls the derived
    class's view operations, parameter updates on opening, and a shut-down that never leaves a
    view alive after the effect it shows has gone.
*/
#include "AAX_PlatformIdle.h"
#include "AAX_UIDs.h"
#include "RawEntry.h"
#include "RuntimeHost.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <memory>

using duveline::test::CallEntry;
using duveline::test::RuntimeConfig;
using duveline::test::RuntimeHost;
using duveline::test::TestEffect;
using duveline::test::TestGUI;

namespace
{
using Events = std::vector<std::string>;

// A GUI host: a run-time host whose unknown also answers the effect-parameters interface with
// an initialised effect of three parameters.
class GUITest : public ::testing::Test
{
protected:
    GUITest() : effect (new TestEffect ({ { "Gain", 0.5f }, { "Width", 0.25f }, { "Mix", 1.0f } })), host (Config (effect))
    {
        effect->AddRef();
        effect->Initialize (nullptr);
        gui = new TestGUI();
        gui->AddRef();
    }
    ~GUITest() override
    {
        gui->Release();
        effect->Release();
    }
    static RuntimeConfig Config (TestEffect* effect)
    {
        RuntimeConfig config;
        config.effect = effect->Interface();
        return config;
    }

    TestEffect* effect;
    RuntimeHost host;
    TestGUI* gui = nullptr;
};

int sIdleCalls = 0;
void CountIdle()
{
    ++sIdleCalls;
}
} // namespace

TEST (GUIGlue, AnswersItsOwnInterfaceAndRefusesTheEffectParameters)
{
    auto* gui = new TestGUI();
    void* out = reinterpret_cast<void*> (1);
    EXPECT_EQ (ACF_E_NOINTERFACE, gui->QueryInterface (IID_IAAXEffectParametersV1, &out));
    EXPECT_EQ (nullptr, out);
    ASSERT_EQ (ACF_OK, gui->QueryInterface (IID_IAAXEffectGUIV1, &out));
    EXPECT_EQ (static_cast<void*> (static_cast<AAX_IACFEffectGUI*> (gui)), out);
    EXPECT_EQ (0u, gui->Release());
}

TEST_F (GUITest, InitializeBuildsTheContentsAndHoldsTheEffect)
{
    EXPECT_EQ (AAX_SUCCESS, gui->Initialize (host.Unknown()));
    EXPECT_EQ ((Events { "contents" }), gui->events);
    EXPECT_EQ (effect, gui->GetEffectParameters());
    EXPECT_EQ (3u, effect->AddRef());
    effect->Release();
    EXPECT_EQ (AAX_SUCCESS, gui->Uninitialize());
    EXPECT_EQ (nullptr, gui->GetEffectParameters());
    EXPECT_EQ (2u, effect->AddRef());
    effect->Release();
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST_F (GUITest, NullHostIsNotInitialisedAndBuildsNothing)
{
    EXPECT_EQ (AAX_ERROR_NOT_INITIALIZED, gui->Initialize (nullptr));
    EXPECT_TRUE (gui->events.empty());
    EXPECT_NE (nullptr, gui->GetController());
}

TEST_F (GUITest, OpeningAWindowReportsEveryParameterInIndexOrder)
{
    gui->Initialize (host.Unknown());
    gui->events.clear();
    int window = 0;
    EXPECT_EQ (AAX_SUCCESS, gui->SetViewContainer (host.NewViewContainer (2, &window)));
    EXPECT_EQ ((Events { "create", "updated Gain", "updated Width", "updated Mix" }), gui->events);
    EXPECT_EQ (&window, gui->GetViewContainerPtr());
    EXPECT_EQ (3, gui->GetViewContainerType());
    gui->Uninitialize();
}

TEST_F (GUITest, SecondContainerReplacesTheFirstWithoutDeletingTheView)
{
    gui->Initialize (host.Unknown());
    int first = 0;
    int second = 0;
    gui->SetViewContainer (host.NewViewContainer (2, &first));
    gui->events.clear();
    gui->SetViewContainer (host.NewViewContainer (2, &second));
    EXPECT_EQ ((Events { "create", "updated Gain", "updated Width", "updated Mix" }), gui->events);
    EXPECT_EQ (&second, gui->GetViewContainerPtr());
    host.DropViewContainers();
    // The first proxy went with its references; only the second container is alive.
    EXPECT_EQ (1, host.ObjectsHandedOut());
    gui->Uninitialize();
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST_F (GUITest, RemovingTheContainerDeletesTheViewEvenWithoutOne)
{
    gui->Initialize (host.Unknown());
    gui->events.clear();
    EXPECT_EQ (AAX_SUCCESS, gui->SetViewContainer (nullptr));
    EXPECT_EQ ((Events { "delete" }), gui->events);
    EXPECT_EQ (nullptr, gui->GetViewContainer());
    EXPECT_EQ (0, gui->GetViewContainerType());
    EXPECT_EQ (nullptr, gui->GetViewContainerPtr());
    gui->Uninitialize();
}

TEST_F (GUITest, UninitializeDetachesTheViewBeforeReleasingTheEffect)
{
    gui->Initialize (host.Unknown());
    gui->SetViewContainer (host.NewViewContainer (1));
    gui->events.clear();
    EXPECT_EQ (AAX_SUCCESS, gui->Uninitialize());
    EXPECT_EQ ((Events { "delete" }), gui->events);
    // The view goes while the effect it shows is still held; only then is the effect released.
    EXPECT_TRUE (gui->effectHeldAtDelete);
    EXPECT_EQ (nullptr, gui->GetEffectParameters());
    EXPECT_EQ (nullptr, gui->GetViewContainer());
    host.DropViewContainers();
    EXPECT_EQ (0, host.ObjectsHandedOut());
}

TEST_F (GUITest, BaseOperationsAnswerWithTheirDefaults)
{
    AAX_CString label ("kept");
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, gui->GetCustomLabel (AAX_ePlugInStrings_Analysis, &label));
    EXPECT_STREQ ("kept", label.Get());
    AAX_Point size (1.0f, 2.0f);
    EXPECT_EQ (AAX_SUCCESS, gui->GetViewSize (&size));
    EXPECT_EQ (2.0f, size.horz);
    EXPECT_EQ (AAX_SUCCESS, gui->Draw (nullptr));
    EXPECT_EQ (AAX_SUCCESS, gui->SetControlHighlightInfo ("Gain", 1, AAX_eHighlightColor_Red));
}

TEST_F (GUITest, HostEntriesLandOnTheirOperations)
{
    AAX_IACFEffectGUI* table = gui;
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectGUI, IACFUnknown*> (table, 3, host.Unknown())));
    EXPECT_EQ ((Events { "contents" }), gui->events);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectGUI, IACFUnknown*> (table, 6, host.NewViewContainer (2))));
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result, AAX_IACFEffectGUI, const char*> (table, 10, "Gain")));
    EXPECT_EQ ("updated Gain", gui->events.back());
    AAX_CString label;
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, (CallEntry<AAX_Result, AAX_IACFEffectGUI, AAX_EPlugInStrings, AAX_IString*> (
                                          table, 11, AAX_ePlugInStrings_Progress, &label)));
    sIdleCalls = 0;
    AAX_SetIdleHook (&CountIdle);
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result> (table, 9)));
    AAX_SetIdleHook (nullptr);
    EXPECT_EQ (1, sIdleCalls);
    gui->events.clear();
    EXPECT_EQ (AAX_SUCCESS, (CallEntry<AAX_Result> (table, 4)));
    EXPECT_EQ ((Events { "delete" }), gui->events);
}

namespace
{
// Stands in for the framework's editor: it reads the effect it shows, and the framework's GUI
// deletes it again from its own destructor, as JUCE's does.
class EditorLikeGUI : public AAX_CEffectGUI
{
public:
    ~EditorLikeGUI() override { DeleteViewContainer(); }

    int detachedWhileEffectAlive = 0;

protected:
    void CreateViewContents() override
    {
        if (auto* effect = dynamic_cast<TestEffect*> (GetEffectParameters()))
            mEditor = std::make_unique<Editor> (Editor { effect });
    }
    void CreateViewContainer() override {}
    void DeleteViewContainer() override
    {
        if (mEditor)
        {
            // Touches the effect, as an editor tells its processor it is going away.
            if (mEditor->effect->Value ("Gain") >= 0.0f)
                ++detachedWhileEffectAlive;
            mEditor.reset();
        }
    }

private:
    struct Editor
    {
        TestEffect* effect;
    };
    std::unique_ptr<Editor> mEditor;
};
} // namespace

// Initialising builds the editor whether or not a view is ever attached; shutting down
// without a view must still remove it while the effect lives (AddressSanitizer reports the
// use after free otherwise).
TEST (GUILifetime, EditorWithoutAViewGoesBeforeTheEffect)
{
    auto* effect = new TestEffect ({ { "Gain", 0.5f } });
    effect->AddRef();
    effect->Initialize (nullptr);
    RuntimeConfig config;
    config.effect = effect->Interface();
    RuntimeHost host (config);

    auto* gui = new EditorLikeGUI();
    gui->AddRef();
    ASSERT_EQ (AAX_SUCCESS, gui->Initialize (host.Unknown()));
    ASSERT_EQ (AAX_SUCCESS, gui->Uninitialize());
    EXPECT_EQ (1, gui->detachedWhileEffectAlive);

    effect->Uninitialize();
    EXPECT_EQ (0u, effect->Release());
    EXPECT_EQ (0u, gui->Release());
    EXPECT_EQ (0, host.ObjectsHandedOut());
}
