#include "backends/gdi/DibInfo.h"

#include "display/DX5Error.h"

#include <string>

namespace Gdi {

namespace {

// GDI reads 24-bit pixels only with blue in the lowest byte; 16- and 32-bit pixels take masks.
bool describable(const Pixels::PixelFormat& format) {
    switch (format.bitsPerPixel) {
    case 24:
        return format.redMask == 0xFF0000 && format.greenMask == 0xFF00 && format.blueMask == 0xFF;
    case 16:
    case 32:
        return format.redMask != 0 && format.greenMask != 0 && format.blueMask != 0;
    default:
        return false;
    }
}

} // namespace

DibInfo::DibInfo(const Pixels::PixelFormat& format, int32_t width, int32_t height)
    : header{}, masks{format.redMask, format.greenMask, format.blueMask} {
    if (!describable(format)) {
        throw DX5::Error("pixels of " + std::to_string(format.bitsPerPixel) +
                         " bits with these channel masks cannot be converted");
    }
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(format.bitsPerPixel);
    header.biCompression = format.bitsPerPixel == 24 ? BI_RGB : BI_BITFIELDS;
}

int32_t DibInfo::pitch() const {
    return (header.biWidth * header.biBitCount + 31) / 32 * 4;
}

} // namespace Gdi
