#include "display/PixelSurface.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "images/Bitmap.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Pixels::PixelFormat;
using Pixels::PixelSurface;

uint32_t pixel32(PixelSurface& surface, int32_t x, int32_t y) {
    const PixelBufferDesc desc = surface.lock();
    uint32_t value = 0;
    std::memcpy(&value, desc.pixels + y * desc.pitch + x * 4, 4);
    surface.unlock();
    return value;
}

uint16_t pixel16(PixelSurface& surface, int32_t x, int32_t y) {
    const PixelBufferDesc desc = surface.lock();
    uint16_t value = 0;
    std::memcpy(&value, desc.pixels + y * desc.pitch + x * 2, 2);
    surface.unlock();
    return value;
}

// Each pixel of a 32-bit surface holds its own position, so a copy shows where it came from.
void fillWithPositions(PixelSurface& surface) {
    const PixelBufferDesc desc = surface.lock();
    for (int32_t y = 0; y < desc.height; ++y) {
        for (int32_t x = 0; x < desc.width; ++x) {
            const uint32_t value = static_cast<uint32_t>(y << 8 | x) + 0x10000;
            std::memcpy(desc.pixels + y * desc.pitch + x * 4, &value, 4);
        }
    }
    surface.unlock();
}

uint32_t position(int32_t x, int32_t y) {
    return static_cast<uint32_t>(y << 8 | x) + 0x10000;
}

void setBgr(Graphics::Bitmap& picture, int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r) {
    uint8_t* at = picture.row(y) + x * 3;
    at[0] = b;
    at[1] = g;
    at[2] = r;
}

// 2 x 2: red, green / blue, white.
Graphics::Bitmap fourColours() {
    Graphics::Bitmap picture(2, 2);
    setBgr(picture, 0, 0, 0, 0, 255);
    setBgr(picture, 1, 0, 0, 255, 0);
    setBgr(picture, 0, 1, 255, 0, 0);
    setBgr(picture, 1, 1, 255, 255, 255);
    return picture;
}

TEST(PixelSurfaceTest, LockDescribesPaddedRows) {
    PixelSurface surface(3, 2, PixelFormat::rgb888());
    const PixelBufferDesc desc = surface.lock();
    EXPECT_EQ(desc.bitsPerPixel, 24);
    EXPECT_EQ(desc.width, 3);
    EXPECT_EQ(desc.height, 2);
    EXPECT_EQ(desc.pitch, 12);
    EXPECT_NE(desc.pixels, nullptr);
}

TEST(PixelSurfaceTest, ImpossibleShapesAreRefused) {
    EXPECT_THROW(PixelSurface(0, 10, PixelFormat::xrgb8888()), DX5::Error);
    EXPECT_THROW(PixelSurface(10, 10, PixelFormat{12, 0, 0, 0}), DX5::Error);
}

TEST(SurfaceCopyTest, CopyToAtClipsAtEveryEdge) {
    PixelSurface source(4, 4, PixelFormat::xrgb8888());
    PixelSurface target(4, 4, PixelFormat::xrgb8888());
    fillWithPositions(source);

    source.copyToAt(target, -2, 3);
    EXPECT_EQ(pixel32(target, 0, 3), position(2, 0));
    EXPECT_EQ(pixel32(target, 1, 3), position(3, 0));
    EXPECT_EQ(pixel32(target, 2, 3), 0u);
    EXPECT_EQ(pixel32(target, 0, 2), 0u);
}

TEST(SurfaceCopyTest, CopyToAtCopiesTheWholeSurfaceUnscaled) {
    PixelSurface source(2, 2, PixelFormat::xrgb8888());
    PixelSurface target(5, 5, PixelFormat::xrgb8888());
    fillWithPositions(source);

    source.copyToAt(target, 2, 2);
    EXPECT_EQ(pixel32(target, 2, 2), position(0, 0));
    EXPECT_EQ(pixel32(target, 3, 3), position(1, 1));
    EXPECT_EQ(pixel32(target, 4, 4), 0u);
}

