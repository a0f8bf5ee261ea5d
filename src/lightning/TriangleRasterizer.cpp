#include "lightning/TriangleRasterizer.h"

#include "display/DX5Error.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int64_t subpixels = int64_t{1} << TriangleRasterizer::subpixelBits;

int64_t floorDiv(int64_t numerator, int64_t positiveDenominator) {
    const int64_t quotient = numerator / positiveDenominator;
    return quotient * positiveDenominator > numerator ? quotient - 1 : quotient;
}

int64_t ceilDiv(int64_t numerator, int64_t positiveDenominator) {
    return -floorDiv(-numerator, positiveDenominator);
}

// Added to texel coordinates so that they stay positive, where truncation is the floor; a
// multiple of every texture side, so the texel picked is the same.
constexpr double texelOffset = 1 << 24;

bool isUsable(const TexturedVertex& vertex) {
    const auto within = [](double value, double limit) {
        return std::isfinite(value) && std::fabs(value) <= limit;
    };
    return within(vertex.x, TriangleRasterizer::coordinateLimit) &&
           within(vertex.y, TriangleRasterizer::coordinateLimit) &&
           within(vertex.u, TriangleRasterizer::textureCoordinateLimit) &&
           within(vertex.v, TriangleRasterizer::textureCoordinateLimit);
}

struct SnappedPoint {
    int64_t x;
    int64_t y;
};

SnappedPoint snap(const TexturedVertex& vertex) {
    return {std::llround(static_cast<double>(vertex.x) * subpixels),
            std::llround(static_cast<double>(vertex.y) * subpixels)};
}

// Where pixels of a row are inside one edge: E(x) = rowValue - step x >= 0.
struct Edge {
    int64_t dx;
    int64_t dy;
    int64_t fromX;
    int64_t fromY;
    // -1 on edges that do not own the points lying on them.
    int64_t bias;

    Edge(SnappedPoint from, SnappedPoint to)
        : dx(to.x - from.x), dy(to.y - from.y), fromX(from.x), fromY(from.y),
          bias(isTopOrLeft() ? 0 : -1) {}

    // With y down and clockwise triangles, the inside lies right of the edge's direction: a
    // left edge runs upward, a top edge runs right.
    bool isTopOrLeft() const { return dy < 0 || (dy == 0 && dx > 0); }

    // Narrows [first, last] to the pixels of row y inside this edge.
    void clipRow(int64_t y, int64_t& first, int64_t& last) const {
        const int64_t rowValue = dx * (y * subpixels - fromY) + dy * fromX + bias;
        const int64_t step = dy * subpixels;
        if (step == 0) {
            if (rowValue < 0) {
                last = first - 1;
            }
        } else if (step > 0) {
            last = std::min(last, floorDiv(rowValue, step));
        } else {
            first = std::max(first, ceilDiv(-rowValue, -step));
        }
    }
};

// A texture coordinate in texels as a linear function of the pixel position.
struct TexelPlane {
    double atOrigin;
    double perX;
    double perY;
    double originX;
    double originY;

    double at(double x, double y) const {
        return atOrigin + perX * (x - originX) + perY * (y - originY);
    }
};

TexelPlane planeThrough(const std::array<SnappedPoint, 3>& p, const std::array<double, 3>& t,
                        double doubleArea) {
    const auto px = [&](int i) { return static_cast<double>(p[i].x) / subpixels; };
    const auto py = [&](int i) { return static_cast<double>(p[i].y) / subpixels; };
    const double dx1 = px(1) - px(0);
    const double dy1 = py(1) - py(0);
    const double dx2 = px(2) - px(0);
    const double dy2 = py(2) - py(0);
    const double dt1 = t[1] - t[0];
    const double dt2 = t[2] - t[0];
    return {t[0], (dt1 * dy2 - dy1 * dt2) / doubleArea, (dx1 * dt2 - dt1 * dx2) / doubleArea, px(0),
            py(0)};
}

template <int BytesPerPixel> uint32_t readPixel(const uint8_t* at) {
    uint32_t pixel = 0;
    std::memcpy(&pixel, at, BytesPerPixel);
    return pixel;
}

template <int BytesPerPixel> void writePixel(uint8_t* at, uint32_t pixel) {
    std::memcpy(at, &pixel, BytesPerPixel);
}

} // namespace

struct TriangleRasterizer::Setup {
    std::array<Edge, 3> edges;
    int64_t firstRow;
    int64_t lastRow;
    int64_t firstColumn;
    int64_t lastColumn;
    TexelPlane u;
    TexelPlane v;
};

TriangleRasterizer::TriangleRasterizer(const Pixels::PixelView& target)
    : target_(target), channels_(target.format) {
    if (!canDrawInto(target.format)) {
        refuse(target.format);
    }
}

bool TriangleRasterizer::canDrawInto(const Pixels::PixelFormat& format) {
    const int32_t bits = format.bitsPerPixel;
    return bits == 16 || bits == 24 || bits == 32;
}

