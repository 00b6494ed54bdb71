/*
    Editor: attaching and detaching the view container, and the ordered shut-down of the GUI
    object.
*/
#include "Editor.h"

#include "AAX_Errors.h"
#include "Instance.h"

#include <algorithm>

namespace duveline::host
{
Editor::~Editor()
{
    Close();
}

int32_t Editor::ViewSize (float& width, float& height) const
{
    AAX_Point size;
    const int32_t result = mGui->GetViewSize (&size);
    if (result == AAX_SUCCESS)
    {
        width = size.horz;
        height = size.vert;
    }
    return result;
}

int32_t Editor::Attach (ViewTarget target)
{
    if (mContainer)
        Detach();
    const HostConfig& config = mInstance.State().session.Config();
    mContainerObject = new HostViewContainer (mInstance.State().session, std::move (target), config.viewContainerVersion);
    mContainer = ACFPtr<IACFUnknown>::AddRefed (static_cast<AAX_IACFViewContainer_V2*> (mContainerObject));
    return mGui->SetViewContainer (mContainer.Get());
}

int32_t Editor::Detach()
{
    if (!mContainer)
        return AAX_SUCCESS;
    const int32_t result = mGui->SetViewContainer (nullptr);
    // Should the plug-in still hold the container, it must no longer reach the window.
    mContainerObject->Disconnect();
    mContainerObject = nullptr;
    mContainer.Reset();
    return result;
}

int32_t Editor::Close()
{
    if (!mGui)
        return AAX_SUCCESS;
    if (mIdleClient != 0)
        mInstance.State().mainThread.RemoveIdleClient (mIdleClient);
    mIdleClient = 0;
    Detach();
    const int32_t result = mGui->Uninitialize();
    mGui.Reset();
    mHost.Reset();
    auto& editors = mInstance.mEditors;
    editors.erase (std::remove (editors.begin(), editors.end(), this), editors.end());
    return result;
}
} // namespace duveline::host
