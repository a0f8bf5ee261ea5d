#include "backends/sdl/SdlDisplay.h"

#include "SdlDisplayTestVideo.h"
#include "backends/sdl/ShownScreen.h"
#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Pixels::DisplayModeDesc;
using Pixels::PixelFormat;

// Records what the device asks of the display instead of changing any mode.
class FakeModeSwitch : public Sdl::IDisplayModeSwitch {
public:
    explicit FakeModeSwitch(std::vector<std::string>& calls) : calls_(calls) {}

    DisplayModeDesc currentMode(SDL_Window*) override { return desktop; }
    void showFullscreenAtDesktopMode(SDL_Window*) override { calls_.push_back("desktop"); }
    void showFullscreenInMode(SDL_Window*, const DisplayModeDesc& mode) override {
        calls_.push_back("mode " + std::to_string(mode.width) + "x" + std::to_string(mode.height) +
                         "x" + std::to_string(mode.bitsPerPixel()) + "@" +
                         std::to_string(mode.refreshRate));
    }
    void returnToDesktopMode(SDL_Window*) override { calls_.push_back("restore"); }

    DisplayModeDesc desktop{64, 48, PixelFormat::xrgb8888(), 60};

private:
    std::vector<std::string>& calls_;
};

class SdlDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyVideo();
        device = std::make_unique<Sdl::SdlDisplay>(std::make_unique<FakeModeSwitch>(calls));
        window = makeTestWindow(64, 48);
        ASSERT_NE(window, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        // Surfaces first, then the window they draw into, then the device.
        window.reset();
        device.reset();
    }

    static constexpr Pixels::ScreenAccess exclusive = Pixels::ScreenAccess::Exclusive;

    std::vector<std::string> calls;
    std::unique_ptr<Sdl::SdlDisplay> device;
    TestWindow window;
};

TEST_F(SdlDisplayTest, TheDesktopModeIsKeptByDesktopFullscreen) {
    device->setScreenAccess(window.get(), Pixels::ScreenAccess::ExclusiveKeepingWindow);
    EXPECT_EQ(calls, std::vector<std::string>{"desktop"});
    EXPECT_EQ(device->currentDisplayMode().width, 64);
    EXPECT_EQ(device->currentDisplayMode().bitsPerPixel(), 32);
}

TEST_F(SdlDisplayTest, AChosenModeGoesToRealFullscreenAndIsRestored) {
    device->setScreenAccess(window.get(), exclusive);
    device->setDisplayMode(800, 600, 16, 75);
    EXPECT_EQ(device->currentDisplayMode().width, 800);
    EXPECT_EQ(device->currentDisplayMode().format, PixelFormat::rgb565());

    device->restoreDisplayMode();
    device->restoreDisplayMode();
    EXPECT_EQ((std::vector<std::string>{"desktop", "mode 800x600x16@75", "restore"}), calls);
    EXPECT_EQ(device->currentDisplayMode().width, 64);
}

TEST_F(SdlDisplayTest, AModeChosenBeforeTheCooperativeLevelAppliesWithIt) {
    device->setDisplayMode(640, 480, 32, 0);
    EXPECT_TRUE(calls.empty());
    device->setScreenAccess(window.get(), exclusive);
    EXPECT_EQ(calls, std::vector<std::string>{"mode 640x480x32@0"});
}

TEST_F(SdlDisplayTest, ImpossibleModesAreRefused) {
    EXPECT_THROW(device->setDisplayMode(0, 480, 32, 0), DX5::Error);
    EXPECT_THROW(device->setDisplayMode(640, 480, 15, 0), DX5::Error);
}

TEST_F(SdlDisplayTest, ThePrimaryChainNeedsTheWindow) {
    EXPECT_THROW(device->createPrimaryChain(), DX5::Error);
}

TEST_F(SdlDisplayTest, SixteenBitModesGetFiveSixFiveSurfaces) {
    device->setScreenAccess(window.get(), exclusive);
    device->setDisplayMode(32, 24, 16, 0);
    auto primary = device->createPrimaryChain();
    EXPECT_EQ(primary->width(), 32);
    EXPECT_EQ(primary->backBuffer().format(), PixelFormat::rgb565());
}

TEST_F(SdlDisplayTest, OffscreenSurfacesCopySizeAndFormat) {
    Pixels::PixelSurface model(7, 5, PixelFormat::rgb565());
    auto copy = device->createOffscreenLike(model);
    EXPECT_EQ(copy->width(), 7);
    EXPECT_EQ(copy->height(), 5);
    EXPECT_EQ(copy->format(), PixelFormat::rgb565());
}

TEST_F(SdlDisplayTest, FlipShowsTheBackBufferAndKeepsItsContents) {
    device->setScreenAccess(window.get(), exclusive);
    auto primary = device->createPrimaryChain();
    Pixels::PixelSurface& back = primary->backBuffer();
    ASSERT_EQ(back.format(), PixelFormat::xrgb8888());

    PixelBufferDesc desc = back.lock();
    const uint32_t colour = 0x00123456;
    std::memcpy(desc.pixels + 3 * desc.pitch + 5 * 4, &colour, 4);
    back.unlock();
    primary->flip();
    primary->flip();

    uint32_t kept = 0;
    desc = back.lock();
    std::memcpy(&kept, desc.pixels + 3 * desc.pitch + 5 * 4, 4);
    back.unlock();
    EXPECT_EQ(kept, colour);

    EXPECT_EQ(ShownScreen::pixelAt(5, 3), colour);
}

TEST_F(SdlDisplayTest, ARenderResetLosesEverySurfaceUntilRestored) {
    device->setScreenAccess(window.get(), exclusive);
    auto primary = device->createPrimaryChain();
    auto background = device->createOffscreenLike(*primary);

    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    EXPECT_TRUE(device->handleEvent(reset));
    EXPECT_TRUE(primary->isLost());
    EXPECT_TRUE(primary->backBuffer().isLost());
    EXPECT_TRUE(background->isLost());
    try {
        primary->flip();
        ADD_FAILURE() << "a lost chain flipped";
    } catch (const DX5::Error& error) {
        EXPECT_EQ(error.code(), DX5::DDERR_SURFACELOST);
    }

    primary->restore();
    background->restore();
    EXPECT_FALSE(primary->backBuffer().isLost());
    EXPECT_NO_THROW(primary->flip());
    EXPECT_NO_THROW(background->copyTo(*primary));
}

TEST_F(SdlDisplayTest, OtherEventsLoseNothing) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    EXPECT_FALSE(device->handleEvent(motion));
}

TEST(SdlDisplayProcessTest, OpeningTwiceGivesTheSameDeviceUntilReleased) {
    useDummyVideo();
    Sdl::SdlDisplay& first = Sdl::SdlDisplay::openDevice();
    EXPECT_EQ(&Sdl::SdlDisplay::openDevice(), &first);
    EXPECT_TRUE(Sdl::SdlDisplay::exists());
    EXPECT_GT(first.currentDisplayMode().width, 0);
    Sdl::SdlDisplay::releaseDevice();
    EXPECT_FALSE(Sdl::SdlDisplay::exists());
}

} // namespace
