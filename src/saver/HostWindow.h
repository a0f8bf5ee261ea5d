#pragma once

#include "display/Bitmap.h"

#include <optional>

// The X window a saver daemon hands the saver to draw into.
namespace HostWindow {

// The given window, or the root window for 0, once it is known to exist. Throws BasicError
// naming the window when it does not, and DX5::NoDirectX5Error when there is no X display.
unsigned long checked(unsigned long window);

// The desktop under the window at the window's size: from the screenshot the daemon keeps for
// its programs when there is one, else read from the screen (where the daemon's window may
// already cover it). Nothing when neither can be read.
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
