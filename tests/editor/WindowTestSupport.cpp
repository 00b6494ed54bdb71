/*
    Helpers for the tests that show the editor in a real window.
*/
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace WindowTest
{
juce::Image screenshot (juce::Component& component, const juce::String& name)
{
    component.repaint();
    const auto image = component.createComponentSnapshot (component.getLocalBounds());
    const juce::File folder (DUVELINE_SCREENSHOT_DIR);
    folder.createDirectory();
    const auto file = folder.getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream stream (file);
    EXPECT_TRUE (stream.openedOk() && juce::PNGImageFormat().writeImageToStream (image, stream)) << file.getFullPathName();
    return image;
}

bool xdotool (const juce::StringArray& arguments)
{
    juce::StringArray command { DUVELINE_XDOTOOL };
    command.addArray (arguments);
    juce::ChildProcess process;
    if (!process.start (command, 0))
        return false;
    // xdotool only hands its events to the X server; it never waits for us.
    return process.waitForProcessToFinish (10000) && process.getExitCode() == 0;
}

juce::StringArray User::moveArguments (juce::Point<int> where) const
{
    const auto onScreen = window.localPointToGlobal (where);
    return { "mousemove", juce::String (onScreen.x), juce::String (onScreen.y) };
}

bool User::moveTo (juce::Point<int> where)
{
    return xdotool (moveArguments (where));
}

bool User::click (juce::Point<int> where)
{
    auto arguments = moveArguments (where);
    arguments.addArray ({ "click", "1" });
    return xdotool (arguments);
}

bool User::press (juce::Point<int> where)
{
    auto arguments = moveArguments (where);
    arguments.addArray ({ "mousedown", "1" });
    return xdotool (arguments);
}

bool User::release()
{
    return xdotool ({ "mouseup", "1" });
}

bool User::type (const juce::String& text)
{
    return xdotool ({ "type", "--delay", "0", "--", text });
}

bool User::key (const juce::String& keyName)
{
    return xdotool ({ "key", keyName });
}
} // namespace WindowTest
