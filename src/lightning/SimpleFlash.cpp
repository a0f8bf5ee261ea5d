#include "lightning/SimpleFlash.h"

#include "lightning/BrightPixelMarker.h"
#include "lightning/PixelChannels.h"

#include <algorithm>
#include <cstring>

namespace {

PixelChannels::Rgb rgbOf(uint32_t colour) {
    return {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
}

// Unlocks on every way out, so that a failure leaves no surface locked.
class LockedSurface {
public:
    explicit LockedSurface(Pixels::PixelSurface& surface)
        : surface_(surface), pixels_(surface.lock()) {}
    ~LockedSurface() { surface_.unlock(); }
    LockedSurface(const LockedSurface&) = delete;
    LockedSurface& operator=(const LockedSurface&) = delete;

    const PixelBufferDesc& pixels() const { return pixels_; }

private:
    Pixels::PixelSurface& surface_;
    PixelBufferDesc pixels_;
};

} // namespace

SimpleFlash::SimpleFlash(Pixels::PixelSurface& target, const ILightningOptions& options)
    : target_(target), wordsPerRow_((target.width() + 63) / 64),
      lit_(static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(target.height())) {
    markBrightPixels(options);
}

void SimpleFlash::apply() {
    const AreaRect whole{0, target_.height(), target_.width(), 0};
    paint(std::span(&whole, 1));
}

void SimpleFlash::applyWithin(std::span<const AreaRect> areas) {
    paint(areas);
}

void SimpleFlash::paint(std::span<const AreaRect> areas) {
    const LockedSurface locked(target_);
    const PixelBufferDesc& desc = locked.pixels();
    const AreaRect whole{0, desc.height, desc.width, 0};
    for (const AreaRect& area : areas) {
        const AreaRect inside = intersect(area, whole);
        if (inside.isEmpty()) {
            continue;
        }
        switch (desc.bitsPerPixel) {
        case 8:
            paintArea<1>(desc, inside);
            break;
        case 16:
            paintArea<2>(desc, inside);
            break;
        case 24:
            paintArea<3>(desc, inside);
            break;
        default:
            paintArea<4>(desc, inside);
            break;
        }
    }
}

// A flash is painted whole each time it lights, so the bits are read 64 at a time, and 64 dark
// pixels in a row (most of a picture) are cleared at once.
template <int Bytes>
void SimpleFlash::paintArea(const PixelBufferDesc& desc, const AreaRect& area) const {
    uint8_t litBytes[Bytes];
    std::memcpy(litBytes, &litPixel_, Bytes);
    for (int32_t y = area.minY; y < area.maxY; ++y) {
        const uint64_t* row = lit_.data() + static_cast<std::ptrdiff_t>(y) * wordsPerRow_;
        uint8_t* pixel = desc.pixels + static_cast<std::ptrdiff_t>(y) * desc.pitch +
                         static_cast<std::ptrdiff_t>(area.minX) * Bytes;
        for (int32_t x = area.minX; x < area.maxX;) {
            const int32_t first = x % 64;
            const int32_t count = std::min(64 - first, area.maxX - x);
            const uint64_t bits = row[x / 64] >> first;
            x += count;
            if (bits == 0) {
                std::memset(pixel, 0, static_cast<std::size_t>(count * Bytes));
                pixel += count * Bytes;
                continue;
            }
            for (int32_t i = 0; i < count; ++i, pixel += Bytes) {
                if ((bits >> i) & 1u) {
                    std::memcpy(pixel, litBytes, Bytes);
                } else {
                    std::memset(pixel, 0, Bytes);
                }
            }
        }
    }
}

bool SimpleFlash::saveTarget(SurfaceBackup& backup) {
    backup.save(AreaRect{0, target_.height(), target_.width(), 0});
    return true;
}

void SimpleFlash::markBrightPixels(const ILightningOptions& options) {
    litPixel_ = PixelChannels(target_.format()).encode(rgbOf(options.flashColour()), 0);
    const LockedSurface locked(target_);
    ::markBrightPixels(locked.pixels(), target_.format(), options.flashThreshold(), lit_.data(),
                       wordsPerRow_);
}
