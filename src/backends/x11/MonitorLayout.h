#pragma once

#include "display/PixelRect.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace X11 {

// The monitors the saver covers, each the part of the X screen it shows, found the way screen-saver
// daemons find them: the X server's RandR monitors when it reports any (they also split one output
// into several monitors), else its Xinerama screens, else the whole screen. A monitor that lies
// inside another (a mirrored output) or has no area is dropped; the first one listed is the
// primary.
class MonitorLayout {
public:
    MonitorLayout(const std::vector<Pixels::PixelRect>& randrMonitors,
                  const std::vector<Pixels::PixelRect>& xineramaScreens,
                  const Pixels::PixelRect& screen);

    // What this X server reports; one monitor of screen's size when there is no display.
    static MonitorLayout ofXServer();

    const std::vector<Pixels::PixelRect>& monitors() const { return monitors_; }
    // The smallest rectangle that covers every monitor.
    Pixels::PixelRect bounds() const;

private:
    std::vector<Pixels::PixelRect> monitors_;
};

} // namespace X11
