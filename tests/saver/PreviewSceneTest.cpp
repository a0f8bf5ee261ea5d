#include "saver/PreviewScene.h"

#include "options/ScreenSaverOptionsStorage.h"

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

bool insideAny(const DDraw::FrameDamage& damage, int32_t x, int32_t y) {
    if (damage.coversWholeFrame()) {
        return true;
    }
    for (const DDraw::PixelRect& rect : damage.rects()) {
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
            return true;
        }
    }
    return false;
}

TEST(PreviewSceneTest, BothPicturesAre24BitRowsPaddedToFourBytes) {
    ScreenSaverOptionsStorage options;
    for (const int32_t width : {152, 151}) {
        const PreviewScene scene(patternedSnapshot(width, 112), options.maxRadiusBound(), options);
        for (const PixelBufferDesc& picture :
             {scene.destinationDescription(), scene.backgroundDescription()}) {
            EXPECT_EQ(picture.bitsPerPixel, 24);
            EXPECT_EQ(picture.pitch, 456) << width;
            EXPECT_EQ(picture.width, width);
            EXPECT_EQ(picture.height, 112);
        }
        EXPECT_NE(scene.destinationDescription().pixels, scene.backgroundDescription().pixels);
    }
}

// The snapshot is shown as it is; rain changes the picture only where it says it did, and never
// the snapshot itself.
TEST(PreviewSceneTest, FramesChangeOnlyTheReportedPartsOfThePicture) {
    constexpr int32_t width = 151;
    constexpr int32_t height = 112;
    ScreenSaverOptionsStorage options;
    ManualClock clock;
    const Graphics::Bitmap snapshot = patternedSnapshot(width, height);
    PreviewScene scene(snapshot, options.maxRadiusBound(), options, clock);
    const PixelBufferDesc& shown = scene.destinationDescription();
    ASSERT_TRUE(
        std::equal(snapshot.pixels(), snapshot.pixels() + snapshot.pitch() * height, shown.pixels));

    bool anyChange = false;
    for (int frame = 0; frame < 400; ++frame) {
        clock.time += 40;
        std::vector<uint8_t> before(shown.pixels, shown.pixels + shown.pitch * height);
        scene.frame();
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const std::size_t at = static_cast<std::size_t>(y * shown.pitch + x * 3);
                const bool changed = std::memcmp(&before[at], shown.pixels + at, 3) != 0;
                anyChange = anyChange || changed;
                ASSERT_TRUE(!changed || insideAny(scene.changedArea(), x, y))
                    << "frame " << frame << " pixel " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(anyChange);
    const PixelBufferDesc& background = scene.backgroundDescription();
    EXPECT_TRUE(std::equal(snapshot.pixels(), snapshot.pixels() + snapshot.pitch() * height,
                           background.pixels));
}

} // namespace
