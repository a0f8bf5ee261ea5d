#include "lightning/TriangleRasterizer.h"

#include "display/DX5Error.h"
#include "lightning/PixelBytes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <emmintrin.h>
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

// Where pixels of a row are inside one edge: E(x) = rowValue - step x >= 0, where rowValue
// grows by the same amount from one row to the next. The bound it sets on a row,
// floor(rowValue / |step|), is carried from row to row as a quotient and a remainder, so that a
// row costs additions rather than divisions.
class EdgeWalk {
public:
    EdgeWalk(SnappedPoint from, SnappedPoint to, int64_t firstRow) {
        const int64_t dx = to.x - from.x;
        const int64_t dy = to.y - from.y;
        // With y down and clockwise triangles, the inside lies right of the edge's direction: a
        // left edge runs upward, a top edge runs right. Other edges do not own the points lying
        // on them.
        const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
        rowValue_ = dx * (firstRow * subpixels - from.y) + dy * from.x + (topOrLeft ? 0 : -1);
        rowStep_ = dx * subpixels;
        const int64_t step = dy * subpixels;
        bound_ = step > 0 ? Bound::Last : (step < 0 ? Bound::First : Bound::Whole);
        divisor_ = step < 0 ? -step : step;
        if (bound_ != Bound::Whole) {
            quotient_ = floorDiv(rowValue_, divisor_);
            remainder_ = rowValue_ - quotient_ * divisor_;
            quotientStep_ = floorDiv(rowStep_, divisor_);
            remainderStep_ = rowStep_ - quotientStep_ * divisor_;
        }
    }

    // Narrows [first, last] to the pixels of the current row inside this edge.
    void clipRow(int64_t& first, int64_t& last) const {
        switch (bound_) {
        case Bound::Last:
            last = std::min(last, quotient_);
            break;
        case Bound::First:
            first = std::max(first, -quotient_);
            break;
        case Bound::Whole:
            if (rowValue_ < 0) {
                last = first - 1;
            }
            break;
        }
    }

    void nextRow() {
        rowValue_ += rowStep_;
        quotient_ += quotientStep_;
        remainder_ += remainderStep_;
        if (remainder_ >= divisor_) {
            remainder_ -= divisor_;
            ++quotient_;
        }
    }

private:
    // Which end of the row the edge bounds; a horizontal edge takes all of a row or none.
    enum class Bound { Last, First, Whole };

    Bound bound_;
    int64_t rowValue_;
    int64_t rowStep_;
    int64_t divisor_ = 1;
    int64_t quotient_ = 0;
    int64_t remainder_ = 0;
    int64_t quotientStep_ = 0;
    int64_t remainderStep_ = 0;
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

bool isWholeByte(uint32_t mask) {
    return mask == 0xFFu || mask == 0xFF00u || mask == 0xFF0000u;
}

// The span's texel coordinates fit 32 bits, where two are converted at once.
bool fitsThirtyTwoBits(double start, double perX, int64_t steps) {
    constexpr double limit = 2147483647.0;
    const double end = start + perX * static_cast<double>(steps);
    return std::fabs(start) < limit && std::fabs(end) < limit;
}

} // namespace

struct TriangleRasterizer::Setup {
    std::array<EdgeWalk, 3> edges;
    int64_t firstRow;
    int64_t lastRow;
    int64_t firstColumn;
    int64_t lastColumn;
    TexelPlane u;
    TexelPlane v;
};

TriangleRasterizer::TriangleRasterizer(const Pixels::PixelView& target, int32_t originX,
                                       int32_t originY)
    : target_(target), originX_(originX), originY_(originY), channels_(target.format),
      wholeBytes_(addsWholeBytes(target.format)) {
    if (!canDrawInto(target.format)) {
        refuse(target.format);
    }
}

bool TriangleRasterizer::canDrawInto(const Pixels::PixelFormat& format) {
    const int32_t bits = format.bitsPerPixel;
    return bits == 16 || bits == 24 || bits == 32;
}

bool TriangleRasterizer::addsWholeBytes(const Pixels::PixelFormat& format) {
    return format.bitsPerPixel >= 24 && isWholeByte(format.redMask) &&
           isWholeByte(format.greenMask) && isWholeByte(format.blueMask);
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
    const int64_t firstRow = std::max<int64_t>(ceilDiv(minY, subpixels), originY_);
    Setup setup{
        {EdgeWalk(p[0], p[1], firstRow), EdgeWalk(p[1], p[2], firstRow),
         EdgeWalk(p[2], p[0], firstRow)},
        firstRow,
        std::min<int64_t>(floorDiv(maxY, subpixels), int64_t{originY_} + target_.height - 1),
        std::max<int64_t>(ceilDiv(minX, subpixels), originX_),
        std::min<int64_t>(floorDiv(maxX, subpixels), int64_t{originX_} + target_.width - 1),
        planeThrough(p, {a.u * w, b.u * w, c.u * w}, pixelArea),
        planeThrough(p, {a.v * h, b.v * h, c.v * h}, pixelArea)};
    useColour(a.colour);
    switch (channels_.bytesPerPixel()) {
    case 2:
        fillSpans<2>(setup, texture);
        break;
    case 3:
        if (wholeBytes_) {
            fillSpans<3, true>(setup, texture);
        } else {
            fillSpans<3>(setup, texture);
        }
        break;
    default:
        if (wholeBytes_) {
            fillSpans<4, true>(setup, texture);
        } else {
            fillSpans<4>(setup, texture);
        }
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
        const auto place = [](uint32_t mask, uint8_t level) {
            return mask == 0 ? 0u : uint32_t{level} << std::countr_zero(mask);
        };
        const Pixels::PixelFormat& format = target_.format;
        addedBytes_[alpha] = place(format.redMask, addedLight_[alpha][0]) |
                             place(format.greenMask, addedLight_[alpha][1]) |
                             place(format.blueMask, addedLight_[alpha][2]);
    }
    colour_ = colour;
    colourSet_ = true;
}

