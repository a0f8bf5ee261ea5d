#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// One monitor's part of the X screen.
struct MonitorRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t right() const { return x + width; }
    int32_t bottom() const { return y + height; }
    bool contains(const MonitorRect& other) const;
    bool operator==(const MonitorRect&) const = default;
};

// The monitors the saver covers, found the way screen-saver daemons find them: the X server's
// RandR monitors when it reports any (they also split one output into several monitors), else
// its Xinerama screens, else the whole screen. A monitor that lies inside another (a mirrored
// output) or has no area is dropped; the first one listed is the primary.
class MonitorLayout {
public:
    MonitorLayout(const std::vector<MonitorRect>& randrMonitors,
                  const std::vector<MonitorRect>& xineramaScreens, const MonitorRect& screen);

    // What this X server reports; one monitor of screen's size when there is no display.
    static MonitorLayout ofXServer();

    const std::vector<MonitorRect>& monitors() const { return monitors_; }
    // The smallest rectangle that covers every monitor.
    MonitorRect bounds() const;

private:
    std::vector<MonitorRect> monitors_;
};
