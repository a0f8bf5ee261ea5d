#include "LightningFakes.h"
#include "display/DX5Error.h"
#include "display/SurfacePixels.h"
#include "lightning/FlashAdapter.h"
#include "lightning/SimpleFlash.h"
#include "lightning/SurfaceBackup.h"

#include <gtest/gtest.h>

namespace {

using Pixels::PixelFormat;
using Pixels::PixelSurface;

// Grey levels 0..255 across, one pixel each and starting again after 255, in 32-bit pixels.
void fillWithGreyRamp(PixelSurface& surface) {
    fillSurface(surface, [](int32_t x, int32_t) {
        const auto level = static_cast<uint32_t>(x) & 0xFFu;
        return level << 16 | level << 8 | level;
    });
}

// What the flash paints: the target after apply().
std::vector<uint32_t> flashImageOf(SimpleFlash& flash, PixelSurface& target) {
    flash.apply();
    return allPixels(target);
}

TEST(SimpleFlashTest, OnlyPixelsBrighterThanTheThresholdLightUpInTheFlashColour) {
    // Wider than one word of the image's bits, and not a multiple of it.
    PixelSurface target(256 + 67, 2, PixelFormat::xrgb8888());
    FakeLightningOptions options;
    options.flash = 0x00102030; // red 0x30, green 0x20, blue 0x10
    for (const uint8_t threshold : {0, 1, 128, 254, 255}) {
        fillWithGreyRamp(target);
        options.threshold = threshold;
        SimpleFlash flash(target, options);
        flash.apply();
        for (int32_t x = 0; x < 256 + 67; ++x) {
            const uint32_t level = static_cast<uint32_t>(x) & 0xFFu;
            const uint32_t expected = level > threshold ? 0x00302010u : 0u;
            ASSERT_EQ(pixelAt(target, x, 1), expected)
                << "threshold " << int{threshold} << " at " << x;
        }
    }
}

TEST(SimpleFlashTest, LumaWeighsGreenMostAndRoundsDown) {
    PixelSurface target(3, 1, PixelFormat::xrgb8888());
    // Luma 1 (0x000003: blue 3 -> 342 / 1000 = 0; green 2 -> 1174 / 1000 = 1), then red 4 -> 1.
    const std::vector<uint32_t> pixels = {0x00000003, 0x00000200, 0x00040000};
    fillSurface(target, [&](int32_t x, int32_t) { return pixels[static_cast<std::size_t>(x)]; });
    FakeLightningOptions options;
    options.threshold = 0;
    options.flash = 0x00FFFFFF;
    SimpleFlash flash(target, options);
    EXPECT_EQ(flashImageOf(flash, target), (std::vector<uint32_t>{0, 0x00FFFFFF, 0x00FFFFFF}));
}

TEST(SimpleFlashTest, SixteenBitTargetsKeepTheirFormat) {
    PixelSurface target(2, 1, PixelFormat::rgb565());
    fillSurface(target, [](int32_t x, int32_t) { return x == 0 ? 0xFFFFu : 0x0000u; });
    FakeLightningOptions options;
    options.threshold = 200;
    options.flash = 0x000000FF; // pure red
    SimpleFlash flash(target, options);
    EXPECT_EQ(flashImageOf(flash, target), (std::vector<uint32_t>{0xF800, 0}));
}

TEST(SimpleFlashTest, ApplyCoversTheWholeTargetAndTheBackupUndoesIt) {
    PixelSurface target(256, 4, PixelFormat::rgb888());
    fillSurface(target, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x * 7 + y); });
    const std::vector<uint32_t> original = allPixels(target);
    FakeLightningOptions options;
    SimpleFlash flash(target, options);
    // The same picture in another surface: what the flash makes of it, known before apply()
    // paints over the target.
    PixelSurface copy(256, 4, PixelFormat::rgb888());
    target.copyRectTo(copy, 0, 0, 256, 4);
    SimpleFlash copyFlash(copy, options);
    const std::vector<uint32_t> image = flashImageOf(copyFlash, copy);
    ASSERT_TRUE(flash.replacesTarget());
    SurfaceBackup backup(target);
    ASSERT_TRUE(flash.saveTarget(backup));
    EXPECT_EQ(backup.area(), (AreaRect{0, 4, 256, 0}));
    flash.apply();
    EXPECT_EQ(allPixels(target), image);
    EXPECT_NE(image, original);
    backup.restore();
    EXPECT_EQ(allPixels(target), original);
}

