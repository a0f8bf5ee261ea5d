#include "lightning/TriangleRasterizer.h"

#include "display/DX5Error.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Pixels::PixelFormat;

constexpr int32_t targetWidth = 100;
constexpr int32_t targetHeight = 80;

// Pixels in memory of one format, filled with noise.
struct Target {
    Target(PixelFormat pixelFormat, std::mt19937& random)
        : format(pixelFormat), pitch((targetWidth * pixelFormat.bytesPerPixel() + 3) & ~3),
          bytes(static_cast<std::size_t>(pitch * targetHeight)) {
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(random());
        }
    }

    Pixels::PixelView view() { return {bytes.data(), targetWidth, targetHeight, pitch, format}; }
    uint32_t pixel(int32_t x, int32_t y) const {
        uint32_t value = 0;
        std::memcpy(&value,
                    &bytes[static_cast<std::size_t>(y * pitch + x * format.bytesPerPixel())],
                    static_cast<std::size_t>(format.bytesPerPixel()));
        return value;
    }

    PixelFormat format;
    int32_t pitch;
    std::vector<uint8_t> bytes;
};

// What the slow reference expects of one pixel.
struct ReferencePixel {
    bool covered = false;
    double u = 0; // texel coordinates
    double v = 0;
};

struct Snapped {
    int64_t x, y;
};

Snapped snapped(const TexturedVertex& vertex) {
    return {std::llround(vertex.x * 256.0), std::llround(vertex.y * 256.0)};
}

int64_t edgeValue(Snapped from, Snapped to, int64_t px, int64_t py) {
    return (to.x - from.x) * (py - from.y) - (to.y - from.y) * (px - from.x);
}

// Straight from the definitions: the pixel's centre (x, y) against each edge, owning points on
// top and left edges only, skipping counter-clockwise triangles; texture coordinates from the
// barycentric weights.
ReferencePixel reference(const std::array<TexturedVertex, 3>& t, int32_t x, int32_t y,
                         int32_t textureWidth, int32_t textureHeight) {
    const std::array<Snapped, 3> p = {snapped(t[0]), snapped(t[1]), snapped(t[2])};
    const int64_t area = edgeValue(p[0], p[1], p[2].x, p[2].y);
    ReferencePixel result;
    if (area <= 0) {
        return result;
    }
    std::array<int64_t, 3> weights{};
    for (int i = 0; i < 3; ++i) {
        const Snapped from = p[static_cast<std::size_t>((i + 1) % 3)];
        const Snapped to = p[static_cast<std::size_t>((i + 2) % 3)];
        const int64_t value = edgeValue(from, to, int64_t{x} * 256, int64_t{y} * 256);
        const int64_t dx = to.x - from.x;
        const int64_t dy = to.y - from.y;
        const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
        if (value < 0 || (value == 0 && !topOrLeft)) {
            return result;
        }
        weights[static_cast<std::size_t>(i)] = value;
    }
    result.covered = true;
    for (int i = 0; i < 3; ++i) {
        const double w = static_cast<double>(weights[static_cast<std::size_t>(i)]) / area;
        result.u += w * t[static_cast<std::size_t>(i)].u * textureWidth;
        result.v += w * t[static_cast<std::size_t>(i)].v * textureHeight;
    }
    return result;
}

// The texel indices a coordinate may fairly select: two when it lies on a texel boundary.
std::vector<int64_t> texelCandidates(double coordinate) {
    const double below = std::floor(coordinate);
    std::vector<int64_t> candidates = {static_cast<int64_t>(below)};
    if (coordinate - below < 1e-6) {
        candidates.push_back(static_cast<int64_t>(below) - 1);
    } else if (below + 1 - coordinate < 1e-6) {
        candidates.push_back(static_cast<int64_t>(below) + 1);
    }
    return candidates;
}

uint32_t widen(uint32_t value, int bits) {
    return bits == 8 ? value : bits == 6 ? (value << 2 | value >> 4) : (value << 3 | value >> 2);
}

// The background pixel with light added, written the way each format stores it.
uint32_t lit(const PixelFormat& format, uint32_t old, uint32_t colour, uint32_t alpha) {
    const std::array<uint32_t, 3> masks = {format.redMask, format.greenMask, format.blueMask};
    const std::array<uint32_t, 3> levels = {(colour >> 16) & 0xFF, (colour >> 8) & 0xFF,
                                            colour & 0xFF};
    uint32_t result = old & ~(masks[0] | masks[1] | masks[2]);
    for (std::size_t c = 0; c < 3; ++c) {
        const int shift = __builtin_ctz(masks[c]);
        const int bits = __builtin_popcount(masks[c]);
        const uint32_t level = widen((old & masks[c]) >> shift, bits);
        const uint32_t sum = std::min<uint32_t>(level + (levels[c] * alpha + 127) / 255, 255);
        result |= (sum >> (8 - bits)) << shift;
    }
    return result;
}

class TriangleRasterizerTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    AlphaTexture noiseTexture(int32_t width, int32_t height) {
        std::vector<uint8_t> alpha(static_cast<std::size_t>(width * height));
        for (uint8_t& value : alpha) {
            value = static_cast<uint8_t>(random() % 4 == 0 ? 0 : random());
        }
        return AlphaTexture(width, height, std::move(alpha));
    }

    float coordinate(float low, float high) {
        // A third of the points on whole or half pixels, where the fill rule decides.
        const float value = std::uniform_real_distribution<float>(low, high)(random);
        switch (random() % 3) {
        case 0:
            return std::round(value);
        case 1:
            return std::round(value * 2) / 2;
        default:
            return value;
        }
    }

    TexturedVertex vertex(uint32_t colour) {
        TexturedVertex vertex;
        vertex.x = coordinate(-40, targetWidth + 40);
        vertex.y = coordinate(-40, targetHeight + 40);
        vertex.u = std::uniform_real_distribution<float>(-2, 2)(random);
        vertex.v = std::uniform_real_distribution<float>(-2, 2)(random);
        vertex.colour = colour;
        return vertex;
    }

    std::mt19937 random{20261207};
};

