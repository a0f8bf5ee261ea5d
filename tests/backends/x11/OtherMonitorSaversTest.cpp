#include "backends/x11/OtherMonitorSavers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// A monitor as the X server describes it: its corner and its size.
Pixels::PixelRect monitor(int32_t x, int32_t y, int32_t width, int32_t height) {
    return Pixels::PixelRect::ofSize(x, y, width, height);
}

TEST(OtherMonitorSaversTest, OnlyMonitorsSharingNoPixelWithTheCoveredDisplayGetASaver) {
    const Pixels::PixelRect primary = monitor(0, 0, 1920, 1080);
    const Pixels::PixelRect right = monitor(1920, 0, 1280, 1024);
    const Pixels::PixelRect below = monitor(0, 1080, 1920, 1080);
    const Pixels::PixelRect straddling = monitor(1900, 100, 800, 600);
    EXPECT_THAT(X11::OtherMonitorSavers::outside({primary, right, below, straddling}, primary),
                ElementsAre(right, below));
    // A chosen mode may leave the output smaller than the monitor the X server still lists.
    EXPECT_THAT(X11::OtherMonitorSavers::outside({primary, right}, monitor(0, 0, 1024, 768)),
                ElementsAre(right));
    EXPECT_TRUE(X11::OtherMonitorSavers::outside({primary}, primary).empty());
}

TEST(OtherMonitorSaversTest, EachSaverRunsWithThisRunsWordsAndItsWindow) {
    EXPECT_THAT(X11::OtherMonitorSavers::saverArguments({"/s", "--density", "40"}, 0x2a00007),
                ElementsAre("/s", "--density", "40", "--no-sound", "--window-id", "0x2a00007"));
}

TEST(OtherMonitorSaversTest, NothingStartsWithoutMonitors) {
    const X11::OtherMonitorSavers none({}, "/bin/false", {});
    EXPECT_EQ(none.count(), 0u);
}

} // namespace
