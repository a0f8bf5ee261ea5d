#pragma once

#include "display/Bitmap.h"
#include "display/FrameDamage.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/PixelBufferDesc.h"

#include <cstdint>
#include <memory>

class IDropSystemOptions;

// The rain of the preview: only the drops, over a snapshot of the screen that never changes. The
// picture is two 24-bit buffers of the preview's size (red in bits 16 to 23, rows from the top,
// each padded to a multiple of 4 bytes): the snapshot and the composed picture that is shown.
class PreviewScene {
public:
    static constexpr int32_t referenceRadius = 8;

    // snapshot gives the preview's size. maxRadius is the options' bound on a drop's radius.
    PreviewScene(Graphics::Bitmap snapshot, int32_t maxRadius, const IDropSystemOptions& options,
                 IMillisecondClock& clock = systemClock());

    // Steps the drops and composes the changed parts of the picture; changedArea() then tells
    // which parts must be shown again.
    void frame();

    const DDraw::FrameDamage& changedArea() const { return damage_; }
    const PixelBufferDesc& destinationDescription() const { return destinationDescription_; }
    const PixelBufferDesc& backgroundDescription() const { return backgroundDescription_; }
    int32_t width() const { return backgroundPixels_.width(); }
    int32_t height() const { return backgroundPixels_.height(); }

private:
    static PixelBufferDesc describe(Graphics::Bitmap& pixels);

    Graphics::Bitmap backgroundPixels_;
    Graphics::Bitmap destinationPixels_;
    PixelBufferDesc backgroundDescription_;
    PixelBufferDesc destinationDescription_;
    std::unique_ptr<Drawer> drawer_;
    std::unique_ptr<DropSystem> dropSystem_;
    DDraw::FrameDamage damage_;
};
