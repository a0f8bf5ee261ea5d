#include "lightning/BoltLight.h"

#include "LightningFakes.h"
#include "lightning/LightningTexture.h"
#include "lightning/TriangleRasterizer.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Pixels::PixelFormat;

constexpr int32_t width = 200;
constexpr int32_t height = 150;

struct Picture {
    Picture(const PixelFormat& layout, std::mt19937& random)
        : format(layout), pitch((width * layout.bytesPerPixel() + 3) / 4 * 4),
          bytes(static_cast<std::size_t>(pitch * height)) {
        // Mostly bright, so that the light saturates often.
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(random() % 2 == 0 ? 255 - random() % 48 : random());
        }
    }
    Pixels::PixelView view() { return {bytes.data(), width, height, pitch, format}; }

    PixelFormat format;
    int32_t pitch;
    std::vector<uint8_t> bytes;
};

TEST(BoltLightTest, AddsExactlyWhatDrawingEveryTriangleOverThePictureAdds) {
    const AlphaTexture texture = loadLightningTexture();
    std::mt19937 random(11);
    // Branches that cross and bend back over each other, and leave the picture on three sides.
    const auto bolt = boltThrough({{{100, -20}, {90, 40}, {130, 70}, {60, 110}, {110, 190}},
                                   {{90, 40}, {20, 60}, {-30, 45}},
                                   {{130, 70}, {180, 80}, {240, 120}}},
                                  5.0f, 0x0040C0FF);
    const LightningMesh mesh(*bolt);
    const std::vector<AreaRect> bands = mesh.bandsWithin(AreaRect{0, height, width, 0});
    for (const PixelFormat& format : {PixelFormat::xrgb8888(), PixelFormat::rgb888(),
                                      PixelFormat{32, 0x000000FF, 0x0000FF00, 0x00FF0000},
                                      PixelFormat{24, 0x000000FF, 0x0000FF00, 0x00FF0000}}) {
        ASSERT_TRUE(BoltLight::canLight(format));
        Picture drawn(format, random);
        Picture lit = drawn;
        TriangleRasterizer(drawn.view()).drawTriangles(mesh.vertices(), mesh.indices(), texture);
        BoltLight(mesh, bands, format, texture).addTo(lit.view());
        ASSERT_EQ(lit.bytes, drawn.bytes)
            << format.bitsPerPixel << " bits, red mask " << std::hex << format.redMask;
    }
}

TEST(BoltLightTest, OnlyWholeByteChannelsOfWidePixels) {
    EXPECT_FALSE(BoltLight::canLight(PixelFormat::rgb565()));
    EXPECT_FALSE(BoltLight::canLight(PixelFormat{16, 0x7C00, 0x03E0, 0x001F}));
    EXPECT_FALSE(BoltLight::canLight(PixelFormat{32, 0x3FF00000, 0x000FFC00, 0x000003FF}));
}

} // namespace
