#include "lightning/BoltLight.h"

#include "lightning/TriangleRasterizer.h"

#include <emmintrin.h>

namespace {

void addRow(uint8_t* target, const uint8_t* light, int32_t bytes) {
    int32_t i = 0;
    for (; i + 16 <= bytes; i += 16) {
        auto* at = reinterpret_cast<__m128i*>(target + i);
        const __m128i sum = _mm_adds_epu8(
            _mm_loadu_si128(at), _mm_loadu_si128(reinterpret_cast<const __m128i*>(light + i)));
        _mm_storeu_si128(at, sum);
    }
    for (; i < bytes; ++i) {
        const uint32_t sum = uint32_t{target[i]} + light[i];
        target[i] = static_cast<uint8_t>(sum > 255 ? 255 : sum);
    }
}

} // namespace

bool BoltLight::canLight(const Pixels::PixelFormat& format) {
    return (format.bitsPerPixel == 24 || format.bitsPerPixel == 32) &&
           TriangleRasterizer::addsWholeBytes(format);
}

BoltLight::BoltLight(const LightningMesh& mesh, std::span<const AreaRect> bands,
                     const Pixels::PixelFormat& format, const AlphaTexture& texture)
    : bytesPerPixel_(format.bytesPerPixel()) {
    std::size_t size = 0;
    for (const AreaRect& area : bands) {
        const int32_t rowBytes = (area.maxX - area.minX) * bytesPerPixel_;
        bands_.push_back({area, size, rowBytes});
        size +=
            static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(area.maxY - area.minY);
    }
    light_.assign(size, 0);
    for (const Band& band : bands_) {
        draw(mesh, band, format, texture);
    }
}

// Only the groups reaching into the band are set up for it.
void BoltLight::draw(const LightningMesh& mesh, const Band& band, const Pixels::PixelFormat& format,
                     const AlphaTexture& texture) {
    const Pixels::PixelView view{light_.data() + band.offset, band.area.maxX - band.area.minX,
                                 band.area.maxY - band.area.minY, band.rowBytes, format};
    TriangleRasterizer rasterizer(view, band.area.minX, band.area.minY);
    for (std::size_t group = 0; group < mesh.groupCount(); ++group) {
        if (!intersect(mesh.groupBox(group), band.area).isEmpty()) {
            rasterizer.drawTriangles(mesh.vertices(), mesh.groupTriangles(group), texture);
        }
    }
}

void BoltLight::addTo(const Pixels::PixelView& target) const {
    for (const Band& band : bands_) {
        const uint8_t* light = light_.data() + band.offset;
        for (int32_t y = band.area.minY; y < band.area.maxY; ++y, light += band.rowBytes) {
            uint8_t* row = target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch +
                           static_cast<std::ptrdiff_t>(band.area.minX) * bytesPerPixel_;
            addRow(row, light, band.rowBytes);
        }
    }
}
