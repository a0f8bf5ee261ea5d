#include "display/PixelSurface.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/PixelScaling.h"
#include "images/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace Pixels {

namespace {

// Larger surfaces would be a damaged request rather than a display.
constexpr int32_t maxSide = 32768;

bool isSupportedDepth(int32_t bitsPerPixel) {
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

} // namespace

int32_t PixelSurface::pitchFor(int32_t width, int32_t height, const PixelFormat& format) {
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
        !isSupportedDepth(format.bitsPerPixel)) {
        throw DX5::Error("cannot make a surface of " + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels at " +
                         std::to_string(format.bitsPerPixel) + " bits per pixel");
    }
    const int32_t rowBytes = width * format.bytesPerPixel();
    return (rowBytes + 3) & ~3;
}

namespace {

// One axis of a block copy: where it starts on the source and on the target, and its length.
struct CopySpan {
    int32_t source;
    int32_t target;
    int32_t length;
};

// The source span [from, to) clipped to the source, and, moved to start at targetStart, to the
// target. In 64 bits, so that coordinates near the ends of the int32 range cannot overflow.
std::optional<CopySpan> clipSpan(int32_t from, int32_t to, int32_t sourceSize, int32_t targetStart,
                                 int32_t targetSize) {
    const int64_t shift = int64_t{targetStart} - from;
    const int64_t start = std::max({int64_t{from}, int64_t{0}, -shift});
    const int64_t end = std::min({int64_t{to}, int64_t{sourceSize}, targetSize - shift});
    if (end <= start) {
        return std::nullopt;
    }
    return CopySpan{static_cast<int32_t>(start), static_cast<int32_t>(start + shift),
                    static_cast<int32_t>(end - start)};
}

} // namespace

PixelSurface::PixelSurface(int32_t width, int32_t height, PixelFormat format,
                           std::shared_ptr<const SurfaceLossEpoch> lossEpoch)
    : PixelSurface(width, height, format, std::move(lossEpoch), PixelView{}) {}

PixelSurface::PixelSurface(int32_t width, int32_t height, PixelFormat format,
                           std::shared_ptr<const SurfaceLossEpoch> lossEpoch,
                           const PixelView& external)
    : width_(width), height_(height), format_(format), pitch_(pitchFor(width, height, format)),
      pixels_(nullptr), lossEpoch_(std::move(lossEpoch)),
      goodAtLossCount_(lossEpoch_ ? lossEpoch_->count() : 0) {
    usePixels(external);
}

PixelBufferDesc PixelSurface::lock() {
    throwIfLost();
    if (locked_) {
        throw DX5::Error(DX5::DDERR_SURFACEBUSY);
    }
    locked_ = true;
    return {format_.bitsPerPixel, pitch_, width_, height_, pixels_};
}

void PixelSurface::unlock() {
    if (!locked_) {
        return;
    }
    locked_ = false;
    if (!isLost()) {
        pixelsWritten(bounds());
    }
}

void PixelSurface::copyRectTo(PixelSurface& target, int32_t left, int32_t top, int32_t right,
                              int32_t bottom) {
    checkCanBlitOnto(target);
    target.announceWritten(copyBlock(target, {left, top, right, bottom}, left, top));
}

void PixelSurface::copyToAt(PixelSurface& target, int32_t x, int32_t y) {
    checkCanBlitOnto(target);
    target.announceWritten(copyBlock(target, bounds(), x, y));
}

void PixelSurface::copyTo(PixelSurface& target) {
    if (target.width_ != width_ || target.height_ != height_) {
        stretchTo(target);
        return;
    }
    checkCanBlitOnto(target);
    target.announceWritten(copyBlock(target, bounds(), 0, 0));
}

void PixelSurface::stretchTo(PixelSurface& target) {
    checkCanBlitOnto(target);
    if (&target == this) {
        return;
    }
    scalePixels(view(), target.view());
    target.pixelsWritten(target.bounds());
}

void PixelSurface::stretchFrom(const Graphics::Bitmap& picture) {
    throwIfLost();
    if (locked_) {
        throw DX5::Error(DX5::DDERR_SURFACEBUSY);
    }
    // The scaler only reads the source; its interface simply has no const pictures.
    const PixelView source{const_cast<uint8_t*>(picture.pixels()), picture.width(),
                           picture.height(), picture.pitch(), PixelFormat::rgb888()};
    scalePixels(source, view());
    pixelsWritten(bounds());
}