TEST_P(TriangleRasterizerTest, MatchesThePerPixelReferenceOnRandomTriangles) {
    const PixelFormat format = GetParam();
    const AlphaTexture texture = noiseTexture(16, 8);
    int drawn = 0;
    for (int round = 0; round < 200; ++round) {
        Target target(format, random);
        const Target before = target;
        const uint32_t colour = 0xFF000000u | (random() & 0xFFFFFFu);
        const std::array<TexturedVertex, 3> triangle = {vertex(colour), vertex(colour),
                                                        vertex(colour)};
        TriangleRasterizer(target.view())
            .drawTriangle(triangle[0], triangle[1], triangle[2], texture);
        for (int32_t y = 0; y < targetHeight; ++y) {
            for (int32_t x = 0; x < targetWidth; ++x) {
                const ReferencePixel expected =
                    reference(triangle, x, y, texture.width(), texture.height());
                const uint32_t old = before.pixel(x, y);
                const uint32_t actual = target.pixel(x, y);
                if (!expected.covered) {
                    ASSERT_EQ(actual, old) << "round " << round << " at " << x << ", " << y;
                    continue;
                }
                ++drawn;
                bool matches = false;
                for (const int64_t u : texelCandidates(expected.u)) {
                    for (const int64_t v : texelCandidates(expected.v)) {
                        matches = matches || actual == lit(format, old, colour, texture.at(u, v));
                    }
                }
                ASSERT_TRUE(matches) << "round " << round << " at " << x << ", " << y;
            }
        }
    }
    EXPECT_GT(drawn, 5000); // the triangles did reach the target
}

TEST_P(TriangleRasterizerTest, TrianglesSharingAnEdgeCoverEachPixelOnce) {
    const PixelFormat format = GetParam();
    const AlphaTexture solid(1, 1, {255});
    for (int round = 0; round < 100; ++round) {
        Target target(format, random);
        std::fill(target.bytes.begin(), target.bytes.end(), 0);
        // A fan of triangles around one inner point, covering a convex quad exactly once.
        std::array<TexturedVertex, 4> corners;
        const float cx = coordinate(30, 70);
        const float cy = coordinate(25, 55);
        const std::array<std::pair<float, float>, 4> directions = {
            std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}};
        for (std::size_t i = 0; i < 4; ++i) {
            corners[i].x = cx + directions[i].first * coordinate(5, 60);
            corners[i].y = cy + directions[i].second * coordinate(5, 50);
            corners[i].colour = 0xFF080808u;
        }
        TexturedVertex centre;
        centre.x = cx;
        centre.y = cy;
        centre.colour = 0xFF080808u;
        TriangleRasterizer rasterizer(target.view());
        for (std::size_t i = 0; i < 4; ++i) {
            rasterizer.drawTriangle(centre, corners[i], corners[(i + 1) % 4], solid);
        }
        for (int32_t y = 0; y < targetHeight; ++y) {
            for (int32_t x = 0; x < targetWidth; ++x) {
                const uint32_t pixel = target.pixel(x, y);
                ASSERT_TRUE(pixel == 0 || pixel == lit(format, 0, 0xFF080808u, 255))
                    << "round " << round << " at " << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, TriangleRasterizerTest,
                         ::testing::Values(PixelFormat::xrgb8888(), PixelFormat::rgb888(),
                                           PixelFormat::rgb565()));

TEST(TriangleRasterizerRulesTest, FarAwayOrBrokenVerticesAreSkipped) {
    std::mt19937 random(7);
    Target target(PixelFormat::xrgb8888(), random);
    const Target before = target;
    const AlphaTexture solid(1, 1, {255});
    TexturedVertex a{-1e9f, -1e9f, 0, 0, 0xFFFFFFFF, 0, 0, 0};
    TexturedVertex b{1e9f, 0, 0, 0, 0xFFFFFFFF, 0, 0, 0};
    TexturedVertex c{0, 1e9f, 0, 0, 0xFFFFFFFF, 0, 0, 0};
    TexturedVertex broken{NAN, 0, 0, 0, 0xFFFFFFFF, 0, 0, 0};
    TriangleRasterizer rasterizer(target.view());
    rasterizer.drawTriangle(a, b, c, solid);
    rasterizer.drawTriangle(broken, b, c, solid);
    EXPECT_EQ(target.bytes, before.bytes);
}

TEST(TriangleRasterizerRulesTest, IndicesPastTheVerticesAreRefused) {
    std::mt19937 random(7);
    Target target(PixelFormat::xrgb8888(), random);
    const AlphaTexture solid(1, 1, {255});
    const std::vector<TexturedVertex> vertices(3);
    const std::vector<uint32_t> indices = {0, 1, 3};
    EXPECT_THROW(TriangleRasterizer(target.view()).drawTriangles(vertices, indices, solid),
                 std::out_of_range);
}

TEST(TriangleRasterizerRulesTest, PalettedTargetsAreRefused) {
    uint8_t pixel = 0;
    EXPECT_THROW(TriangleRasterizer(Pixels::PixelView{&pixel, 1, 1, 4, PixelFormat::indexed8()}),
                 DX5::Error);
}

} // namespace
