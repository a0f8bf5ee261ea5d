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

} // namespace HostWindow
