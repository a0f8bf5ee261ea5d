#include "backends/x11/MonitorLayout.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <memory>

namespace {

bool hasArea(const MonitorRect& monitor) {
    return monitor.width > 0 && monitor.height > 0;
}

// Mirrored outputs show the same part of the screen: one saver picture is enough for them.
std::vector<MonitorRect> withoutRepeats(const std::vector<MonitorRect>& listed) {
    std::vector<MonitorRect> kept;
    for (std::size_t index = 0; index < listed.size(); ++index) {
        const MonitorRect& monitor = listed[index];
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
std::vector<MonitorRect> randrMonitorsOf(Display* display, Window root) {
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
    std::vector<MonitorRect> listed;
    for (int index = 0; index < count; ++index) {
        const XRRMonitorInfo& info = monitors[index];
        const MonitorRect monitor{info.x, info.y, info.width, info.height};
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

std::vector<MonitorRect> xineramaScreensOf(Display* display) {
    if (!XineramaIsActive(display)) {
        return {};
    }
    int count = 0;
    XineramaScreenInfo* screens = XineramaQueryScreens(display, &count);
    std::vector<MonitorRect> listed;
    for (int index = 0; index < count; ++index) {
        listed.push_back({screens[index].x_org, screens[index].y_org, screens[index].width,
                          screens[index].height});
    }
    if (screens != nullptr) {
        XFree(screens);
    }
    return listed;
}

} // namespace

bool MonitorRect::contains(const MonitorRect& other) const {
    return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
}

MonitorLayout::MonitorLayout(const std::vector<MonitorRect>& randrMonitors,
                             const std::vector<MonitorRect>& xineramaScreens,
                             const MonitorRect& screen) {
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
    const MonitorRect whole{0, 0, DisplayWidth(display.get(), screen),
                            DisplayHeight(display.get(), screen)};
    return MonitorLayout(randrMonitorsOf(display.get(), RootWindow(display.get(), screen)),
                         xineramaScreensOf(display.get()), whole);
}

MonitorRect MonitorLayout::bounds() const {
    int32_t left = monitors_.front().x;
    int32_t top = monitors_.front().y;
    int32_t right = monitors_.front().right();
    int32_t bottom = monitors_.front().bottom();
    for (const MonitorRect& monitor : monitors_) {
        left = std::min(left, monitor.x);
        top = std::min(top, monitor.y);
        right = std::max(right, monitor.right());
        bottom = std::max(bottom, monitor.bottom());
    }
    return {left, top, right - left, bottom - top};
}
