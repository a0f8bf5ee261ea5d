#include "rain/HighlightTable.h"

#include "rain/WrappingArithmetic.h"
#include "resources/EmbeddedResources.h"

#include <cmath>
#include <stdexcept>

void HighlightTable::load() {
    const auto table = Resources::lookUp("RCDATA", "COSNTABLE");
    if (!table || table->size() != table_.size() * 4) {
        throw std::runtime_error("The highlight table COSNTABLE is missing or damaged.");
    }
    for (std::size_t i = 0; i < table_.size(); ++i) {
        const unsigned char* bytes = table->data() + i * 4;
        table_[i] =
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
        table16_[i] = (table_[i] * gain16) >> 16;
        table24And32_[i] = (table_[i] * gain24And32) >> 16;
    }
}

uint32_t HighlightTable::amount(int32_t normalX, int32_t normalY, int32_t normalZ,
                                uint32_t gain) const {
    return (table_[static_cast<std::size_t>(computeIndex(normalX, normalY, normalZ))] * gain) >> 16;
}

int32_t HighlightTable::computeIndex(int32_t nx, int32_t ny, int32_t nz) {
    // The normal's directions in the x-z and y-z planes, scaled to 64.
    const auto hx = static_cast<int32_t>(std::nearbyint(std::sqrt(nx * nx + nz * nz)));
    const auto hy = static_cast<int32_t>(std::nearbyint(std::sqrt(ny * ny + nz * nz)));
    const int32_t c1 = hx != 0 ? nx * 64 / hx : 0x7FFFFFFF;
    const int32_t s1 = hx != 0 ? nz * 64 / hx : 0x7FFFFFFF;
    const int32_t c2 = hy != 0 ? ny * 64 / hy : 0x7FFFFFFF;
    const int32_t s2 = hy != 0 ? nz * 64 / hy : 0x7FFFFFFF;
    // Rotate into the frame of the fixed light, (57, 29) in x-z and (45, -45) in y-z.
    const int32_t b1 = wrapSub(wrapMul(s1, 57), wrapMul(c1, 29)) >> 6;
    const int32_t a1 = absolute(wrapAdd(wrapMul(c1, 57), wrapMul(s1, 29))) >> 6;
    const int32_t b2 = wrapAdd(wrapMul(c2, 45), wrapMul(s2, 45)) >> 6;
    const int32_t a2 = absolute(wrapSub(wrapMul(s2, 45), wrapMul(c2, 45))) >> 6;
    const int32_t x = wrapAdd(wrapAdd(wrapMul(c1, a1), wrapMul(s1, b1)) >> 6, wrapMul(s2, b2) >> 6);
    const int32_t y = c2;
    const int32_t z = wrapAdd(wrapSub(wrapMul(s1, a1), wrapMul(c1, b1)) >> 6, wrapMul(s2, a2) >> 6);
    const double norm = std::sqrt(static_cast<double>(
        static_cast<int64_t>(x) * x + static_cast<int64_t>(y) * y + static_cast<int64_t>(z) * z));
    if (norm == 0) {
        return 64;
    }
    const auto k = static_cast<int32_t>(std::nearbyint(z * 64.0 / norm));
    return (k < -64 ? -64 : (k > 64 ? 64 : k)) + 64;
}
