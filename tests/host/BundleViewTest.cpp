/*
    The real bundle's editor in the host's X11 window: opened through the GUI object, woken on
    the main thread until it has drawn, captured to the screenshot folder, then closed in order.
    Runs under a virtual X server.
*/
#include "Editor.h"
#include "PluginHost.h"
#include "X11View.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace duveline::host;

namespace
{
/** The bundle loaded into a host, one instance created; the test closes it and shuts down. */
class BundleView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (x11::DisplayAvailable());
        ASSERT_TRUE (host.Load (DUVELINE_BUNDLE)) << host.LoadError();
        instance = host.CreateInstance ({}, result, error);
        ASSERT_NE (nullptr, instance) << error;
    }

    /** Closes the instance and expects a clean release of the bundle. */
    void CloseAndShutDown()
    {
        EXPECT_EQ (0, instance->Close());
        instance.reset();
        const ShutdownReport report = host.Shutdown();
        EXPECT_EQ (0, report.canUnloadNow);
        EXPECT_TRUE (report.leakedHostObjects.empty());
    }

    PluginHost host;
    int32_t result = 0;
    std::string error;
    std::unique_ptr<Instance> instance;
};
} // namespace

TEST_F (BundleView, EditorOpensInTheHostWindowAndDraws)
{
    auto editor = instance->OpenEditor (result);
    ASSERT_NE (nullptr, editor) << result;

    float width = 0.0f, height = 0.0f;
    ASSERT_EQ (0, editor->ViewSize (width, height));
    EXPECT_EQ (720.0f, width);
    EXPECT_EQ (480.0f, height);

    auto window = x11::ViewWindow::Create (static_cast<int> (width), static_cast<int> (height), "Duveline", error);
    ASSERT_NE (nullptr, window) << error;
    x11::ViewWindow* target = window.get();
    ASSERT_EQ (0, editor->Attach ({ AAX_eViewContainer_Type_HWND, window->NativeHandle(),
                                    [target] (int32_t w, int32_t h) { return target->Resize (w, h); } }));
    EXPECT_TRUE (host.Main().PumpUntil ([&] { return window->ChildCount() > 0; }, std::chrono::seconds (10)));

    // The editor paints only when woken: pump until the artwork shows.
    x11::Image image;
    EXPECT_TRUE (host.Main().PumpUntil (
        [&]
        {
            window->ProcessEvents();
            return window->Capture (image) && image.DistinctColours() > 200;
        },
        std::chrono::seconds (20)));
    std::filesystem::create_directories (DUVELINE_SCREENSHOT_DIR);
    const std::string ppm = std::string (DUVELINE_SCREENSHOT_DIR) + "/host-editor.ppm";
    EXPECT_TRUE (image.WritePpm (ppm));
    // A PNG beside it for people; the PPM is the test's own record.
    std::system (("convert '" + ppm + "' '" + DUVELINE_SCREENSHOT_DIR + "/host-editor.png' 2>/dev/null").c_str());
    EXPECT_GE (editor->Wakeups(), 1);

    EXPECT_EQ (0, editor->Detach());
    window.reset();
    EXPECT_EQ (0, editor->Close());
    CloseAndShutDown();
}

TEST_F (BundleView, ASecondViewOfOneInstanceStaysEmptyAndEitherClosesSafely)
{
    struct View
    {
        std::unique_ptr<Editor> editor;
        std::unique_ptr<x11::ViewWindow> window;
    };
    const auto open = [&]
    {
        View view;
        view.editor = instance->OpenEditor (result);
        if (view.editor != nullptr)
        {
            view.window = x11::ViewWindow::Create (720, 480, "Duveline", error);
            x11::ViewWindow* target = view.window.get();
            if (target != nullptr)
                view.editor->Attach ({ AAX_eViewContainer_Type_HWND, target->NativeHandle(),
                                       [target] (int32_t w, int32_t h) { return target->Resize (w, h); } });
        }
        return view;
    };
    const auto size = [] (const View& view)
    {
        float width = -1.0f, height = -1.0f;
        view.editor->ViewSize (width, height);
        return std::make_pair (width, height);
    };
    const auto close = [] (View& view)
    {
        EXPECT_EQ (0, view.editor->Detach());
        view.window.reset();
        EXPECT_EQ (0, view.editor->Close());
        view.editor.reset();
    };
    const auto pump = [&] { host.Main().PumpUntil ([] { return false; }, std::chrono::milliseconds (200)); };

    auto first = open();
    ASSERT_NE (nullptr, first.editor);
    ASSERT_NE (nullptr, first.window) << error;
    auto second = open();
    ASSERT_NE (nullptr, second.editor);
    ASSERT_NE (nullptr, second.window) << error;
    pump();

    // The editor stays with the view that has it; the second view shows nothing (an empty
    // component, which the window system keeps at its smallest size).
    const auto empty = [&] (const View& view) { return size (view).first <= 1.0f && size (view).second <= 1.0f; };
    EXPECT_EQ (std::make_pair (720.0f, 480.0f), size (first));
    EXPECT_TRUE (empty (second));

    // The view that has the editor closes first: the other one must not touch it afterwards.
    close (first);
    pump();
    EXPECT_TRUE (empty (second));
    close (second);

    // Once both are gone, a new view has the editor again.
    auto third = open();
    ASSERT_NE (nullptr, third.editor);
    pump();
    EXPECT_EQ (std::make_pair (720.0f, 480.0f), size (third));
    close (third);
    CloseAndShutDown();
}
