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

    // Throws DX5::Error for a target it cannot draw into (see canDrawInto).
    explicit TriangleRasterizer(const Pixels::PixelView& target);

    // 16, 24 and 32 bits per pixel; palettes are not drawn into.
    static bool canDrawInto(const Pixels::PixelFormat& format);
    // The error for a format it cannot draw into.
    [[noreturn]] static void refuse(const Pixels::PixelFormat& format);

    // Three indices per triangle; indices past the vertices are an error (std::out_of_range).
    void drawTriangles(std::span<const TexturedVertex> vertices, std::span<const uint32_t> indices,
                       const AlphaTexture& texture);
    void drawTriangle(const TexturedVertex& a, const TexturedVertex& b, const TexturedVertex& c,
                      const AlphaTexture& texture);

private:
    struct Setup;
    void useColour(uint32_t colour);
    template <int BytesPerPixel> void fillSpans(const Setup& setup, const AlphaTexture& texture);

    Pixels::PixelView target_;
    PixelChannels channels_;
    // Light added per channel for each alpha, for the colour in use.
    std::array<std::array<uint8_t, 3>, 256> addedLight_{};
    uint32_t colour_ = 0;
    bool colourSet_ = false;
};
