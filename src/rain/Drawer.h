#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelRect.h"
#include "rain/DropTemplate.h"
#include "rain/IDrawer.h"
#include "rain/Surface.h"
#include "rain/TrackTemplate.h"

#include <cstdint>
#include <memory>
#include <vector>

// Owns the drop map and every template, and turns the rectangles that changed since the last
// frame into finished pixels.
class Drawer : public IDrawer {
public:
    Drawer(int32_t width, int32_t height, int32_t maxRadius);

    int32_t addDirtyRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    uint8_t heightAt(int32_t x, int32_t y) const override;
    DirtyRect stampOverwrite(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                             TemplateKind kind) override;
    DirtyRect stampBlend(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                         TemplateKind kind) override;
    void prefetchAround(int32_t x, int32_t y, int32_t radius, int32_t stretch) const override;

    // Renders every queued rectangle in the order it came, then forgets them.
    void draw(const PixelBufferDesc& destination, const PixelBufferDesc& background);
    // Dries the glass; rectangles already queued stay queued.
    void reset();

    const Surface& dropMap() const { return dropMap_; }
    // What the frame's drawing changes: every rectangle queued since the last draw().
    const std::vector<Pixels::PixelRect>& dirtyRects() const { return dirtyRects_; }
    int32_t maxRadius() const { return maxRadius_; }
    const SurfaceTemplate& templateFor(int32_t radius, int32_t stretch, TemplateKind kind) const;

private:
    template <typename Template>
    using TemplateTable = std::vector<std::vector<std::unique_ptr<Template>>>;

    template <typename Template> static TemplateTable<Template> buildTemplates(int32_t maxRadius);
    DirtyRect stamp(int32_t x, int32_t y, int32_t radius, int32_t stretch, TemplateKind kind,
                    StampMode mode);

    Surface dropMap_;
    TemplateTable<TrackTemplate> trackTemplates_;
    TemplateTable<DropTemplate> dropTemplates_;
    int32_t maxRadius_;
    std::vector<Pixels::PixelRect> dirtyRects_;
};
