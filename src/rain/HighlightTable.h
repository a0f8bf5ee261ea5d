#pragma once

#include "rain/MapPixel.h"

#include <array>
#include <cstddef>
#include <cstdint>

// How much light a drop's surface catches from the fixed light, by the surface's normal: the
// table COSNTABLE by the cosine between them, scaled by a gain for the pixel depth.
class HighlightTable {
public:
    static constexpr uint32_t gain16 = 40;
    static constexpr uint32_t gain24And32 = 220;

    // Reads COSNTABLE; throws std::runtime_error when it is missing or damaged.
    void load();

    // The highlight to add to each channel of a pixel with this normal, before clamping.
    uint32_t amount(int32_t normalX, int32_t normalY, int32_t normalZ, uint32_t gain) const;
    // The same for a drop pixel in pixels of this many bytes, at their gain; the angle maths
    // behind a normal is done the first time it is seen, and never again.
    template <int Bytes> uint32_t amountFor(const MapPixel& m) {
        const auto& amounts = Bytes == 2 ? table16_ : table24And32_;
        return amounts[static_cast<std::size_t>(index(m))];
    }

private:
    static constexpr int32_t normalLimit = 64;
    static constexpr int32_t normalSpan = 2 * normalLimit + 1;

    // Where the normal falls in the table: 64 + the cosine, scaled to 64.
    static int32_t computeIndex(int32_t nx, int32_t ny, int32_t nz);

    int32_t index(const MapPixel& m) {
        if (m.normalZ < 1 || m.normalX < -normalLimit || m.normalX > normalLimit ||
            m.normalY < -normalLimit || m.normalY > normalLimit) {
            return computeIndex(m.normalX, m.normalY, m.normalZ);
        }
        // Neighbouring pixels of a drop differ most in x and y, so those vary fastest.
        const auto slot = static_cast<std::size_t>(
            ((m.normalZ - 1) * normalSpan + m.normalY + normalLimit) * normalSpan + m.normalX +
            normalLimit);
        uint8_t& cached = indexCache_[slot];
        if (cached == 0) {
            cached = static_cast<uint8_t>(computeIndex(m.normalX, m.normalY, m.normalZ) + 1);
        }
        return cached - 1;
    }

    std::array<uint32_t, 129> table_{};
    // The table at each gain, so that a pixel costs one lookup.
    std::array<uint32_t, 129> table16_{};
    std::array<uint32_t, 129> table24And32_{};
    // Table index plus one (0: not yet known) for every normal the templates and their blends
    // can produce: x and y in -64..64, z in 1..64.
    std::array<uint8_t, normalSpan * normalSpan * normalLimit> indexCache_{};
};