int32_t PixelSurface::bltStatus() const {
    if (isLost()) {
        return DX5::DDERR_SURFACELOST;
    }
    return locked_ ? DX5::DDERR_SURFACEBUSY : DX5::DD_OK;
}

bool PixelSurface::isLost() const {
    return markedLost_ || (lossEpoch_ && lossEpoch_->count() != goodAtLossCount_);
}

void PixelSurface::restore() {
    markedLost_ = false;
    if (lossEpoch_) {
        goodAtLossCount_ = lossEpoch_->count();
    }
}

void PixelSurface::pixelsWritten(const PixelRect&) {}

void PixelSurface::throwIfLost() const {
    if (isLost()) {
        throw DX5::Error(DX5::DDERR_SURFACELOST);
    }
}

PixelView PixelSurface::view() {
    return {pixels_, width_, height_, pitch_, format_};
}

bool PixelSurface::fits(const PixelView& external) const {
    return external.pixels != nullptr && external.width == width_ && external.height == height_ &&
           external.format == format_ && external.pitch >= width_ * format_.bytesPerPixel();
}

void PixelSurface::usePixels(const PixelView& external) {
    if (fits(external)) {
        ownPixels_ = {};
        pixels_ = external.pixels;
        pitch_ = external.pitch;
        return;
    }
    pitch_ = pitchFor(width_, height_, format_);
    ownPixels_.resize(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height_));
    pixels_ = ownPixels_.data();
}

bool PixelSurface::canExchangePixels(const PixelSurface& other) const {
    return &other != this && !liesOnExternalPixels() && !other.liesOnExternalPixels() &&
           width_ == other.width_ && height_ == other.height_ && format_ == other.format_ &&
           pitch_ == other.pitch_;
}

void PixelSurface::exchangePixels(PixelSurface& other) {
    if (!canExchangePixels(other)) {
        throw std::logic_error(
            "only surfaces of one shape with pixels of their own can trade them");
    }
    ownPixels_.swap(other.ownPixels_);
    std::swap(pixels_, other.pixels_);
}

void PixelSurface::copyRectQuietly(PixelSurface& target, const PixelRect& area) {
    checkCanBlitOnto(target);
    copyBlock(target, area, area.left, area.top);
}

void PixelSurface::checkCanBlitOnto(const PixelSurface& target) const {
    throwIfLost();
    target.throwIfLost();
    if (locked_ || target.locked_) {
        throw DX5::Error(DX5::DDERR_SURFACEBUSY);
    }
}

void PixelSurface::announceWritten(const PixelRect& area) {
    if (!area.isEmpty()) {
        pixelsWritten(area);
    }
}

// Returns the part of the target written, empty when the rectangles do not meet.
PixelRect PixelSurface::copyBlock(PixelSurface& target, PixelRect sourceArea, int32_t targetX,
                                  int32_t targetY) {
    const std::optional<CopySpan> across =
        clipSpan(sourceArea.left, sourceArea.right, width_, targetX, target.width_);
    const std::optional<CopySpan> down =
        clipSpan(sourceArea.top, sourceArea.bottom, height_, targetY, target.height_);
    if (!across || !down) {
        return {};
    }
    const PixelRect clipped =
        PixelRect::ofSize(across->source, down->source, across->length, down->length);
    const int32_t toX = across->target;
    const int32_t toY = down->target;
    if (target.format_ == format_) {
        copyRows(target, clipped, toX, toY);
    } else {
        convertPixels(view(), clipped.left, clipped.top, target.view(), toX, toY, clipped.width(),
                      clipped.height());
    }
    return {toX, toY, toX + clipped.width(), toY + clipped.height()};
}

void PixelSurface::copyRows(PixelSurface& target, const PixelRect& sourceArea, int32_t targetX,
                            int32_t targetY) {
    const auto rowBytes = static_cast<std::size_t>(sourceArea.width() * format_.bytesPerPixel());
    const int32_t rows = sourceArea.height();
    // A copy within one surface to lower rows must start at the bottom, or it would read rows
    // it has already overwritten.
    const bool bottomUp = &target == this && targetY > sourceArea.top;
    for (int32_t i = 0; i < rows; ++i) {
        const int32_t row = bottomUp ? rows - 1 - i : i;
        std::memmove(target.pixelAt(targetX, targetY + row),
                     pixelAt(sourceArea.left, sourceArea.top + row), rowBytes);
    }
}

uint8_t* PixelSurface::pixelAt(int32_t x, int32_t y) {
    return pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch_) +
           static_cast<std::size_t>(x) * static_cast<std::size_t>(format_.bytesPerPixel());
}

} // namespace Pixels
