#include "backends/x11/MonitorLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// A monitor as the X server describes it: its corner and its size.
Pixels::PixelRect monitor(int32_t x, int32_t y, int32_t width, int32_t height) {
    return Pixels::PixelRect::ofSize(x, y, width, height);
}

const Pixels::PixelRect screen = monitor(0, 0, 2304, 768);

// One output: RandR lists one monitor, Xinerama one screen, both the whole screen.
TEST(MonitorLayoutTest, OneOutputDesktopIsOneMonitor) {
    const X11::MonitorLayout layout({monitor(0, 0, 1920, 1080)}, {monitor(0, 0, 1920, 1080)},
                                    monitor(0, 0, 1920, 1080));
    EXPECT_THAT(layout.monitors(), ElementsAre(monitor(0, 0, 1920, 1080)));
    EXPECT_EQ(layout.bounds(), (monitor(0, 0, 1920, 1080)));
}

// Two outputs of different sizes side by side, the primary on the right.
TEST(MonitorLayoutTest, TwoOutputDesktopIsTwoMonitorsPrimaryFirst) {
    const X11::MonitorLayout layout({monitor(1280, 0, 1024, 768), monitor(0, 0, 1280, 720)},
                                    {monitor(0, 0, 1280, 720), monitor(1280, 0, 1024, 768)},
                                    screen);
    EXPECT_THAT(layout.monitors(),
                ElementsAre(monitor(1280, 0, 1024, 768), monitor(0, 0, 1280, 720)));
    EXPECT_EQ(layout.bounds(), screen);
}

// RandR wins over Xinerama: it also reports one output split into monitors, which is what
// SDL, listing outputs, cannot see.
TEST(MonitorLayoutTest, RandrMonitorsComeBeforeXineramaScreens) {
    const X11::MonitorLayout layout({monitor(0, 0, 1280, 720), monitor(1280, 0, 1024, 768)},
                                    {screen}, screen);
    EXPECT_EQ(layout.monitors().size(), 2u);
}

TEST(MonitorLayoutTest, XineramaThenTheWholeScreenStandIn) {
    const X11::MonitorLayout xinerama({}, {monitor(0, 0, 800, 600), monitor(800, 0, 800, 600)},
                                      monitor(0, 0, 1600, 600));
    EXPECT_EQ(xinerama.monitors().size(), 2u);
    const X11::MonitorLayout neither({}, {}, monitor(0, 0, 1024, 768));
    EXPECT_THAT(neither.monitors(), ElementsAre(monitor(0, 0, 1024, 768)));
}

// Mirrored outputs and a monitor inside another show the same pixels: one picture is enough.
// Monitors without area are no monitors.
TEST(MonitorLayoutTest, MirroredContainedAndEmptyMonitorsAreDropped) {
    const X11::MonitorLayout layout({monitor(0, 0, 1920, 1080), monitor(0, 0, 1920, 1080),
                                     monitor(100, 100, 640, 480), monitor(1920, 0, 0, 0)},
                                    {}, monitor(0, 0, 1920, 1080));
    EXPECT_THAT(layout.monitors(), ElementsAre(monitor(0, 0, 1920, 1080)));
}

TEST(MonitorLayoutTest, BoundsCoverMonitorsThatDoNotStartAtTheOrigin) {
    const X11::MonitorLayout layout({monitor(0, 312, 1280, 768), monitor(1280, 0, 1920, 1080)}, {},
                                    monitor(0, 0, 3200, 1080));
    EXPECT_EQ(layout.bounds(), (monitor(0, 0, 3200, 1080)));
    const X11::MonitorLayout offset({monitor(100, 50, 800, 600)}, {}, monitor(0, 0, 1000, 700));
    EXPECT_EQ(offset.bounds(), (monitor(100, 50, 800, 600)));
}

} // namespace
