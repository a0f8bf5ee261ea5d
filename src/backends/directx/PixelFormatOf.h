#pragma once

#include "display/PixelFormat.h"

#include <ddraw.h>

namespace DDraw {

// A DirectDraw pixel format as our surfaces describe it; palette formats have no masks.
inline Pixels::PixelFormat pixelFormatOf(const DDPIXELFORMAT& format) {
    const auto bits = static_cast<int32_t>(format.dwRGBBitCount);
    if ((format.dwFlags & DDPF_PALETTEINDEXED8) != 0 || bits == 8) {
        return Pixels::PixelFormat::indexed8();
    }
    return {bits, format.dwRBitMask, format.dwGBitMask, format.dwBBitMask};
}

} // namespace DDraw
