#include "display/PixelScaling.h"

#include "backends/gdi/DibInfo.h"
#include "display/DX5Error.h"

#include <cstring>
#include <vector>

// Scaling and conversion through GDI: the source is drawn with StretchDIBits in half-tone mode
// onto a DIB section in the destination's format, whose pixels are then copied into place.
namespace Pixels {

namespace {

// The block of the source as GDI wants it: rows packed to its own pitch, starting at the top.
std::vector<uint8_t> packedBlock(const PixelView& view, int32_t x, int32_t y, int32_t width,
                                 int32_t height, const Gdi::DibInfo& info) {
    const int32_t pitch = info.pitch();
    std::vector<uint8_t> block(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height));
    const int32_t rowBytes = width * view.format.bytesPerPixel();
    for (int32_t row = 0; row < height; ++row) {
        std::memcpy(block.data() + static_cast<std::ptrdiff_t>(row) * pitch,
                    view.pixels + static_cast<std::ptrdiff_t>(y + row) * view.pitch +
                        static_cast<std::ptrdiff_t>(x) * view.format.bytesPerPixel(),
                    static_cast<std::size_t>(rowBytes));
    }
    return block;
}

class DibSection {
public:
    DibSection(const PixelFormat& format, int32_t width, int32_t height)
        : info_(format, width, height), context_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateDIBSection(context_, info_.info(), DIB_RGB_COLORS, &bits_, nullptr, 0)) {
        if (context_ == nullptr || bitmap_ == nullptr) {
            release();
            throw DX5::Error("the system could not make a picture of " + std::to_string(width) +
                             " x " + std::to_string(height) + " pixels");
        }
        previous_ = SelectObject(context_, bitmap_);
    }
    ~DibSection() { release(); }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HDC context() const { return context_; }

    void copyTo(const PixelView& destination, int32_t x, int32_t y) const {
        GdiFlush();
        const int32_t height = -info_.header.biHeight;
        const int32_t rowBytes = info_.header.biWidth * destination.format.bytesPerPixel();
        for (int32_t row = 0; row < height; ++row) {
            std::memcpy(destination.pixels +
                            static_cast<std::ptrdiff_t>(y + row) * destination.pitch +
                            static_cast<std::ptrdiff_t>(x) * destination.format.bytesPerPixel(),
                        static_cast<const uint8_t*>(bits_) +
                            static_cast<std::ptrdiff_t>(row) * info_.pitch(),
                        static_cast<std::size_t>(rowBytes));
        }
    }

private:
    void release() {
        if (context_ != nullptr && previous_ != nullptr) {
            SelectObject(context_, previous_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        if (context_ != nullptr) {
            DeleteDC(context_);
        }
    }

    Gdi::DibInfo info_;
    void* bits_ = nullptr;
    HDC context_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

void drawBlock(const PixelView& source, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
               int32_t sourceHeight, const PixelView& destination, int32_t targetX, int32_t targetY,
               int32_t targetWidth, int32_t targetHeight) {
    const Gdi::DibInfo sourceInfo(source.format, sourceWidth, sourceHeight);
    const std::vector<uint8_t> block =
        packedBlock(source, sourceX, sourceY, sourceWidth, sourceHeight, sourceInfo);
    const DibSection target(destination.format, targetWidth, targetHeight);
    // Half-tone averages what shrinks; a plain copy needs no filter.
    const bool scaled = sourceWidth != targetWidth || sourceHeight != targetHeight;
    SetStretchBltMode(target.context(), scaled ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(target.context(), 0, 0, nullptr);
    StretchDIBits(target.context(), 0, 0, targetWidth, targetHeight, 0, 0, sourceWidth,
                  sourceHeight, block.data(), sourceInfo.info(), DIB_RGB_COLORS, SRCCOPY);
    target.copyTo(destination, targetX, targetY);
}

} // namespace

void scalePixels(const PixelView& source, const PixelView& destination) {
    drawBlock(source, 0, 0, source.width, source.height, destination, 0, 0, destination.width,
              destination.height);
}

void convertPixels(const PixelView& source, int32_t sourceX, int32_t sourceY,
                   const PixelView& destination, int32_t targetX, int32_t targetY, int32_t width,
                   int32_t height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    drawBlock(source, sourceX, sourceY, width, height, destination, targetX, targetY, width,
              height);
}

} // namespace Pixels
