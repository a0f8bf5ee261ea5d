#pragma once

#include "rain/SurfaceTemplate.h"

// The wet footprint a drop leaves behind: one unit high wherever the drop had any water.
class TrackTemplate : public SurfaceTemplate {
public:
    using SurfaceTemplate::SurfaceTemplate;

    // Writes a flat trail pixel under every covered template pixel.
    void copyTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                int32_t destWidth) const override;

protected:
    float shape(int32_t dx, int32_t dyTrunc, double value) const override;
};
