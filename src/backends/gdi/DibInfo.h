#pragma once

#include "display/PixelFormat.h"

#include <windows.h>

namespace Gdi {

// The header of a top-down device-independent bitmap in one of our pixel formats, with room for
// the three channel masks that 16- and 32-bit formats name. Formats GDI cannot describe raise
// DX5::Error.
struct DibInfo {
    BITMAPINFOHEADER header;
    DWORD masks[3];

    DibInfo(const Pixels::PixelFormat& format, int32_t width, int32_t height);
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
    // For GetDIBits, which may fill in the header's image size.
    BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(this); }
    // Bytes per row as GDI lays them out: padded to a multiple of 4.
    int32_t pitch() const;
};

} // namespace Gdi
