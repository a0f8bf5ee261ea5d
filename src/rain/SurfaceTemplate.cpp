#include "rain/SurfaceTemplate.h"

#include <bit>
#include <cmath>
#include <emmintrin.h>

namespace {

// Four map pixels at a time: the dry ones of the template keep the map's pixel, the wet ones
// take the template's or the mark.
template <bool Marking>
void writeWetPixels(const MapPixel* source, MapPixel* target, int32_t columns, MapPixel mark) {
    const __m128i heights = _mm_set1_epi32(0xFF);
    const __m128i marks = _mm_set1_epi32(std::bit_cast<int32_t>(mark));
    int32_t column = 0;
    for (; column + 4 <= columns; column += 4) {
        const __m128i wet = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + column));
        const __m128i dry = _mm_cmpeq_epi32(_mm_and_si128(wet, heights), _mm_setzero_si128());
        auto* at = reinterpret_cast<__m128i*>(target + column);
        const __m128i kept = _mm_and_si128(dry, _mm_loadu_si128(at));
        _mm_storeu_si128(at, _mm_or_si128(kept, _mm_andnot_si128(dry, Marking ? marks : wet)));
    }
    for (; column < columns; ++column) {
        if (source[column].height != 0) {
            target[column] = Marking ? mark : source[column];
        }
    }
}

struct Vector3 {
    int32_t x;
    int32_t y;
    int32_t z;
};

Vector3 operator-(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

int32_t integerLength(int64_t x, int64_t y, int64_t z) {
    return static_cast<int32_t>(std::sqrt(static_cast<double>(x * x + y * y + z * z)));
}

// Unit normal of the triangle (a, b, p), scaled to 1024.
Vector3 facetNormal(Vector3 a, Vector3 b, Vector3 p) {
    const Vector3 u = b - a;
    const Vector3 v = p - a;
    const int32_t nx = (u.y * v.z - u.z * v.y) >> 10;
    const int32_t ny = (u.z * v.x - u.x * v.z) >> 10;
    const int32_t nz = (u.x * v.y - u.y * v.x) >> 10;
    const int32_t length = integerLength(nx, ny, nz);
    return {nx * 1024 / length, ny * 1024 / length, nz * 1024 / length};
}

} // namespace

SurfaceTemplate::SurfaceTemplate(int32_t radius, int32_t stretch)
    : radius_(radius), centreRow_(radius + stretch), width_(2 * radius),
      height_(2 * radius + stretch), shapeRadius_(radius), stretch_(stretch),
      pixels_(static_cast<std::size_t>(width_ * height_), MapPixel{0, 0, 0, 0}) {}

void SurfaceTemplate::generate() {
    if (generated_) {
        return;
    }
    computeHeights();
    computeNormals();
    generated_ = true;
}

void SurfaceTemplate::computeHeights() {
    const int32_t r = shapeRadius_;
    // The tail above the centre is the upper half of the lens squeezed by k.
    const float k = static_cast<float>(static_cast<double>(r) / (r + stretch_));
    const double tailRows = r / static_cast<double>(k);
    for (int32_t row = 0; row < height_; ++row) {
        const float e = static_cast<float>(row - tailRows);
        const double factor = e >= 0 ? 1.0 : e * 0.5 / tailRows + 1.0;
        const double squeezed = static_cast<double>(e) * k;
        const double vertical = e > 0 ? static_cast<double>(e) * e : squeezed * squeezed;
        for (int32_t column = 0; column < width_; ++column) {
            const int32_t dx = column - r;
            const double l = r * r - dx * dx - vertical;
            const double value = l > 0 ? std::sqrt(l) * factor : 0.0;
            const float stored = shape(dx, static_cast<int32_t>(e), value);
            pixelAt(column, row).height = static_cast<uint8_t>(static_cast<int32_t>(stored));
        }
    }
}

void SurfaceTemplate::computeNormals() {
    const int32_t r = shapeRadius_;
    const auto vertex = [&](int32_t column, int32_t row) {
        const int32_t h = static_cast<int8_t>(pixel(column, row).height);
        return Vector3{column * 1024, row * 1024, 4 * (r - h) * 1024};
    };
    for (int32_t row = 0; row < height_; ++row) {
        for (int32_t column = 0; column < width_; ++column) {
            const Vector3 centre = vertex(column, row);
            Vector3 sum{0, 0, 0};
            int32_t count = 0;
            const auto add = [&](Vector3 n) {
                sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
                ++count;
            };
            const bool hasLeft = column > 0;
            const bool hasRight = column < width_ - 1;
            const bool hasUp = row > 0;
            const bool hasDown = row < height_ - 1;
            if (hasUp && hasLeft) {
                add(facetNormal(centre, vertex(column - 1, row), vertex(column, row - 1)));
            }
            if (hasUp && hasRight) {
                add(facetNormal(centre, vertex(column, row - 1), vertex(column + 1, row)));
            }
            if (hasDown && hasRight) {
                add(facetNormal(centre, vertex(column + 1, row), vertex(column, row + 1)));
            }
            if (hasDown && hasLeft) {
                add(facetNormal(centre, vertex(column, row + 1), vertex(column - 1, row)));
            }
            // Doubling the slope makes the small lenses read as rounder than they are.
            const int32_t ax = 2 * (sum.x * 1024 / (count * 1024));
            const int32_t ay = 2 * (sum.y * 1024 / (count * 1024));
            const int32_t az = sum.z * 1024 / (count * 1024);
            const int32_t length = integerLength(ax, ay, az);
            MapPixel& target = pixelAt(column, row);
            target.normalX = static_cast<int8_t>((ax * 1024 / length) >> 4);
            target.normalY = static_cast<int8_t>((ay * 1024 / length) >> 4);
            target.normalZ = static_cast<int8_t>((az * 1024 / length) >> 4);
        }
    }
}

DirtyRect SurfaceTemplate::placement(int32_t x, int32_t y) const {
    const int32_t left = x - radius_;
    const int32_t top = y - centreRow_;
    return DirtyRect{left, top + height_ - 1, left + width_ - 1, top};
}

void SurfaceTemplate::copyTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                             int32_t destWidth) const {
    for (int32_t row = 0; row < rows; ++row) {
        copyWetRow(&pixel(tx, ty + row), dest + static_cast<std::ptrdiff_t>(row) * destWidth,
                   columns);
    }
}

void SurfaceTemplate::copyWetRow(const MapPixel* source, MapPixel* target, int32_t columns) {
    writeWetPixels<false>(source, target, columns, MapPixel{});
}

void SurfaceTemplate::markWetRow(const MapPixel* source, MapPixel* target, int32_t columns,
                                 MapPixel mark) {
    writeWetPixels<true>(source, target, columns, mark);
}

void SurfaceTemplate::blendTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                              int32_t destWidth) const {
    const auto mix = [](int8_t a, int8_t b) { return static_cast<int8_t>((a + b) / 2); };
    for (int32_t row = 0; row < rows; ++row) {
        const MapPixel* source = &pixel(tx, ty + row);
        MapPixel* target = dest + static_cast<std::ptrdiff_t>(row) * destWidth;
        for (int32_t column = 0; column < columns; ++column) {
            const MapPixel& t = source[column];
            MapPixel& m = target[column];
            const auto templateHeight = static_cast<int8_t>(t.height);
            if (templateHeight > 0 && templateHeight >= static_cast<int8_t>(m.height)) {
                m = MapPixel{t.height, mix(m.normalX, t.normalX), mix(m.normalY, t.normalY),
                             mix(m.normalZ, t.normalZ)};
            }
        }
    }
}
