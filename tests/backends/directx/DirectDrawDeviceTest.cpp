#include "backends/directx/DirectDrawDevice.h"

#include "backends/directx/DirectDrawDisplayDevice.h"
#include "backends/user32/TestWindow.h"
#include "display/DX5Error.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <objbase.h>
#include <vector>

// DirectDraw on the display Wine gives: these need an X server (the Windows check runs them on a
// virtual one) and skip without.
namespace {

class DirectDrawDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        if (window_.get() == nullptr) {
            GTEST_SKIP() << "no display to make a window on";
        }
    }
    void TearDown() override {
        DDraw::DirectDrawDevice::releaseDevice();
        CoUninitialize();
    }

    TestWindow window_{WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                       GetSystemMetrics(SM_CYSCREEN)};
};

std::vector<IDisplayDevice::Mode> modesOfScreenSize() {
    std::vector<IDisplayDevice::Mode> found;
    DDraw::DirectDrawDisplayDevice().enumerateModes(
        IDisplayDevice::RefreshRates::Merged, [&found](const IDisplayDevice::Mode& mode) {
            if (mode.width == GetSystemMetrics(SM_CXSCREEN) &&
                mode.height == GetSystemMetrics(SM_CYSCREEN)) {
                found.push_back(mode);
            }
        });
    return found;
}

} // namespace

TEST_F(DirectDrawDeviceTest, TheScreensSizeIsListedInEveryDepthAndItsModeIsTheCurrentOne) {
    const std::vector<IDisplayDevice::Mode> modes = modesOfScreenSize();
    for (const int32_t depth : {8, 16, 32}) {
        EXPECT_TRUE(std::any_of(modes.begin(), modes.end(), [depth](const auto& mode) {
            return mode.bitsPerPixel == depth;
        })) << depth;
    }
    const Pixels::DisplayModeDesc current =
        DDraw::DirectDrawDevice::openDevice().currentDisplayMode();
    EXPECT_EQ(current.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(current.format, Pixels::PixelFormat::xrgb8888());
    EXPECT_TRUE(DDraw::DirectDrawDevice::exists());
}

// A chosen 16-bit mode gives 5-6-5 surfaces, and a rectangle drawn on the back buffer reaches
// the flip chain; the desktop's mode comes back with the device.
TEST_F(DirectDrawDeviceTest, AChosenSixteenBitModeDrawsInItsOwnFormat) {
    DDraw::DirectDrawDevice& device = DDraw::DirectDrawDevice::openDevice();
    device.setScreenAccess(window_.get(), Pixels::ScreenAccess::Exclusive);
    const int32_t width = GetSystemMetrics(SM_CXSCREEN);
    const int32_t height = GetSystemMetrics(SM_CYSCREEN);
    device.setDisplayMode(width, height, 16, 0);
    EXPECT_EQ(device.currentDisplayMode().bitsPerPixel(), 16);

    std::unique_ptr<Pixels::PrimarySurface> primary = device.createPrimaryChain();
    EXPECT_EQ(primary->format(), Pixels::PixelFormat::rgb565());
    EXPECT_EQ(primary->width(), width);
    std::unique_ptr<Pixels::PixelSurface> background = device.createOffscreenLike(*primary);
    EXPECT_EQ(background->format(), primary->format());
    const Pixels::PixelRect area{10, 10, 20, 20};
    EXPECT_NO_THROW(primary->flip({&area, 1}));
    primary.reset();

    DDraw::DirectDrawDevice::releaseDevice();
    EXPECT_FALSE(DDraw::DirectDrawDevice::exists());
    EXPECT_EQ(DDraw::DirectDrawDevice::openDevice().currentDisplayMode().bitsPerPixel(), 32);
}
