#include "rain/TrackTemplate.h"

float TrackTemplate::shape(int32_t, int32_t, double value) const {
    return value > 0 ? 1.0f : 0.0f;
}

void TrackTemplate::copyTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                           int32_t destWidth) const {
    constexpr MapPixel trail{1, 0, 0, 1};
    for (int32_t row = 0; row < rows; ++row) {
        markWetRow(&pixel(tx, ty + row), dest + static_cast<std::ptrdiff_t>(row) * destWidth,
                   columns, trail);
    }
}
