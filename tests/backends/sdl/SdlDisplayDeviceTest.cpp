#include "backends/sdl/SdlDisplayDevice.h"

#include "SdlDisplayTestVideo.h"
#include "backends/sdl/GraphicsLayerVersion.h"
#include "backends/sdl/SdlDisplay.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<IDisplayDevice::Mode> modesOf(IDisplayDevice::RefreshRates rates) {
    Sdl::SdlDisplayDevice device;
    std::vector<IDisplayDevice::Mode> modes;
    device.enumerateModes(rates,
                          [&modes](const IDisplayDevice::Mode& mode) { modes.push_back(mode); });
    Sdl::SdlDisplay::releaseDevice();
    return modes;
}

TEST(SdlDisplayDeviceTest, FourByteModesAreReportedAs32Bits) {
    useDummyVideo();
    const auto modes = modesOf(IDisplayDevice::RefreshRates::Listed);
    ASSERT_FALSE(modes.empty());
    // The dummy display is XRGB8888, which SDL itself counts as 24 bits.
    EXPECT_EQ(modes.front().bitsPerPixel, 32);
    EXPECT_GT(modes.front().width, 0);
}

TEST(SdlDisplayDeviceTest, MergedRatesReportEachSizeAndDepthOnceWithRateZero) {
    useDummyVideo();
    const auto modes = modesOf(IDisplayDevice::RefreshRates::Merged);
    ASSERT_FALSE(modes.empty());
    for (std::size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(modes[i].refreshRate, 0);
        for (std::size_t j = i + 1; j < modes.size(); ++j) {
            EXPECT_FALSE(modes[i].width == modes[j].width && modes[i].height == modes[j].height &&
                         modes[i].bitsPerPixel == modes[j].bitsPerPixel);
        }
    }
}

TEST(SdlDisplayDeviceTest, VersionLineNamesSdlAndTheDriver) {
    useDummyVideo();
    const Sdl::GraphicsLayerVersion version = Sdl::detectGraphicsLayerVersion();
    EXPECT_EQ(version.major, 2);
    EXPECT_EQ(version.videoDriver, "dummy");
    EXPECT_EQ(version.text().rfind("SDL 2.", 0), 0u);
    EXPECT_NE(version.text().find(", dummy"), std::string::npos);
}

TEST(SdlDisplayDeviceTest, VersionLineGivesTheReasonWhenVideoCannotStart) {
    Sdl::GraphicsLayerVersion version;
    version.major = 2;
    version.minor = 26;
    version.patch = 5;
    version.reason = "No available video device";
    EXPECT_EQ(version.text(), "SDL 2.26.5 (No available video device)");
}

} // namespace
