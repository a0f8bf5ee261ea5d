#include "backends/x11/MonitorLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

const MonitorRect screen{0, 0, 2304, 768};

// One output: RandR lists one monitor, Xinerama one screen, both the whole screen.
TEST(MonitorLayoutTest, OneOutputDesktopIsOneMonitor) {
    const MonitorLayout layout({{0, 0, 1920, 1080}}, {{0, 0, 1920, 1080}}, {0, 0, 1920, 1080});
    EXPECT_THAT(layout.monitors(), ElementsAre(MonitorRect{0, 0, 1920, 1080}));
    EXPECT_EQ(layout.bounds(), (MonitorRect{0, 0, 1920, 1080}));
}

// Two outputs of different sizes side by side, the primary on the right.
TEST(MonitorLayoutTest, TwoOutputDesktopIsTwoMonitorsPrimaryFirst) {
    const MonitorLayout layout({{1280, 0, 1024, 768}, {0, 0, 1280, 720}},
                               {{0, 0, 1280, 720}, {1280, 0, 1024, 768}}, screen);
    EXPECT_THAT(layout.monitors(),
                ElementsAre(MonitorRect{1280, 0, 1024, 768}, MonitorRect{0, 0, 1280, 720}));
    EXPECT_EQ(layout.bounds(), screen);
}

// RandR wins over Xinerama: it also reports one output split into monitors, which is what
// SDL, listing outputs, cannot see.
TEST(MonitorLayoutTest, RandrMonitorsComeBeforeXineramaScreens) {
    const MonitorLayout layout({{0, 0, 1280, 720}, {1280, 0, 1024, 768}}, {screen}, screen);
    EXPECT_EQ(layout.monitors().size(), 2u);
}

TEST(MonitorLayoutTest, XineramaThenTheWholeScreenStandIn) {
    const MonitorLayout xinerama({}, {{0, 0, 800, 600}, {800, 0, 800, 600}}, {0, 0, 1600, 600});
    EXPECT_EQ(xinerama.monitors().size(), 2u);
    const MonitorLayout neither({}, {}, {0, 0, 1024, 768});
    EXPECT_THAT(neither.monitors(), ElementsAre(MonitorRect{0, 0, 1024, 768}));
}

// Mirrored outputs and a monitor inside another show the same pixels: one picture is enough.
// Monitors without area are no monitors.
TEST(MonitorLayoutTest, MirroredContainedAndEmptyMonitorsAreDropped) {
    const MonitorLayout layout(
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {100, 100, 640, 480}, {1920, 0, 0, 0}}, {},
        {0, 0, 1920, 1080});
    EXPECT_THAT(layout.monitors(), ElementsAre(MonitorRect{0, 0, 1920, 1080}));
}

TEST(MonitorLayoutTest, BoundsCoverMonitorsThatDoNotStartAtTheOrigin) {
    const MonitorLayout layout({{0, 312, 1280, 768}, {1280, 0, 1920, 1080}}, {},
                               {0, 0, 3200, 1080});
    EXPECT_EQ(layout.bounds(), (MonitorRect{0, 0, 3200, 1080}));
    const MonitorLayout offset({{100, 50, 800, 600}}, {}, {0, 0, 1000, 700});
    EXPECT_EQ(offset.bounds(), (MonitorRect{100, 50, 800, 600}));
}

} // namespace
