#pragma once

#include "display/PixelFormat.h"

#include <cstdint>

namespace Sdl {

// The layout of an SDL pixel format. The bit count is the pixel's size in memory: SDL calls
// XRGB8888 24 bits, the design's device calls it 32.
Pixels::PixelFormat pixelFormatFromSdl(uint32_t sdlFormat);
// The SDL pixel format with the same layout, or 0 (unknown) when SDL has none.
uint32_t sdlFormatFor(const Pixels::PixelFormat& format);

} // namespace Sdl
