/*
    The host's X11 side: its own X error handler, and the top-level window that holds a plug-in's
    editor (the plug-in creates its view as a child of it on its own X connection). The window
    can be captured for screenshots. Xlib stays inside the implementation.
*/
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace duveline::host::x11
{
// Installs the host's X error handler once for the process. Xlib's default handler ends the
// process on the first error, and a plug-in's toolkit may cause harmless ones (a bare X server
// without a window manager lacks atoms it asks for); the host's handler counts them instead.
// Must run before a plug-in is loaded.
void InstallErrorHandler();
int ErrorCount();

// True when an X display can be opened (DISPLAY is set and the server answers).
bool DisplayAvailable();

struct Image
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width * height * 3 bytes, rows top to bottom

    bool WritePpm (const std::string& path) const;
    // Number of distinct colours, a cheap sign that something was drawn.
    size_t DistinctColours() const;
};

class ViewWindow
{
public:
    // Opens a connection of its own, creates, maps and syncs a window of the given size; null
    // with error set when there is no display.
    static std::unique_ptr<ViewWindow> Create (int width, int height, const std::string& title, std::string& error);
    ~ViewWindow();

    ViewWindow (const ViewWindow&) = delete;
    ViewWindow& operator= (const ViewWindow&) = delete;

    // The window's XID: the native view handed to the plug-in.
    unsigned long Xid() const { return mWindow; }
    void* NativeHandle() const { return reinterpret_cast<void*> (static_cast<uintptr_t> (mWindow)); }

    bool Resize (int width, int height);
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    // Number of child windows, i.e. whether a plug-in view is attached.
    int ChildCount() const;
    // Handles this connection's pending events.
    void ProcessEvents();
    // What the screen shows inside the window, children included.
    bool Capture (Image& image) const;

private:
    ViewWindow() = default;

    struct Connection;
    std::unique_ptr<Connection> mConnection;
    unsigned long mWindow = 0;
    int mWidth = 0;
    int mHeight = 0;
};
} // namespace duveline::host::x11
