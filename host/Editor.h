/*
    Editor: the GUI object of one instance as this host drives it: initialised with a host
    unknown that also answers the instance's effect-parameters interface, given a view
    container around a native window, woken on the main thread, and taken down in order
    (view detached before the window goes, then uninitialised and released).
*/
#pragma once

#include "AAX_IACFEffectGUI.h"
#include "RuntimeObjects.h"

namespace duveline::host
{
class Instance;

class Editor
{
public:
    ~Editor();

    Editor (const Editor&) = delete;
    Editor& operator= (const Editor&) = delete;

    AAX_IACFEffectGUI& Gui() const { return *mGui; }

    // The plug-in's view size (width and height); the plug-in's result.
    int32_t ViewSize (float& width, float& height) const;
    // Hands the plug-in a view container around target; an attached one is detached first.
    int32_t Attach (ViewTarget target);
    // Takes the view container away again (the plug-in removes its view); before the window goes.
    int32_t Detach();
    bool IsAttached() const { return static_cast<bool> (mContainer); }
    int32_t ResizeRequests() const { return mContainerObject != nullptr ? mContainerObject->ResizeRequests() : 0; }
    int64_t Wakeups() const { return mWakeups; }

    // Detaches, uninitialises and releases the GUI object; the result of Uninitialize.
    int32_t Close();

private:
    friend class Instance;
    explicit Editor (Instance& instance) : mInstance (instance) {}

    Instance& mInstance;
    ACFPtr<AAX_IACFEffectGUI> mGui;
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<IACFUnknown> mContainer;
    HostViewContainer* mContainerObject = nullptr; // owned through mContainer
    int mIdleClient = 0;
    int64_t mWakeups = 0;
};
} // namespace duveline::host