void TriangleRasterizer::refuse(const Pixels::PixelFormat& format) {
    throw DX5::Error("bolts cannot be drawn into pixels of " + std::to_string(format.bitsPerPixel) +
                     " bits");
}

void TriangleRasterizer::drawTriangles(std::span<const TexturedVertex> vertices,
                                       std::span<const uint32_t> indices,
                                       const AlphaTexture& texture) {
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        if (indices[i] >= vertices.size() || indices[i + 1] >= vertices.size() ||
            indices[i + 2] >= vertices.size()) {
            throw std::out_of_range("a triangle refers to a vertex that does not exist");
        }
        drawTriangle(vertices[indices[i]], vertices[indices[i + 1]], vertices[indices[i + 2]],
                     texture);
    }
}

void TriangleRasterizer::drawTriangle(const TexturedVertex& a, const TexturedVertex& b,
                                      const TexturedVertex& c, const AlphaTexture& texture) {
    if (!isUsable(a) || !isUsable(b) || !isUsable(c)) {
        return;
    }
    const std::array<SnappedPoint, 3> p = {snap(a), snap(b), snap(c)};
    // Twice the signed area in subpixel units: positive when clockwise on screen.
    const int64_t area =
        (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x);
    if (area <= 0) {
        return;
    }
    const auto [minX, maxX] = std::minmax({p[0].x, p[1].x, p[2].x});
    const auto [minY, maxY] = std::minmax({p[0].y, p[1].y, p[2].y});
    const double pixelArea = static_cast<double>(area) / (subpixels * subpixels);
    const double w = texture.width();
    const double h = texture.height();
    const Setup setup{{Edge(p[0], p[1]), Edge(p[1], p[2]), Edge(p[2], p[0])},
                      std::max<int64_t>(ceilDiv(minY, subpixels), 0),
                      std::min<int64_t>(floorDiv(maxY, subpixels), target_.height - 1),
                      std::max<int64_t>(ceilDiv(minX, subpixels), 0),
                      std::min<int64_t>(floorDiv(maxX, subpixels), target_.width - 1),
                      planeThrough(p, {a.u * w, b.u * w, c.u * w}, pixelArea),
                      planeThrough(p, {a.v * h, b.v * h, c.v * h}, pixelArea)};
    useColour(a.colour);
    switch (channels_.bytesPerPixel()) {
    case 2:
        fillSpans<2>(setup, texture);
        break;
    case 3:
        fillSpans<3>(setup, texture);
        break;
    default:
        fillSpans<4>(setup, texture);
        break;
    }
}

void TriangleRasterizer::useColour(uint32_t colour) {
    if (colourSet_ && colour == colour_) {
        return;
    }
    const std::array<uint32_t, 3> levels = {(colour >> 16) & 0xFFu, (colour >> 8) & 0xFFu,
                                            colour & 0xFFu};
    for (uint32_t alpha = 0; alpha < 256; ++alpha) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            addedLight_[alpha][channel] =
                static_cast<uint8_t>((levels[channel] * alpha + 127) / 255);
        }
    }
    colour_ = colour;
    colourSet_ = true;
}

template <int BytesPerPixel>
void TriangleRasterizer::fillSpans(const Setup& setup, const AlphaTexture& texture) {
    for (int64_t y = setup.firstRow; y <= setup.lastRow; ++y) {
        int64_t first = setup.firstColumn;
        int64_t last = setup.lastColumn;
        for (const Edge& edge : setup.edges) {
            edge.clipRow(y, first, last);
        }
        if (first > last) {
            continue;
        }
        const auto row = static_cast<double>(y);
        // Each pixel's coordinates from the span's start, not by repeated addition, so that
        // long spans gather no rounding error.
        const double uStart = setup.u.at(static_cast<double>(first), row) + texelOffset;
        const double vStart = setup.v.at(static_cast<double>(first), row) + texelOffset;
        uint8_t* pixel = target_.pixels + y * target_.pitch + first * BytesPerPixel;
        double step = 0.0;
        for (int64_t x = first; x <= last; ++x, step += 1.0, pixel += BytesPerPixel) {
            const auto u = static_cast<int64_t>(uStart + setup.u.perX * step);
            const auto v = static_cast<int64_t>(vStart + setup.v.perX * step);
            const uint8_t alpha = texture.at(u, v);
            if (alpha == 0) {
                continue;
            }
            const std::array<uint8_t, 3>& light = addedLight_[alpha];
            const uint32_t old = readPixel<BytesPerPixel>(pixel);
            PixelChannels::Rgb rgb = channels_.decode(old);
            rgb.red = std::min<uint32_t>(rgb.red + light[0], 255);
            rgb.green = std::min<uint32_t>(rgb.green + light[1], 255);
            rgb.blue = std::min<uint32_t>(rgb.blue + light[2], 255);
            writePixel<BytesPerPixel>(pixel, channels_.encode(rgb, old));
        }
    }
}