TEST(SurfaceCopyTest, FarAwayPositionsCopyNothing) {
    PixelSurface source(2, 2, PixelFormat::xrgb8888());
    PixelSurface target(2, 2, PixelFormat::xrgb8888());
    fillWithPositions(source);
    source.copyToAt(target, INT32_MAX, INT32_MIN);
    source.copyRectTo(target, INT32_MIN, INT32_MIN, INT32_MIN + 1, INT32_MAX);
    EXPECT_EQ(pixel32(target, 0, 0), 0u);
}

TEST(SurfaceCopyTest, CopyRectToExcludesRightAndBottomAndClipsToTheSmallerSurface) {
    PixelSurface source(4, 4, PixelFormat::xrgb8888());
    PixelSurface target(3, 3, PixelFormat::xrgb8888());
    fillWithPositions(source);

    source.copyRectTo(target, 1, 1, 5, 3);
    EXPECT_EQ(pixel32(target, 1, 1), position(1, 1));
    EXPECT_EQ(pixel32(target, 2, 2), position(2, 2));
    EXPECT_EQ(pixel32(target, 0, 1), 0u);
    EXPECT_EQ(pixel32(target, 1, 0), 0u);
}

TEST(SurfaceCopyTest, OverlappingCopyWithinOneSurfaceReadsTheOriginalPixels) {
    PixelSurface surface(3, 3, PixelFormat::xrgb8888());
    fillWithPositions(surface);
    surface.copyToAt(surface, 1, 1);
    EXPECT_EQ(pixel32(surface, 1, 1), position(0, 0));
    EXPECT_EQ(pixel32(surface, 2, 2), position(1, 1));
    EXPECT_EQ(pixel32(surface, 2, 1), position(1, 0));
}

TEST(SurfaceCopyTest, CopyToConvertsBetweenPixelFormats) {
    PixelSurface source(2, 2, PixelFormat::xrgb8888());
    PixelSurface target(2, 2, PixelFormat::rgb565());
    const PixelBufferDesc desc = source.lock();
    const uint32_t green = 0x0000FF00;
    std::memcpy(desc.pixels, &green, 4);
    source.unlock();

    source.copyTo(target);
    EXPECT_EQ(pixel16(target, 0, 0), 0x07E0);
    EXPECT_EQ(pixel16(target, 1, 1), 0);
}

