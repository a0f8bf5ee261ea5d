#pragma once

#include "backends/sdl/ScreenSaverWindow.h"
#include "backends/x11/HostWindow.h"
#include "images/Bitmap.h"

#include <optional>

// Where the saver draws: a window of its own, full screen or on the desktop, or a window that a
// saver daemon owns (an X window id, already checked to exist).
struct SaverPlacement {
    ScreenSaverWindow::Style style = ScreenSaverWindow::Style::FullScreen;
    unsigned long hostWindow = 0;

    // Every monitor shows the rain in the mode it has; a chosen display mode is the primary
    // monitor's alone.
    ScreenSaverWindow::Style windowStyle() const;
};

// The screen as it was before the saver window appeared. An X server reads the window's own
// black into a capture of the screen once the window is mapped, so the picture is taken before
// the window part is built. In a daemon's window it is the desktop under that window.
struct DesktopAtStart {
    explicit DesktopAtStart(const SaverPlacement& placement);
    std::optional<Graphics::Bitmap> desktop_;
};

// In a daemon's window, which may go before the daemon's SIGTERM comes. Made before the window
// part and given up after it, as closing the window part still talks about the window.
struct HostWindowWatch {
    explicit HostWindowWatch(const SaverPlacement& placement);
    bool hostWindowLost() const {
        return hostWindowLoss_ && X11::HostWindow::LossWatch::windowLost();
    }
    std::optional<X11::HostWindow::LossWatch> hostWindowLoss_;
};
