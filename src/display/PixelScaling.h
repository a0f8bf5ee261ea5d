#pragma once

#include "display/PixelView.h"

namespace Pixels {

// Scales the whole source onto the whole destination, converting the pixel format on the way.
// Shrinking averages the source area under each destination pixel (a box filter); enlarging
// interpolates bilinearly. Formats without a known channel layout raise DX5::Error.
void scalePixels(const PixelView& source, const PixelView& destination);

// Copies the block of size width x height at (sourceX, sourceY) to (targetX, targetY), converting
// between two different pixel formats. The caller has clipped the block to both pictures.
void convertPixels(const PixelView& source, int32_t sourceX, int32_t sourceY,
                   const PixelView& destination, int32_t targetX, int32_t targetY, int32_t width,
                   int32_t height);

} // namespace Pixels
