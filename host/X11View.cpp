/*
    The X11 error handler and view window, over plain Xlib.
*/
#include "X11View.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>

namespace duveline::host::x11
{
namespace
{
std::atomic<int> gErrors { 0 };

int CountError (::Display*, XErrorEvent*)
{
    ++gErrors;
    return 0;
}

int ShiftOf (unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1ul) == 0)
    {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

uint8_t Channel (unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const unsigned long value = (pixel & mask) >> ShiftOf (mask);
    const unsigned long maximum = mask >> ShiftOf (mask);
    return static_cast<uint8_t> (value * 255ul / maximum);
}
} // namespace

void InstallErrorHandler()
{
    static std::once_flag once;
    std::call_once (once,
                    []
                    {
                        XInitThreads(); // the host and the plug-in each talk to the server from their own code
                        XSetErrorHandler (CountError);
                    });
}

int ErrorCount()
{
    return gErrors.load();
}

bool DisplayAvailable()
{
    const char* name = std::getenv ("DISPLAY");
    if (name == nullptr || *name == '\0')
        return false;
    InstallErrorHandler();
    ::Display* display = XOpenDisplay (nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay (display);
    return true;
}

bool Image::WritePpm (const std::string& path) const
{
    FILE* file = std::fopen (path.c_str(), "wb");
    if (file == nullptr)
        return false;
    std::fprintf (file, "P6\n%d %d\n255\n", width, height);
    const bool written = std::fwrite (rgb.data(), 1, rgb.size(), file) == rgb.size();
    return std::fclose (file) == 0 && written;
}

size_t Image::DistinctColours() const
{
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        colours.insert (static_cast<uint32_t> (rgb[i]) << 16 | static_cast<uint32_t> (rgb[i + 1]) << 8 | rgb[i + 2]);
    return colours.size();
}

struct ViewWindow::Connection
{
    ::Display* display = nullptr;
};

std::unique_ptr<ViewWindow> ViewWindow::Create (int width, int height, const std::string& title, std::string& error)
{
    InstallErrorHandler();
    std::unique_ptr<ViewWindow> window (new ViewWindow());
    window->mConnection = std::make_unique<Connection>();
    ::Display* display = XOpenDisplay (nullptr);
    if (display == nullptr)
    {
        error = "no X display";
        return nullptr;
    }
    window->mConnection->display = display;
    const int screen = DefaultScreen (display);
    window->mWindow =
        XCreateSimpleWindow (display, RootWindow (display, screen), 0, 0, static_cast<unsigned> (width),
                             static_cast<unsigned> (height), 0, BlackPixel (display, screen), BlackPixel (display, screen));
    window->mWidth = width;
    window->mHeight = height;
    XStoreName (display, window->mWindow, title.c_str());
    XSelectInput (display, window->mWindow, ExposureMask | StructureNotifyMask);
    XMapWindow (display, window->mWindow);
    // The plug-in talks to the server on its own connection: the window must exist there
    // before its XID is handed over.
    XSync (display, False);
    return window;
}

ViewWindow::~ViewWindow()
{
    if (mConnection != nullptr && mConnection->display != nullptr)
    {
        if (mWindow != 0)
            XDestroyWindow (mConnection->display, mWindow);
        XSync (mConnection->display, False);
        XCloseDisplay (mConnection->display);
    }
}

bool ViewWindow::Resize (int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    XResizeWindow (mConnection->display, mWindow, static_cast<unsigned> (width), static_cast<unsigned> (height));
    XSync (mConnection->display, False);
    mWidth = width;
    mHeight = height;
    return true;
}

int ViewWindow::ChildCount() const
{
    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    XSync (mConnection->display, False);
    if (XQueryTree (mConnection->display, mWindow, &root, &parent, &children, &count) == 0)
        return 0;
    if (children != nullptr)
        XFree (children);
    return static_cast<int> (count);
}

void ViewWindow::ProcessEvents()
{
    ::Display* display = mConnection->display;
    while (XPending (display) > 0)
    {
        XEvent event;
        XNextEvent (display, &event);
    }
}

bool ViewWindow::Capture (Image& image) const
{
    ::Display* display = mConnection->display;
    XSync (display, False);
    // Read the screen where the window is, so that the children's pixels come with it whatever
    // visual they use.
    const ::Window root = DefaultRootWindow (display);
    int x = 0, y = 0;
    ::Window child = 0;
    if (!XTranslateCoordinates (display, mWindow, root, 0, 0, &x, &y, &child))
        return false;
    XImage* pixels =
        XGetImage (display, root, x, y, static_cast<unsigned> (mWidth), static_cast<unsigned> (mHeight), AllPlanes, ZPixmap);
    if (pixels == nullptr)
        return false;
    image.width = mWidth;
    image.height = mHeight;
    image.rgb.resize (static_cast<size_t> (mWidth) * static_cast<size_t> (mHeight) * 3);
    size_t at = 0;
    for (int row = 0; row < mHeight; ++row)
        for (int column = 0; column < mWidth; ++column)
        {
            const unsigned long pixel = XGetPixel (pixels, column, row);
            image.rgb[at++] = Channel (pixel, pixels->red_mask);
            image.rgb[at++] = Channel (pixel, pixels->green_mask);
            image.rgb[at++] = Channel (pixel, pixels->blue_mask);
        }
    XDestroyImage (pixels);
    return true;
}
} // namespace duveline::host::x11
