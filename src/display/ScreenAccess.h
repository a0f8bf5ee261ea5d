#pragma once

namespace Pixels {

// How a saver holds the screen: shared with other windows (a window on the desktop, a daemon's
// window), or alone and full screen, where the display mode may change. Keeping the window
// leaves its size and place as they are, for a saver that keeps the desktop's mode.
enum class ScreenAccess { Shared, Exclusive, ExclusiveKeepingWindow };

} // namespace Pixels
