#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelFormat.h"
#include "display/PixelView.h"
#include "display/SurfaceLossEpoch.h"
#include "platform/ScreenMemory.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Graphics {
class Bitmap;
}

namespace Pixels {

// A picture in memory in one pixel format, with the few whole-surface operations the scene
// needs. Rows are padded to a multiple of 4 bytes. Every operation on a lost surface (or onto a
// lost target) raises DX5::Error with DDERR_SURFACELOST until restore(); blitting from or onto a
// locked surface, or locking it twice, raises DDERR_SURFACEBUSY.
class PixelSurface {
public:
    // lossEpoch: the device's count of surface losses; without one only markLost() loses it.
    PixelSurface(int32_t width, int32_t height, PixelFormat format,
                 std::shared_ptr<const SurfaceLossEpoch> lossEpoch = nullptr);
    // Over pixels kept elsewhere (the screen's own memory) when they have exactly this size and
    // format; otherwise the surface keeps pixels of its own.
    PixelSurface(int32_t width, int32_t height, PixelFormat format,
                 std::shared_ptr<const SurfaceLossEpoch> lossEpoch, const PixelView& external);
    virtual ~PixelSurface() = default;
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    // Bytes from one row to the next: rows padded to 4 bytes. Refuses shapes no display has
    // (DX5::Error), before anything is allocated.
    static int32_t pitchFor(int32_t width, int32_t height, const PixelFormat& format);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t pitch() const { return pitch_; }
    const PixelFormat& format() const { return format_; }

    // Direct access to the pixels until unlock().
    PixelBufferDesc lock();
    // Always succeeds, even on a surface lost meanwhile, so that it can end a lock in cleanup.
    void unlock();
    bool isLocked() const { return locked_; }

    // Copies the rectangle (right and bottom exclusive) onto the same rectangle of the target,
    // clipped to both surfaces.
    virtual void copyRectTo(PixelSurface& target, int32_t left, int32_t top, int32_t right,
                            int32_t bottom);
    // The same without telling the target, which shows the pixels later itself (a flip that
    // sends many rectangles to the screen at once).
    void copyRectQuietly(PixelSurface& target, const PixelRect& area);
    // Copies the whole surface unscaled with its top-left corner at (x, y) of the target, clipped.
    virtual void copyToAt(PixelSurface& target, int32_t x, int32_t y);
    // The whole surface onto the whole target; scaled when the sizes differ.
    virtual void copyTo(PixelSurface& target);
    // The whole surface scaled onto the whole target (areas averaged when shrinking, bilinear
    // when enlarging), converting the pixel format.
    virtual void stretchTo(PixelSurface& target);
    // The whole decoded picture scaled onto the whole surface in the surface's pixel format.
    void stretchFrom(const Graphics::Bitmap& picture);

    // Whether the two surfaces could trade pixels: the same size, format and row length, both
    // with pixels of their own.
    bool canExchangePixels(const PixelSurface& other) const;
    // Trades pixels with such a surface: a whole-surface copy each way at the cost of none. As
    // nothing is copied, it also works on lost or locked surfaces, so that a trade can always be
    // undone.
    void exchangePixels(PixelSurface& other);

    bool liesOnExternalPixels() const { return ownPixels_.empty(); }
    // Moves the surface onto other pixels kept elsewhere, or onto pixels of its own when they do
    // not fit; the picture is not carried over.
    void usePixels(const PixelView& external);

    // DD_OK when a blit could start now, else the code the blit would raise. Never raises.
    int32_t bltStatus() const;

    virtual bool isLost() const;
    // Ends the lost state. The pixels stay as they were; the owner redraws what it needs.
    virtual void restore();
    void markLost() { markedLost_ = true; }

protected:
    // Called after a blit or an unlock has written into area of this surface.
    virtual void pixelsWritten(const PixelRect& area);
    void throwIfLost() const;
    PixelView view();
    PixelRect bounds() const { return {0, 0, width_, height_}; }

private:
    void checkCanBlitOnto(const PixelSurface& target) const;
    bool fits(const PixelView& external) const;
    void announceWritten(const PixelRect& area);
    PixelRect copyBlock(PixelSurface& target, PixelRect sourceArea, int32_t targetX,
                        int32_t targetY);
    void copyRows(PixelSurface& target, const PixelRect& sourceArea, int32_t targetX,
                  int32_t targetY);
    uint8_t* pixelAt(int32_t x, int32_t y);

    int32_t width_;
    int32_t height_;
    PixelFormat format_;
    int32_t pitch_;
    // Empty while the surface lies on pixels kept elsewhere.
    std::vector<uint8_t, Platform::ScreenAllocator<uint8_t>> ownPixels_;
    uint8_t* pixels_;
    std::shared_ptr<const SurfaceLossEpoch> lossEpoch_;
    uint64_t goodAtLossCount_ = 0;
    bool markedLost_ = false;
    bool locked_ = false;
};

} // namespace Pixels
