#include "lightning/LightningView.h"

#include "LightningFakes.h"
#include "display/DX5Error.h"
#include "display/SurfacePixels.h"
#include "lightning/LightningTexture.h"
#include "resources/EmbeddedResources.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace {

using Pixels::PixelFormat;
using Pixels::PixelSurface;

constexpr int32_t width = 160;
constexpr int32_t height = 120;

// A dim background with a white band in rows 100..109, so that a flash lights only the band.
// Pixels are written with as many bytes as the format has, so white is white in every format.
uint32_t background(int32_t x, int32_t y) {
    if (y >= 100 && y < 110) {
        return 0x00FFFFFFu;
    }
    return static_cast<uint32_t>((x + y) % 40) * 0x010101u;
}

std::vector<Pixels::PixelRect> asVector(std::span<const Pixels::PixelRect> rects) {
    return {rects.begin(), rects.end()};
}

class LightningViewTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    LightningViewTest() : target(width, height, GetParam()) {
        fillSurface(target, background);
        clean = allPixels(target);
        // A bolt down the middle that bends left and leaves through the bottom edge.
        bolt = boltThrough({{{80, 0}, {80, 40}, {60, 80}, {62, 130}}});
    }

    std::unique_ptr<LightningView> makeView() {
        auto view = std::make_unique<LightningView>(target, options);
        view->setLightning(bolt.get());
        return view;
    }

    PixelSurface target;
    FakeLightningOptions options;
    std::unique_ptr<Lightning> bolt;
    std::vector<uint32_t> clean;
};

TEST_P(LightningViewTest, VisibleBoltPaintsOnlyInsideItsBandsAndIsPutBack) {
    options.flashes = false;
    const auto view = makeView();
    bolt->setBoltVisible(true);
    const std::vector<Pixels::PixelRect> painted = asVector(view->draw());
    ASSERT_FALSE(painted.empty());
    // Bands of whole rows, inside the bounding box, narrower than it where the bolt bends.
    const Pixels::PixelRect box =
        areaOf(intersect(view->mesh()->boundingBox(), AreaRect{0, height, width, 0}));
    int64_t bandPixels = 0;
    for (std::size_t i = 0; i < painted.size(); ++i) {
        EXPECT_TRUE(box.contains(painted[i]));
        if (i > 0) {
            EXPECT_LE(painted[i - 1].bottom, painted[i].top);
        }
        bandPixels +=
            int64_t{painted[i].right - painted[i].left} * (painted[i].bottom - painted[i].top);
    }
    EXPECT_LT(bandPixels, int64_t{box.right - box.left} * (box.bottom - box.top));
    const std::vector<uint32_t> lit = allPixels(target);
    int changedPixels = 0;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const auto at = static_cast<std::size_t>(y * width + x);
            if (lit[at] != clean[at]) {
                ++changedPixels;
                EXPECT_TRUE(std::any_of(painted.begin(), painted.end(),
                                        [&](const Pixels::PixelRect& band) {
                                            return band.contains({x, y, x + 1, y + 1});
                                        }))
                    << "pixel " << x << ", " << y << " changed outside the bands";
            }
        }
    }
    EXPECT_GT(changedPixels, 0);
    // The core along the first segment is lit.
    EXPECT_NE(pixelAt(target, 80, 20), clean[20 * width + 80]);
    EXPECT_EQ(asVector(view->restore()), painted);
    EXPECT_EQ(allPixels(target), clean);
    EXPECT_TRUE(view->restore().empty());
}

TEST_P(LightningViewTest, FlashCoversTheWholeTargetWithoutASeparateBoltBackup) {
    const auto view = makeView();
    bolt->setBoltVisible(true);
    bolt->setFlashOn(true);
    EXPECT_EQ(asVector(view->draw()),
              (std::vector<Pixels::PixelRect>{Pixels::PixelRect{0, 0, width, height}}));
    // The band is lit (white flash, bolt light added on top where they meet), the rest black
    // except where the bolt glows.
    EXPECT_EQ(pixelAt(target, 5, 105), pixelAt(target, 150, 105));
    EXPECT_EQ(pixelAt(target, 5, 5), 0u);
    EXPECT_NE(pixelAt(target, 80, 20), 0u);
    EXPECT_EQ(asVector(view->restore()),
              (std::vector<Pixels::PixelRect>{Pixels::PixelRect{0, 0, width, height}}));
    EXPECT_EQ(allPixels(target), clean);
}

TEST_P(LightningViewTest, BoltsOffFlashesOnPaintsOnlyTheFlash) {
    options.bolts = false;
    const auto view = makeView();
    bolt->setBoltVisible(true);
    bolt->setFlashOn(true);
    view->draw();
    EXPECT_EQ(pixelAt(target, 80, 20), 0u);
    EXPECT_NE(pixelAt(target, 80, 105), 0u);
    view->restore();
    EXPECT_EQ(allPixels(target), clean);
}

TEST_P(LightningViewTest, FlashesOffAndBoltInvisibleLeaveEverythingAlone) {
    options.flashes = false;
    const auto view = makeView();
    bolt->setFlashOn(true); // the flag runs its course, but there is nothing to paint
    EXPECT_TRUE(view->draw().empty());
    EXPECT_EQ(allPixels(target), clean);
    EXPECT_TRUE(view->restore().empty());
}

