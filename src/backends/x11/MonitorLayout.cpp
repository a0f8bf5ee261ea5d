#include "backends/x11/MonitorLayout.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <memory>

namespace X11 {

namespace {

bool hasArea(const Pixels::PixelRect& monitor) {
    return !monitor.isEmpty();
}

// Mirrored outputs show the same part of the screen: one saver picture is enough for them.
std::vector<Pixels::PixelRect> withoutRepeats(const std::vector<Pixels::PixelRect>& listed) {
    std::vector<Pixels::PixelRect> kept;
    for (std::size_t index = 0; index < listed.size(); ++index) {
        const Pixels::PixelRect& monitor = listed[index];
        const auto covers = [&](std::size_t other) {
            return other != index && listed[other].contains(monitor) &&
                   (listed[other] != monitor || other < index);
        };
        bool covered = false;
        for (std::size_t other = 0; other < listed.size() && !covered; ++other) {
            covered = hasArea(listed[other]) && covers(other);
        }
        if (hasArea(monitor) && !covered) {
            kept.push_back(monitor);
        }
    }
    return kept;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// RandR 1.5 lists the primary monitor wherever it lies; it goes first here.
std::vector<Pixels::PixelRect> randrMonitorsOf(Display* display, Window root) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) ||
        !XRRQueryVersion(display, &major, &minor) || major * 100 + minor < 105) {
        return {};
    }
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
    std::vector<Pixels::PixelRect> listed;
    for (int index = 0; index < count; ++index) {
        const XRRMonitorInfo& info = monitors[index];
        const auto monitor = Pixels::PixelRect::ofSize(info.x, info.y, info.width, info.height);
        if (info.primary) {
            listed.insert(listed.begin(), monitor);
        } else {
            listed.push_back(monitor);
        }
    }
    if (monitors != nullptr) {
        XRRFreeMonitors(monitors);
    }
    return listed;
}

std::vector<Pixels::PixelRect> xineramaScreensOf(Display* display) {
    if (!XineramaIsActive(display)) {
        return {};
    }
    int count = 0;
    XineramaScreenInfo* screens = XineramaQueryScreens(display, &count);
    std::vector<Pixels::PixelRect> listed;
    for (int index = 0; index < count; ++index) {
        listed.push_back(Pixels::PixelRect::ofSize(screens[index].x_org, screens[index].y_org,
                                                   screens[index].width, screens[index].height));
    }
    if (screens != nullptr) {
        XFree(screens);
    }
    return listed;
}

} // namespace

MonitorLayout::MonitorLayout(const std::vector<Pixels::PixelRect>& randrMonitors,
                             const std::vector<Pixels::PixelRect>& xineramaScreens,
                             const Pixels::PixelRect& screen) {
    monitors_ = withoutRepeats(randrMonitors);
    if (monitors_.empty()) {
        monitors_ = withoutRepeats(xineramaScreens);
    }
    if (monitors_.empty()) {
        monitors_ = {screen};
    }
}

MonitorLayout MonitorLayout::ofXServer() {
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        return MonitorLayout({}, {}, {});
    }
    const int screen = DefaultScreen(display.get());
    const Pixels::PixelRect whole{0, 0, DisplayWidth(display.get(), screen),
                                  DisplayHeight(display.get(), screen)};
    return MonitorLayout(randrMonitorsOf(display.get(), RootWindow(display.get(), screen)),
                         xineramaScreensOf(display.get()), whole);
}

Pixels::PixelRect MonitorLayout::bounds() const {
    Pixels::PixelRect covering = monitors_.front();
    for (const Pixels::PixelRect& monitor : monitors_) {
        covering.left = std::min(covering.left, monitor.left);
        covering.top = std::min(covering.top, monitor.top);
        covering.right = std::max(covering.right, monitor.right);
        covering.bottom = std::max(covering.bottom, monitor.bottom);
    }
    return covering;
}

} // namespace X11