TEST(FlashAdapterTest, PaintsNothingAndSavesNothing) {
    PixelSurface target(4, 4, PixelFormat::xrgb8888());
    fillSurface(target, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x + 10 * y); });
    const std::vector<uint32_t> original = allPixels(target);
    FlashAdapter flash;
    SurfaceBackup backup(target);
    EXPECT_FALSE(flash.saveTarget(backup));
    EXPECT_TRUE(backup.area().isEmpty());
    flash.apply();
    EXPECT_FALSE(flash.replacesTarget());
    EXPECT_EQ(allPixels(target), original);
}

TEST(SurfaceBackupTest, SavesOnlyThePartOnTheTargetAndPutsExactlyThatBack) {
    PixelSurface target(20, 10, PixelFormat::xrgb8888());
    fillSurface(target, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x + 100 * y); });
    const std::vector<uint32_t> original = allPixels(target);
    SurfaceBackup backup(target);
    backup.save(AreaRect{-5, 4, 3, -2});
    EXPECT_EQ(backup.area(), (AreaRect{0, 4, 3, 0}));
    fillSurface(target, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    backup.restore();
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            const bool saved = x < 3 && y < 4;
            EXPECT_EQ(pixelAt(target, x, y),
                      saved ? original[static_cast<std::size_t>(y * 20 + x)] : 0xFFFFFFFFu);
        }
    }
}

// A whole target is saved by trading pixels with the store, and the trade is always undone: by
// restore(), once, or by clear() and the next save.
TEST(SurfaceBackupTest, AWholeTargetSavedByTradeComesBackOnceAndIsNeverLost) {
    PixelSurface target(20, 10, PixelFormat::xrgb8888());
    fillSurface(target, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x + 100 * y); });
    const std::vector<uint32_t> original = allPixels(target);
    const auto paintOver = [&target] {
        fillSurface(target, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    };
    SurfaceBackup backup(target);

    backup.save(AreaRect{-5, 20, 30, -5});
    EXPECT_EQ(backup.area(), (AreaRect{0, 10, 20, 0}));
    paintOver();
    backup.restore();
    EXPECT_EQ(allPixels(target), original);
    backup.restore(); // a second restore must not bring the painted pixels back
    EXPECT_EQ(allPixels(target), original);

    backup.save(AreaRect{0, 10, 20, 0});
    paintOver();
    backup.clear();
    EXPECT_EQ(allPixels(target), original);
    EXPECT_TRUE(backup.area().isEmpty());

    // A part saved after a trade is copied, and only that part comes back.
    backup.save(AreaRect{0, 10, 20, 0});
    backup.save(AreaRect{0, 2, 2, 0});
    EXPECT_EQ(allPixels(target), original);
    paintOver();
    backup.restore();
    EXPECT_EQ(pixelAt(target, 1, 1), original[21]);
    EXPECT_EQ(pixelAt(target, 5, 5), 0xFFFFFFFFu);
}

TEST(SurfaceBackupTest, RectangleOffTheTargetSavesNothing) {
    PixelSurface target(20, 10, PixelFormat::xrgb8888());
    SurfaceBackup backup(target);
    backup.save(AreaRect{25, 5, 30, 0});
    EXPECT_EQ(backup.area(), (AreaRect{0, 0, 0, 0}));
    backup.restore(); // nothing to put back, and no error
}

TEST(SurfaceBackupTest, FailedSaveLeavesNothingToRestore) {
    PixelSurface target(20, 10, PixelFormat::xrgb8888());
    SurfaceBackup backup(target);
    backup.save(AreaRect{0, 10, 20, 0});
    target.markLost();
    EXPECT_THROW(backup.save(AreaRect{0, 5, 5, 0}), DX5::Error);
    EXPECT_TRUE(backup.area().isEmpty());
}

} // namespace
