#include "scene/RainScene.h"

#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"
#include "display/SurfacePixels.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "scene/SceneSurfaces.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

class ManualClock : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 1000;
};

// A screen in memory that keeps what it was last sent, as a window would show it.
class MemoryScreen final : public Pixels::IScreenPresenter {
public:
    MemoryScreen(int32_t width, int32_t height)
        : front_(width, height, Pixels::PixelFormat::rgb888()) {}

    Pixels::PixelView frontBuffer() override { return front_.view(); }
    void show(std::span<const Pixels::PixelRect> areas) override {
        const Pixels::PixelView front = front_.view();
        if (shown.empty()) {
            shown.assign(static_cast<std::size_t>(front.pitch * front.height), 0);
        }
        for (const Pixels::PixelRect& area : areas) {
            for (int32_t y = area.top; y < area.bottom; ++y) {
                const std::size_t at = static_cast<std::size_t>(y * front.pitch + area.left * 3);
                std::memcpy(&shown[at], front.pixels + at,
                            static_cast<std::size_t>(area.right - area.left) * 3);
            }
        }
    }
    void recreate() override {}

    std::vector<uint8_t> shown;

private:
    Pixels::MemoryFrontBuffer front_;
};

// A picture whose every byte tells where it lies, so that any change is seen.
Graphics::Bitmap patternedSnapshot(int32_t width, int32_t height) {
    Graphics::Bitmap bitmap(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width * 3; ++x) {
            bitmap.row(y)[x] = static_cast<uint8_t>((x * 7 + y * 13) & 0xFF);
        }
    }
    return bitmap;
}

bool insideAny(const Pixels::FrameDamage& damage, int32_t x, int32_t y) {
    if (damage.coversWholeFrame()) {
        return true;
    }
    for (const Pixels::PixelRect& rect : damage.rects()) {
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
            return true;
        }
    }
    return false;
}

// A preview's surfaces: 24 bits, rows padded to four bytes, shown on a screen in memory.
struct PreviewSurfaces {
    PreviewSurfaces(int32_t width, int32_t height) {
        auto presenter = std::make_unique<MemoryScreen>(width, height);
        screen = presenter.get();
        const Pixels::PixelFormat format = Pixels::PixelFormat::rgb888();
        surfaces.emplace(std::make_unique<Pixels::PrimarySurface>(std::move(presenter), width,
                                                                  height, format, nullptr),
                         std::make_unique<Pixels::PixelSurface>(width, height, format));
    }

    MemoryScreen* screen = nullptr;
    std::optional<Scene::SceneSurfaces> surfaces;
};

std::vector<uint8_t> bytesOf(const Graphics::Bitmap& bitmap) {
    return {bitmap.pixels(), bitmap.pixels() + bitmap.pitch() * bitmap.height()};
}

// The snapshot is shown as it is; rain changes the picture only where the frame says it did,
// the screen always shows the composed picture, and the clean background never changes.
TEST(RainSceneTest, ADropsOnlySceneChangesOnlyTheReportedPartsOfThePicture) {
    for (const int32_t width : {152, 151}) {
        constexpr int32_t height = 112;
        ScreenSaverOptionsStorage options;
        ManualClock clock;
        const Graphics::Bitmap snapshot = patternedSnapshot(width, height);
        PreviewSurfaces preview(width, height);
        Scene::RainScene scene(*preview.surfaces, options, options.maxRadiusBound(), snapshot,
                               clock);
        Pixels::PixelSurface& back = preview.surfaces->backBuffer();
        ASSERT_EQ(back.pitch(), 456);
        ASSERT_EQ(allBytes(back), bytesOf(snapshot));
        ASSERT_EQ(preview.screen->shown, bytesOf(snapshot));

        bool anyChange = false;
        for (int frame = 0; frame < 400; ++frame) {
            clock.time += 40;
            const std::vector<uint8_t> before = allBytes(back);
            const Pixels::FrameDamage& changed = scene.frame();
            const std::vector<uint8_t> after = allBytes(back);
            for (int32_t y = 0; y < height; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    const std::size_t at = static_cast<std::size_t>(y * back.pitch() + x * 3);
                    const bool differs = std::memcmp(&before[at], &after[at], 3) != 0;
                    anyChange = anyChange || differs;
                    ASSERT_TRUE(!differs || insideAny(changed, x, y))
                        << "frame " << frame << " pixel " << x << "," << y;
                }
            }
            ASSERT_EQ(preview.screen->shown, after) << "frame " << frame;
        }
        EXPECT_TRUE(anyChange);
        EXPECT_EQ(allBytes(preview.surfaces->background()), bytesOf(snapshot));
    }
}

} // namespace
