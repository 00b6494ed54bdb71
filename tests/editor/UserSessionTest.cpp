/*
    The editor driven the way a user drives it: the window is shown on the
    (virtual) X display and every step is a real pointer or keyboard event sent
    through the X server. After each step the test runs the message loop until
    the parameters the host sees hold the expected values, and it writes a
    screenshot of the window.
*/
#include "EditorTestSupport.h"
#include "WindowManagerAtoms.h"
#include "WindowTestSupport.h"

#include "editor/PresetCustomComponent.h"

#include <gtest/gtest.h>

namespace
{
using IDs = BrenvoAudioProcessor::ParameterIDs;
using EditorTest::parameterValue;
using juce::Point;

/** Steps run on the message thread by a timer, one after the other, each until
    it reports that it is done. A modal loop (the preset menu's) runs nested
    inside a click, so whatever the user does while the menu is open has to be
    done from inside that loop. */
class ScriptedSteps : private juce::Timer
{
public:
    using Step = std::function<bool()>;

    explicit ScriptedSteps (std::vector<Step> stepsToRun) : steps (std::move (stepsToRun)) { startTimer (tickMs); }
    ~ScriptedSteps() override { stopTimer(); }

    /** All steps done, or given up. */
    bool finished() const { return next >= steps.size() || gaveUp; }
    bool succeeded() const { return next >= steps.size(); }

private:
    static constexpr int tickMs = 20;
    static constexpr int tickLimit = 5000 / tickMs;

    void timerCallback() override
    {
        if (!finished() && steps[next]())
            ++next;
        else if (!finished() && ++ticks > tickLimit)
        {
            ADD_FAILURE() << "step " << next << " never completed";
            gaveUp = true;
            // The menu's loop would otherwise never return to the test.
            juce::PopupMenu::dismissAllActiveMenus();
        }
        if (finished())
            stopTimer();
    }

    std::vector<Step> steps;
    size_t next = 0;
    int ticks = 0;
    bool gaveUp = false;
};

class UserSessionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE (createWindowManagerAtoms()) << "no X display: run this test under xvfb-run"; }

    void SetUp() override
    {
        // Silence played once, so that the meters show silence rather than levels
        // the processor has never measured.
        processor.prepareToPlay (48000.0, 512);
        juce::AudioBuffer<float> silence (2, 512);
        silence.clear();
        juce::MidiBuffer midi;
        processor.processBlock (silence, midi);

        editor = EditorTest::openEditor (processor);
        editor->setTopLeftPosition (0, 0);
        editor->addToDesktop (0);
        editor->setVisible (true);
        user = std::make_unique<WindowTest::User> (*editor);
        editor->informationSegment.openPage = [this] (const juce::URL& url) { openedPages.add (url.toString (true)); };
        // The first paint lays the window out.
        ASSERT_TRUE (EditorTest::pumpMessagesUntil ([this] { return !editor->widthSegment.getBounds().isEmpty(); }));
    }

    void TearDown() override
    {
        if (editor != nullptr)
            editor->removeFromDesktop();
        editor.reset();
        processor.releaseResources();
    }

    /** Runs the message loop until `condition` holds (bounded). */
    static bool eventually (const std::function<bool()>& condition) { return EditorTest::pumpMessagesUntil (condition); }

    bool parameterIs (const char* id, float value) const
    {
        return std::abs (parameterValue (const_cast<BrenvoAudioProcessor&> (processor), id) - value) < 1.0e-4f;
    }

    static juce::Component* openMenu()
    {
        auto* modal = juce::Component::getCurrentlyModalComponent();
        return modal != nullptr && modal->getName() == "menu" && modal->isShowing() ? modal : nullptr;
    }

    static PresetCustomComponent* menuRow (const juce::String& text)
    {
        auto* menu = openMenu();
        if (menu == nullptr)
            return nullptr;
        PresetCustomComponent* found = nullptr;
        std::function<void (juce::Component&)> search = [&] (juce::Component& c)
        {
            if (auto* row = dynamic_cast<PresetCustomComponent*> (&c); row != nullptr && row->text == text)
                found = row;
            for (auto* child : c.getChildren())
                search (*child);
        };
        search (*menu);
        return found != nullptr && found->isShowing() && !found->getBounds().isEmpty() ? found : nullptr;
    }

    Point<int> inEditor (const juce::Component& c) const { return editor->getLocalPoint (&c, c.getLocalBounds().getCentre()); }

    /** Clicks the preset button and, inside the menu's loop, points at the row of
        `presetName` until it lights up, takes a screenshot if asked and clicks the
        row. The menu notices a held button by sampling it 20 times a second (a
        press on a row does not reach the menu window itself), so the click is held
        for a few of our ticks, as long as a person's; and since the menu ignores a
        release in its first quarter second, the row is clicked again while the
        menu stays open. */
    bool choosePreset (const juce::String& presetName, const juce::String& screenshotName = {})
    {
        int ticksInClick = 0;
        ScriptedSteps script ({
            [&]
            {
                auto* row = menuRow (presetName);
                return row != nullptr && user->moveTo (inEditor (*row));
            },
            [&]
            {
                auto* row = menuRow (presetName);
                const auto* item =
                    row != nullptr ? dynamic_cast<juce::PopupMenu::CustomComponent*> (row->getParentComponent()) : nullptr;
                if (item == nullptr || !item->isItemHighlighted())
                    return false;
                if (screenshotName.isNotEmpty())
                    WindowTest::screenshot (*editor, screenshotName);
                return true;
            },
            [&]
            {
                if (openMenu() == nullptr)
                    return true;
                auto* row = menuRow (presetName);
                const auto tick = ticksInClick++ % clickTicks;
                if (tick == 0 && row != nullptr)
                    user->press (inEditor (*row));
                else if (tick == heldTicks)
                    user->release();
                return false;
            },
        });

        const auto& segment = editor->presetSegment;
        return user->click (inEditor (segment.presetButton)) && eventually ([&] { return script.finished(); }) &&
               script.succeeded() && openMenu() == nullptr;
    }

    // A press held for 100 ms, then 100 ms for the menu to answer the release.
    static constexpr int heldTicks = 5;
    static constexpr int clickTicks = 10;

    void expectPreset (float input, float output, bool link, float width, bool eqOn)
    {
        EXPECT_TRUE (eventually (
            [&]
            {
                return parameterIs (IDs::inputGain, input) && parameterIs (IDs::outputGain, output) &&
                       parameterIs (IDs::ioLinkSwitch, link ? 1.0f : 0.0f) && parameterIs (IDs::width, width) &&
                       parameterIs (IDs::widthEq, 3.0f) && parameterIs (IDs::widthEqSwitch, eqOn ? 1.0f : 0.0f);
            }))
            << "input " << parameterValue (processor, IDs::inputGain) << ", output "
            << parameterValue (processor, IDs::outputGain) << ", width " << parameterValue (processor, IDs::width);
        // Every notification delivered, nothing moves any more.
        EditorTest::pumpPendingMessages();
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), input);
        EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), output);
    }

    BrenvoAudioProcessor processor;
    std::unique_ptr<BrenvoAudioProcessorEditor> editor;
    std::unique_ptr<WindowTest::User> user;
    juce::StringArray openedPages;
};

