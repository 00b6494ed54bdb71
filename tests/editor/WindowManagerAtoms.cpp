/*
    Prepares a bare virtual X server for JUCE windows.
*/
#include "WindowManagerAtoms.h"

#include <X11/Xlib.h>

#include <initializer_list>

bool createWindowManagerAtoms()
{
    static auto* const display = XOpenDisplay (nullptr);
    if (display == nullptr)
        return false;
    for (const auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE", "WM_STATE",
                              "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_WINDOW_TYPE_NORMAL" })
        XInternAtom (display, name, False);
    // Stay connected: a virtual server resets, forgetting its atoms, when its last client leaves.
    return true;
}
