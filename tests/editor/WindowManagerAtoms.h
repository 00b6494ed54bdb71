/*
    Prepares a bare virtual X server for JUCE windows (kept apart from the tests
    because Xlib's macros clash with C++ names).
*/
#pragma once

/** A bare virtual X server has no window manager, so the window-manager atoms do
    not exist yet; JUCE 7.0.5 looks them up without creating them and then sets a
    window property with atom 0, which kills the process. Creating them first gives
    the window the start a desktop would. Returns false without an X display. */
bool createWindowManagerAtoms();
