#pragma once

#include "display/PixelView.h"
#include "lightning/AlphaTexture.h"
#include "lightning/PixelChannels.h"
#include "lightning/TexturedVertex.h"

#include <array>
#include <cstdint>
#include <span>

// Draws textured triangles into 16-, 24- or 32-bit pixels by adding light: each covered pixel
// gets texel alpha x the triangle's colour added to every channel, clamped at full level. The
// colour is flat, taken from a triangle's first vertex.
//
// Conventions: pixel (x, y) is covered when the point (x, y) lies inside (pixel centres at
// integer coordinates); a point on an edge belongs to the triangle only on a top or left edge,
// so triangles sharing an edge never cover a pixel twice; vertices are snapped to 1/256 pixel;
// triangles that run counter-clockwise on screen (y down) are not drawn; the texel is the
// nearest one, coordinates wrapping around the texture. Everything outside the target is
// clipped.
class TriangleRasterizer {
public:
    // Subpixel precision of the snapped vertices.
    static constexpr int32_t subpixelBits = 8;
    // Triangles reaching further from the origin, in pixels, are skipped rather than drawn with
    // overflowing arithmetic.
    static constexpr double coordinateLimit = 1 << 20;
    // Likewise for texture coordinates, in whole textures.
    static constexpr double textureCoordinateLimit = 1 << 14;

    // Throws DX5::Error for a target it cannot draw into (see canDrawInto). The target holds
    // the part of the plane from (originX, originY) on: a triangle's point (x, y) lands on its
    // pixel (x - originX, y - originY).
    explicit TriangleRasterizer(const Pixels::PixelView& target, int32_t originX = 0,
                                int32_t originY = 0);

    // 16, 24 and 32 bits per pixel; palettes are not drawn into.
    static bool canDrawInto(const Pixels::PixelFormat& format);
    // Whether light is added to every channel as a byte of its own, with a saturating add.
    static bool addsWholeBytes(const Pixels::PixelFormat& format);
    // The error for a format it cannot draw into.
    [[noreturn]] static void refuse(const Pixels::PixelFormat& format);

    // Three indices per triangle; indices past the vertices are an error (std::out_of_range).
    void drawTriangles(std::span<const TexturedVertex> vertices, std::span<const uint32_t> indices,
                       const AlphaTexture& texture);
    void drawTriangle(const TexturedVertex& a, const TexturedVertex& b, const TexturedVertex& c,
                      const AlphaTexture& texture);

private:
    struct Setup;
    // One row's run of covered pixels: its first pixel, the count after it, and the texel
    // coordinates at the first and their change per pixel.
    struct Span {
        uint8_t* pixels;
        int64_t steps;
        double uStart;
        double vStart;
        double uPerX;
        double vPerX;
    };

    void useColour(uint32_t colour);
    template <int BytesPerPixel, bool WholeBytes = false>
    void fillSpans(Setup& setup, const AlphaTexture& texture);
    static void nextRow(Setup& setup);
    template <int BytesPerPixel, bool WholeBytes>
    void fillSpan(const Span& span, const AlphaTexture& texture);
    template <int BytesPerPixel, bool WholeBytes>
    void fillSpanInPairs(const Span& span, const AlphaTexture& texture);
    template <int BytesPerPixel, bool WholeBytes>
    void addLight(uint8_t* pixel, uint8_t alpha) const;

    Pixels::PixelView target_;
    int32_t originX_;
    int32_t originY_;
    PixelChannels channels_;
    // Light added per channel for each alpha, for the colour in use.
    std::array<std::array<uint8_t, 3>, 256> addedLight_{};
    // The same light placed in the target's channel bytes, where every channel is a whole byte.
    std::array<uint32_t, 256> addedBytes_{};
    bool wholeBytes_;
    uint32_t colour_ = 0;
    bool colourSet_ = false;
};
