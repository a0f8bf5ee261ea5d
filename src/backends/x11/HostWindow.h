#pragma once

#include "backends/x11/MonitorLayout.h"
#include "images/Bitmap.h"

#include <array>
#include <functional>
#include <optional>

namespace X11 {

// The X window a saver daemon hands the saver to draw into.
namespace HostWindow {

// Where a saver daemon puts the desktop picture for its programs, as a pixmap on their window
// (or on the root window).
inline constexpr const char* screenshotProperty = "_SCREENSAVER_SCREENSHOT";

// A property that may name a pixmap holding a picture of the desktop.
struct PictureProperty {
    const char* name;
    bool onRootWindow; // else on the host's window
};

// Where the picture behind a host's window is looked for, in this order: the screenshot the
// daemon keeps for its programs (on its window, else on the root window), then the background
// picture desktops put on the root window when they draw their wallpaper. The screen under the
// window is not read: a daemon covers it with a black window of its own before it starts us.
inline constexpr std::array<PictureProperty, 4> desktopPictureProperties{{
    {screenshotProperty, false},
    {screenshotProperty, true},
    {"_XROOTPMAP_ID", true},
    {"ESETROOT_PMAP_ID", true},
}};

// The first picture that a property names and that can be read. pixmapNamedBy gives a
// property's pixmap, 0 when the property is missing; pictureOf reads a pixmap's part under the
// window, nothing when the pixmap is gone or does not reach under the window.
std::optional<Graphics::Bitmap>
firstDesktopPicture(const std::function<unsigned long(const PictureProperty&)>& pixmapNamedBy,
                    const std::function<std::optional<Graphics::Bitmap>(unsigned long)>& pictureOf);

// The given window, or the root window for 0, once it is known to exist. Throws BasicError
// naming the window when it does not, and DX5::NoDirectX5Error when there is no X display.
unsigned long checked(unsigned long window);
// The window's place on the screen; nothing when the X display cannot be reached or has no such
// window.
std::optional<Pixels::PixelRect> screenAreaOf(unsigned long window);

// The desktop under the window at the window's size, from the first of desktopPictureProperties
// that gives one. Nothing when none does: the scene then falls back to the wallpapers or the
// picture built into the program.
std::optional<Graphics::Bitmap> desktopUnder(unsigned long window);

// While it lives, the X errors that a vanished window causes no longer end the process (Xlib's
// own handler exits): they are noted, and the saver ends as the daemon meant it to.
class LossWatch {
public:
    LossWatch();
    ~LossWatch();
    LossWatch(const LossWatch&) = delete;
    LossWatch& operator=(const LossWatch&) = delete;

    // True once a request failed because its window or picture no longer exists.
    static bool windowLost();
};

} // namespace HostWindow

} // namespace X11
