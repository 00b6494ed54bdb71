/*
    Helpers for the tests that show the editor in a real window on the (virtual)
    X display: screenshots into the build folder, and a user at the keyboard and
    mouse played by xdotool, whose events reach the window through the X server
    like anyone's.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace WindowTest
{
/** Repaints `component`, writes what it shows to the screenshot folder under
    `name` and returns it. */
juce::Image screenshot (juce::Component& component, const juce::String& name);

/** Runs xdotool with `arguments` and waits (bounded) until it has sent its events;
    returns whether it succeeded. The events are handled by the next message loop. */
bool xdotool (const juce::StringArray& arguments);

/** Real pointer and keyboard input at points of a window, in its own coordinates. */
class User
{
public:
    explicit User (juce::Component& windowToUse) : window (windowToUse) {}

    bool moveTo (juce::Point<int> where);
    bool click (juce::Point<int> where);
    bool press (juce::Point<int> where);
    bool release();
    /** Types text into whatever has the keyboard focus. */
    bool type (const juce::String& text);
    bool key (const juce::String& keyName);

private:
    juce::StringArray moveArguments (juce::Point<int> where) const;

    juce::Component& window;
};
} // namespace WindowTest