TEST(SurfaceStretchTest, ColoursLandInTheirChannelsAt32Bits) {
    PixelSurface surface(4, 4, PixelFormat::xrgb8888());
    surface.stretchFrom(fourColours());
    EXPECT_EQ(pixel32(surface, 0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixel32(surface, 3, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pixel32(surface, 0, 3) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(pixel32(surface, 3, 3) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(SurfaceStretchTest, ColoursLandInTheirChannelsAt16Bits) {
    PixelSurface surface(4, 4, PixelFormat::rgb565());
    surface.stretchFrom(fourColours());
    EXPECT_EQ(pixel16(surface, 0, 0), 0xF800);
    EXPECT_EQ(pixel16(surface, 3, 0), 0x07E0);
    EXPECT_EQ(pixel16(surface, 0, 3), 0x001F);
    EXPECT_EQ(pixel16(surface, 3, 3), 0xFFFF);
}

// On Windows the system's halftone stretch scales, and how it blends is the system's own (under
// Wine it does not blend at all); there the scaling is only run.
#ifdef _WIN32
#define SKIP_WHERE_THE_SYSTEM_SCALES() GTEST_SKIP() << "the system's own blending"
#else
#define SKIP_WHERE_THE_SYSTEM_SCALES()
#endif

TEST(SurfaceStretchTest, EnlargingBlendsBetweenNeighbours) {
    Graphics::Bitmap picture(2, 1);
    setBgr(picture, 1, 0, 0, 0, 255);
    PixelSurface surface(4, 1, PixelFormat::xrgb8888());
    surface.stretchFrom(picture);
    SKIP_WHERE_THE_SYSTEM_SCALES();
    const uint32_t innerLeft = (pixel32(surface, 1, 0) >> 16) & 0xFF;
    const uint32_t innerRight = (pixel32(surface, 2, 0) >> 16) & 0xFF;
    EXPECT_GT(innerLeft, 0u);
    EXPECT_LT(innerLeft, innerRight);
    EXPECT_LT(innerRight, 255u);
}

TEST(SurfaceStretchTest, ShrinkingAveragesTheWholeArea) {
    // Interpolating at the centre would miss the one red pixel at the edge entirely.
    Graphics::Bitmap picture(4, 1);
    setBgr(picture, 0, 0, 0, 0, 255);
    PixelSurface surface(1, 1, PixelFormat::xrgb8888());
    surface.stretchFrom(picture);
    SKIP_WHERE_THE_SYSTEM_SCALES();
    const uint32_t red = (pixel32(surface, 0, 0) >> 16) & 0xFF;
    EXPECT_NEAR(red, 64, 2);
}

TEST(SurfaceStretchTest, StretchToScalesBetweenSurfaces) {
    PixelSurface small(2, 2, PixelFormat::rgb565());
    small.stretchFrom(fourColours());
    PixelSurface large(6, 6, PixelFormat::xrgb8888());
    small.stretchTo(large);
    EXPECT_EQ(pixel32(large, 0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixel32(large, 5, 5) & 0xFFFFFF, 0xFFFFFFu);
}

void expectCode(int32_t code, const std::function<void()>& operation) {
    try {
        operation();
        ADD_FAILURE() << "no error raised";
    } catch (const DX5::Error& error) {
        EXPECT_EQ(error.code(), code);
    }
}

TEST(SurfaceLostTest, EveryOperationFailsWithSurfaceLostUntilRestored) {
    PixelSurface lost(2, 2, PixelFormat::xrgb8888());
    PixelSurface healthy(2, 2, PixelFormat::xrgb8888());
    lost.markLost();

    EXPECT_TRUE(lost.isLost());
    EXPECT_EQ(lost.bltStatus(), DX5::DDERR_SURFACELOST);
    expectCode(DX5::DDERR_SURFACELOST, [&] { lost.lock(); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { lost.copyTo(healthy); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { healthy.copyTo(lost); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { healthy.copyRectTo(lost, 0, 0, 1, 1); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { lost.copyToAt(healthy, 0, 0); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { lost.stretchTo(healthy); });
    expectCode(DX5::DDERR_SURFACELOST, [&] { lost.stretchFrom(fourColours()); });

    lost.restore();
    EXPECT_FALSE(lost.isLost());
    EXPECT_NO_THROW(lost.copyTo(healthy));
}

TEST(SurfaceLostTest, RestoringKeepsThePixels) {
    PixelSurface surface(2, 2, PixelFormat::xrgb8888());
    fillWithPositions(surface);
    surface.markLost();
    surface.restore();
    EXPECT_EQ(pixel32(surface, 1, 1), position(1, 1));
}

TEST(SurfaceLostTest, ADeviceLossReachesEverySurfaceOfTheDevice) {
    auto epoch = std::make_shared<Pixels::SurfaceLossEpoch>();
    PixelSurface first(1, 1, PixelFormat::xrgb8888(), epoch);
    PixelSurface second(1, 1, PixelFormat::xrgb8888(), epoch);
    epoch->loseAllSurfaces();
    EXPECT_TRUE(first.isLost());
    EXPECT_TRUE(second.isLost());
    first.restore();
    EXPECT_FALSE(first.isLost());
    EXPECT_TRUE(second.isLost());
}

TEST(SurfaceLockTest, LockedSurfacesAreBusy) {
    PixelSurface surface(2, 2, PixelFormat::xrgb8888());
    PixelSurface other(2, 2, PixelFormat::xrgb8888());
    surface.lock();
    EXPECT_EQ(surface.bltStatus(), DX5::DDERR_SURFACEBUSY);
    expectCode(DX5::DDERR_SURFACEBUSY, [&] { surface.lock(); });
    expectCode(DX5::DDERR_SURFACEBUSY, [&] { other.copyTo(surface); });
    surface.unlock();
    EXPECT_EQ(surface.bltStatus(), DX5::DD_OK);
    EXPECT_NO_THROW(other.copyTo(surface));
}

} // namespace