TEST_F (UserSessionTest, EveryControlAnswersRealInput)
{
    auto& width = editor->widthSegment;
    auto& eq = editor->eqSegment;
    WindowTest::screenshot (*editor, "user-01-default.png");

    // Drag the knob upwards: the width rises.
    const auto knob = inEditor (width.widthSlider);
    ASSERT_TRUE (user->press (knob));
    for (int dy = 10; dy <= 60; dy += 10)
        ASSERT_TRUE (user->moveTo (knob.translated (0, -dy)));
    ASSERT_TRUE (user->release());
    ASSERT_TRUE (eventually ([&] { return parameterValue (processor, IDs::width) > 3.0f; }));
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), (float)width.widthSlider.getValue());
    WindowTest::screenshot (*editor, "user-02-knob-dragged.png");

    // The EQ switch turns the EQ off and covers the arc; the click area over the
    // arc turns it on again.
    ASSERT_TRUE (user->click (inEditor (eq.eqToggle)));
    ASSERT_TRUE (eventually ([&] { return parameterIs (IDs::widthEqSwitch, 0.0f) && eq.enableButton.isVisible(); }));
    EXPECT_FALSE (eq.eqSlider.isEnabled());
    WindowTest::screenshot (*editor, "user-03-eq-off.png");
    ASSERT_TRUE (user->click ({ 620, 150 }));
    ASSERT_TRUE (eventually ([&] { return parameterIs (IDs::widthEqSwitch, 1.0f) && !eq.enableButton.isVisible(); }));
    EXPECT_TRUE (eq.eqSlider.isEnabled());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::widthEq), 3.0f);

    // Type a width into the read-out: the pointer on the knob shows it, on the
    // read-out keeps it, and a click there edits it.
    ASSERT_TRUE (user->moveTo (knob.translated (0, -40)));
    ASSERT_TRUE (eventually ([&] { return width.widthLabel.isVisible(); }));
    ASSERT_TRUE (user->moveTo (inEditor (width.widthLabel)));
    ASSERT_TRUE (user->click (inEditor (width.widthLabel)));
    ASSERT_TRUE (eventually ([&] { return width.widthLabel.isBeingEdited(); }));
    ASSERT_TRUE (user->type ("-3"));
    ASSERT_TRUE (user->key ("Return"));
    ASSERT_TRUE (eventually ([&] { return parameterIs (IDs::width, -3.0f) && !width.widthLabel.isBeingEdited(); }));
    EXPECT_EQ (width.widthLabel.getText(), "-3.0");
    WindowTest::screenshot (*editor, "user-04-width-typed.png");

    // A preset from the menu.
    ASSERT_TRUE (choosePreset ("Super Wide", "user-05-preset-menu-open.png"));
    EXPECT_EQ (editor->presetSegment.selectedPreset, 3);
    expectPreset (0.0f, 0.0f, false, 7.0f, true);

    // Bypass: on with its button, off again with a click anywhere, here on the
    // output fader, which the click does not reach.
    ASSERT_TRUE (user->click (inEditor (editor->bypassSegment)));
    ASSERT_TRUE (eventually ([&] { return parameterIs (IDs::bypass, 1.0f) && editor->bypassSegment.getWidth() == 720; }));
    WindowTest::screenshot (*editor, "user-06-bypass-on.png");
    ASSERT_TRUE (user->click ({ 146, 250 }));
    ASSERT_TRUE (eventually ([&] { return parameterIs (IDs::bypass, 0.0f) && editor->bypassSegment.getWidth() == 86; }));
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::outputGain), 0.0f);

    // Information: the panel swallows clicks, the manual area opens the manual,
    // and a click beside the panel closes it.
    auto& information = editor->informationSegment;
    ASSERT_TRUE (user->click (inEditor (information)));
    ASSERT_TRUE (eventually ([&] { return information.getWidth() == 720 && information.manualButton.isEnabled(); }));
    WindowTest::screenshot (*editor, "user-07-information-open.png");
    ASSERT_TRUE (user->click ({ 260, 180 }));
    ASSERT_TRUE (user->click (inEditor (information.manualButton)));
    ASSERT_TRUE (eventually ([&] { return openedPages.size() == 1; }));
    EXPECT_TRUE (information.infoButton.getToggleState());
    EXPECT_TRUE (openedPages[0].endsWith ("/product/duveline/#user-manual")) << openedPages[0];
    ASSERT_TRUE (user->click ({ 100, 120 }));
    ASSERT_TRUE (eventually ([&] { return information.getWidth() == 190; }));
    EXPECT_FALSE (information.infoButton.getToggleState());
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::inputGain), 0.0f); // the click reached no fader

    // The link stays on and the gains stay apart.
    ASSERT_TRUE (choosePreset ("More Color"));
    expectPreset (7.0f, -7.0f, true, 0.0f, true);
    EXPECT_TRUE (editor->ioSegment.linkButton.getToggleState());
    WindowTest::screenshot (*editor, "user-08-more-color.png");
}