template <int BytesPerPixel, bool WholeBytes>
void TriangleRasterizer::fillSpans(Setup& setup, const AlphaTexture& texture) {
    for (int64_t y = setup.firstRow; y <= setup.lastRow; ++y, nextRow(setup)) {
        int64_t first = setup.firstColumn;
        int64_t last = setup.lastColumn;
        for (const EdgeWalk& edge : setup.edges) {
            edge.clipRow(first, last);
        }
        if (first > last) {
            continue;
        }
        const auto row = static_cast<double>(y);
        const Span span{target_.pixels + (y - originY_) * target_.pitch +
                            (first - originX_) * BytesPerPixel,
                        last - first,
                        setup.u.at(static_cast<double>(first), row) + texelOffset,
                        setup.v.at(static_cast<double>(first), row) + texelOffset,
                        setup.u.perX,
                        setup.v.perX};
        if (fitsThirtyTwoBits(span.uStart, span.uPerX, span.steps) &&
            fitsThirtyTwoBits(span.vStart, span.vPerX, span.steps)) {
            fillSpanInPairs<BytesPerPixel, WholeBytes>(span, texture);
        } else {
            fillSpan<BytesPerPixel, WholeBytes>(span, texture);
        }
    }
}

[[gnu::always_inline]] inline void TriangleRasterizer::nextRow(Setup& setup) {
    for (EdgeWalk& edge : setup.edges) {
        edge.nextRow();
    }
}

// Each pixel's coordinates from the span's start, not by repeated addition, so that long spans
// gather no rounding error.
template <int BytesPerPixel, bool WholeBytes>
void TriangleRasterizer::fillSpan(const Span& span, const AlphaTexture& texture) {
    uint8_t* pixel = span.pixels;
    double step = 0.0;
    for (int64_t x = 0; x <= span.steps; ++x, step += 1.0, pixel += BytesPerPixel) {
        const auto u = static_cast<int64_t>(span.uStart + span.uPerX * step);
        const auto v = static_cast<int64_t>(span.vStart + span.vPerX * step);
        addLight<BytesPerPixel, WholeBytes>(pixel, texture.at(u, v));
    }
}

// The same sums, u and v side by side in one register and converted together.
template <int BytesPerPixel, bool WholeBytes>
void TriangleRasterizer::fillSpanInPairs(const Span& span, const AlphaTexture& texture) {
    const __m128d start = _mm_set_pd(span.vStart, span.uStart);
    const __m128d perX = _mm_set_pd(span.vPerX, span.uPerX);
    uint8_t* pixel = span.pixels;
    double step = 0.0;
    for (int64_t x = 0; x <= span.steps; ++x, step += 1.0, pixel += BytesPerPixel) {
        const __m128i texel =
            _mm_cvttpd_epi32(_mm_add_pd(start, _mm_mul_pd(perX, _mm_set1_pd(step))));
        const int32_t u = _mm_cvtsi128_si32(texel);
        const int32_t v = _mm_cvtsi128_si32(_mm_srli_si128(texel, 4));
        addLight<BytesPerPixel, WholeBytes>(pixel, texture.at(u, v));
    }
}

template <int BytesPerPixel, bool WholeBytes>
[[gnu::always_inline]] inline void TriangleRasterizer::addLight(uint8_t* pixel,
                                                                uint8_t alpha) const {
    if (alpha == 0) {
        return;
    }
    const uint32_t old = readPixel<BytesPerPixel>(pixel);
    if constexpr (WholeBytes) {
        // Each channel is a byte of its own: a saturating add of the bytes is the clamped sum,
        // and the bytes of no channel get nothing added.
        const __m128i sum =
            _mm_adds_epu8(_mm_cvtsi32_si128(static_cast<int32_t>(old)),
                          _mm_cvtsi32_si128(static_cast<int32_t>(addedBytes_[alpha])));
        writePixel<BytesPerPixel>(pixel, static_cast<uint32_t>(_mm_cvtsi128_si32(sum)));
    } else {
        const std::array<uint8_t, 3>& light = addedLight_[alpha];
        PixelChannels::Rgb rgb = channels_.decode(old);
        rgb.red = std::min<uint32_t>(rgb.red + light[0], 255);
        rgb.green = std::min<uint32_t>(rgb.green + light[1], 255);
        rgb.blue = std::min<uint32_t>(rgb.blue + light[2], 255);
        writePixel<BytesPerPixel>(pixel, channels_.encode(rgb, old));
    }
}
