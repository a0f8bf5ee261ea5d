#include "saver/SaverPlacement.h"

#include "backends/x11/DesktopCapture.h"
#include "backends/x11/MonitorLayout.h"
#include "options/Configuration.h"

namespace {

// Over several monitors the picture is what lies under them, which need not be all of the
// screen.
std::optional<Graphics::Bitmap> desktopFor(const SaverPlacement& placement) {
    switch (placement.windowStyle()) {
    case ScreenSaverWindow::Style::Hosted:
        return X11::HostWindow::desktopUnder(placement.hostWindow);
    case ScreenSaverWindow::Style::AllMonitors: {
        const Pixels::PixelRect bounds = X11::MonitorLayout::ofXServer().bounds();
        return X11::captureDesktopArea(bounds.left, bounds.top, bounds.width(), bounds.height());
    }
    default:
        return X11::captureDesktop();
    }
}

} // namespace

ScreenSaverWindow::Style SaverPlacement::windowStyle() const {
    const bool keepsMode = Configuration::options()->storedUseCurrentMode();
    return style == ScreenSaverWindow::Style::FullScreen && keepsMode
               ? ScreenSaverWindow::Style::AllMonitors
               : style;
}

DesktopAtStart::DesktopAtStart(const SaverPlacement& placement) : desktop_(desktopFor(placement)) {}

HostWindowWatch::HostWindowWatch(const SaverPlacement& placement) {
    if (placement.style == ScreenSaverWindow::Style::Hosted) {
        hostWindowLoss_.emplace();
    }
}