TEST_F (UserSessionTest, MenuOpensAtTheLastChoiceAndForgetsItWhenDismissed)
{
    ASSERT_TRUE (choosePreset ("Extremely Wide"));
    expectPreset (0.0f, -0.5f, false, 11.0f, false);
    EXPECT_FALSE (editor->eqSegment.eqSlider.isEnabled());

    // Reopened, the menu lights the last choice; a click beside it dismisses it.
    bool lit = false;
    ScriptedSteps script ({
        [&]
        {
            auto* row = menuRow ("Extremely Wide");
            if (row == nullptr)
                return false;
            lit = dynamic_cast<juce::PopupMenu::CustomComponent*> (row->getParentComponent())->isItemHighlighted();
            return user->click ({ 600, 300 });
        },
    });
    ASSERT_TRUE (user->click (inEditor (editor->presetSegment)));
    ASSERT_TRUE (eventually ([&] { return script.finished() && openMenu() == nullptr; }) && script.succeeded());
    EXPECT_TRUE (lit);
    EXPECT_EQ (editor->presetSegment.selectedPreset, 0);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), 11.0f);
}

/** The host closes the window while the menu is open: the menu's loop, nested in
    the preset button's click, returns into a segment that no longer exists. */
class ClosingWithMenuOpen : public UserSessionTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P (ClosingWithMenuOpen, LeavesTheParametersAlone)
{
    const auto hostDismissesMenusFirst = GetParam();
    ScriptedSteps script ({
        [&]
        {
            if (openMenu() == nullptr)
                return false;
            if (hostDismissesMenusFirst)
                juce::PopupMenu::dismissAllActiveMenus();
            editor->removeFromDesktop();
            editor.reset();
            return true;
        },
    });
    ASSERT_TRUE (user->click (inEditor (editor->presetSegment)));
    ASSERT_TRUE (eventually ([&] { return script.finished() && openMenu() == nullptr; }) && script.succeeded());
    EditorTest::pumpPendingMessages();
    EXPECT_EQ (processor.getActiveEditor(), nullptr);
    EXPECT_FLOAT_EQ (parameterValue (processor, IDs::width), 0.0f);

    // A new window works as before.
    SetUp();
    ASSERT_TRUE (choosePreset ("Magically Wide"));
    expectPreset (0.0f, 0.0f, false, 3.0f, true);
}

INSTANTIATE_TEST_SUITE_P (Host, ClosingWithMenuOpen, ::testing::Bool(),
                          [] (const auto& info) { return info.param ? "DismissingMenusFirst" : "WithoutDismissing"; });
} // namespace