TEST_P(LightningViewTest, InvisibleBoltWithoutFlashRestoresNothing) {
    const auto view = makeView();
    bolt->setBoltVisible(true);
    view->draw();
    view->restore();
    bolt->setBoltVisible(false);
    fillSurface(target, [](int32_t x, int32_t) { return static_cast<uint32_t>(x); });
    const std::vector<uint32_t> nextRain = allPixels(target);
    EXPECT_TRUE(view->draw().empty());
    EXPECT_TRUE(view->restore().empty());
    EXPECT_EQ(allPixels(target), nextRain);
}

TEST_P(LightningViewTest, NewFlashShowsTheNewBackground) {
    const auto view = makeView();
    fillSurface(target, [](int32_t x, int32_t) { return x < 10 ? 0x00FFFFFFu : 0u; });
    view->createFlash();
    options.bolts = false;
    bolt->setFlashOn(true);
    view->draw();
    EXPECT_NE(pixelAt(target, 5, 105), 0u);
    EXPECT_EQ(pixelAt(target, 50, 105), 0u); // the old bright band is dark now
}

// While the flash stays lit only the bolt's bands change as it flickers, and every frame is
// what a view painting both afresh shows.
TEST_P(LightningViewTest, ABoltFlickeringOverALitFlashLooksAsIfPaintedAfresh) {
    const auto view = makeView();
    PixelSurface reference(width, height, GetParam());
    fillSurface(reference, background);
    LightningView fresh(reference, options);
    fresh.setLightning(bolt.get());
    bolt->setFlashOn(true);
    bolt->setBoltVisible(true);
    view->draw();
    const Pixels::PixelRect whole{0, 0, width, height};
    bool wasVisible = true;
    for (const bool visible : {false, false, true, true, false, true}) {
        bolt->setBoltVisible(visible);
        const std::vector<Pixels::PixelRect> changed = asVector(view->draw());
        if (visible == wasVisible) {
            EXPECT_TRUE(changed.empty());
        } else {
            ASSERT_FALSE(changed.empty());
            EXPECT_TRUE(std::none_of(changed.begin(), changed.end(),
                                     [&](const Pixels::PixelRect& area) { return area == whole; }));
        }
        wasVisible = visible;
        fresh.draw();
        EXPECT_EQ(allPixels(target), allPixels(reference)) << "bolt visible " << visible;
        fresh.restore();
    }
    EXPECT_EQ(asVector(view->restore()), std::vector<Pixels::PixelRect>{whole});
    EXPECT_EQ(allPixels(target), clean);
}

// Rain drawn while the flash covers the target goes under the flash, and is what the target
// shows once the flash ends.
TEST_P(LightningViewTest, RainDrawnUnderALitFlashShowsWhenItEnds) {
    options.bolts = false;
    const auto view = makeView();
    EXPECT_EQ(&view->rainLayer(), &target);
    bolt->setFlashOn(true);
    view->draw();
    const std::vector<uint32_t> flash = allPixels(target);
    PixelSurface& rain = view->rainLayer();
    ASSERT_NE(&rain, &target);
    const auto nextRain = [](int32_t x, int32_t y) { return static_cast<uint32_t>(x * y % 200); };
    fillSurface(rain, nextRain);
    EXPECT_TRUE(view->draw().empty());
    EXPECT_EQ(allPixels(target), flash);
    bolt->setFlashOn(false);
    EXPECT_EQ(asVector(view->draw()),
              (std::vector<Pixels::PixelRect>{Pixels::PixelRect{0, 0, width, height}}));
    PixelSurface expected(width, height, GetParam());
    fillSurface(expected, nextRain);
    EXPECT_EQ(allPixels(target), allPixels(expected));
    EXPECT_EQ(&view->rainLayer(), &target);
}

INSTANTIATE_TEST_SUITE_P(Formats, LightningViewTest,
                         ::testing::Values(PixelFormat::xrgb8888(), PixelFormat::rgb888(),
                                           PixelFormat::rgb565()));

TEST(LightningViewSetupTest, PalettedTargetIsRefused) {
    PixelSurface target(16, 16, PixelFormat::indexed8());
    FakeLightningOptions options;
    EXPECT_THROW(LightningView(target, options), DX5::Error);
}

TEST(LightningTextureTest, BuiltInTextureIsARunLengthEncodedGlowAroundABrightCore) {
    const auto file = Resources::findResource("BITMAP", "IDB_LIGHTNING_TEXTURE");
    ASSERT_GT(file.size(), 54u);
    // Windows keeps a bitmap resource without the file's own 14-byte header.
    const std::size_t fileHeader = file[0] == 'B' && file[1] == 'M' ? 14 : 0;
    EXPECT_EQ(file[fileHeader + 16], 1); // BI_RLE8
    EXPECT_EQ(file[fileHeader + 14], 8);

    const AlphaTexture texture = loadLightningTexture();
    ASSERT_EQ(texture.width(), 256);
    ASSERT_EQ(texture.height(), 64);
    for (const int32_t column : {0, 100, 213, 214, 227}) {
        for (int32_t row = 26; row < 38; ++row) {
            EXPECT_GE(texture.at(column, row), 150) << column << ", " << row;
        }
        // The glow fades out symmetrically towards the outer rows.
        for (int32_t row = 1; row < 26; ++row) {
            EXPECT_LE(texture.at(column, row - 1), texture.at(column, row)) << column;
            EXPECT_EQ(texture.at(column, row), texture.at(column, 63 - row)) << column;
        }
        EXPECT_LE(texture.at(column, 0), 2);
        EXPECT_GT(texture.at(column, 20), 10);
    }
    // The tip: the last column is nearly dark even in the core.
    EXPECT_LT(texture.at(255, 32), 20);
}

} // namespace
