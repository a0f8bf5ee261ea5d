#pragma once

namespace X11 {

// Whether a window manager looks after the X display's windows: one that follows the desktop
// conventions names its check window on the root window, and the check window names itself.
bool windowManagerRuns();

} // namespace X11
