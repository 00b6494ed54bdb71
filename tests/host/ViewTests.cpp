/*
    The host's X11 view window with a fake effect's GUI: the GUI receives the window as the
    native view of the HWND-equivalent type, can resize it, and the view is detached before the
    window is destroyed. Runs under a virtual X server.
*/
#include "Editor.h"
#include "RuntimeFixture.h"
#include "X11View.h"

#include <cstdio>

using namespace duveline::host;
using duveline::host::testing::FakeEffectTest;

TEST_F (FakeEffectTest, ViewWindowIsHandedOverAsTheNativeView)
{
    ASSERT_TRUE (x11::DisplayAvailable());
    std::string error;
    auto window = x11::ViewWindow::Create (100, 80, "Fake Gain", error);
    ASSERT_NE (nullptr, window) << error;

    int32_t result = 0;
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor);
    x11::ViewWindow* target = window.get();
    ASSERT_EQ (0, editor->Attach ({ AAX_eViewContainer_Type_HWND, window->NativeHandle(),
                                    [target] (int32_t width, int32_t height) { return target->Resize (width, height); } }));

    HostString label;
    editor->Gui().GetCustomLabel (AAX_ePlugInStrings_Analysis, &label);
    char expected[96];
    std::snprintf (expected, sizeof (expected), "type=3 window=%lu resize=0", window->Xid());
    EXPECT_NE (std::string::npos, label.Text().find (expected)) << label.Text();
    EXPECT_EQ (320, window->Width());
    EXPECT_EQ (200, window->Height());
    EXPECT_EQ (1, editor->ResizeRequests());

    x11::Image image;
    ASSERT_TRUE (window->Capture (image));
    EXPECT_EQ (320, image.width);
    EXPECT_EQ (320u * 200u * 3u, image.rgb.size());

    EXPECT_EQ (0, editor->Detach());
    window.reset();
    EXPECT_EQ (0, editor->Close());
    EXPECT_EQ (0, x11::ErrorCount());
}
