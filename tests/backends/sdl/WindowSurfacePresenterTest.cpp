#include "backends/sdl/WindowSurfacePresenter.h"

#include "SdlDisplayTestVideo.h"
#include "backends/sdl/ShownScreen.h"
#include "display/PrimarySurface.h"
#include "display/SurfacePixels.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Pixels::PixelFormat;
using Pixels::PixelRect;
using Pixels::PixelView;

// The window's own pixel buffer on SDL's dummy video: what the primary draws lands in it, in
// the window's format even when the primary's differs.
class WindowSurfacePresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyVideo();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = makeTestWindow(32, 24);
        ASSERT_NE(window, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // What reached the screen: the window surface holds the back buffer between updates.
    static uint32_t windowPixel(int32_t x, int32_t y) { return ShownScreen::pixelAt(x, y); }

    TestWindow window;
};

TEST_F(WindowSurfacePresenterTest, ChangedRectanglesReachTheWindowInItsOwnFormat) {
    auto straight = std::make_unique<Sdl::WindowSurfacePresenter>(window.get(), 32, 24,
                                                                  PixelFormat::xrgb8888());
    SDL_Surface* screen = SDL_GetWindowSurface(window.get());
    ASSERT_EQ(straight->frontBuffer().pixels, screen->pixels);
    Pixels::PrimarySurface primary(std::move(straight), 32, 24, PixelFormat::xrgb8888(), nullptr);
    // The back buffer is drawn in the window's own pixels, which the screen takes only when
    // asked.
    EXPECT_EQ(primary.backBuffer().lock().pixels, screen->pixels);
    primary.backBuffer().unlock();
    ShownScreen::forget();
    fillSurface(primary.backBuffer(), [](int32_t, int32_t) { return 0x00A0B0C0u; });
    const std::vector<PixelRect> changed{{4, 4, 8, 8}};
    primary.flip(changed);
    EXPECT_EQ(windowPixel(5, 5) & 0xFFFFFF, 0xA0B0C0u);
    EXPECT_NE(windowPixel(9, 9) & 0xFFFFFF, 0xA0B0C0u);

    auto converting =
        std::make_unique<Sdl::WindowSurfacePresenter>(window.get(), 32, 24, PixelFormat::rgb565());
    EXPECT_NE(converting->frontBuffer().pixels, screen->pixels);
    Pixels::PrimarySurface deep(std::move(converting), 32, 24, PixelFormat::rgb565(), nullptr);
    const PixelBufferDesc desc = deep.backBuffer().lock();
    for (int32_t y = 0; y < 24; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const uint16_t red = 0xF800;
            std::memcpy(desc.pixels + y * desc.pitch + x * 2, &red, 2);
        }
    }
    deep.backBuffer().unlock();
    const std::vector<PixelRect> corner{{0, 0, 2, 2}};
    deep.flip(corner);
    EXPECT_EQ(windowPixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(windowPixel(3, 3) & 0xFFFFFF, 0xFF0000u);
}

} // namespace
