#include "rain/Drawer.h"

#include <algorithm>
#include <utility>

namespace {

// Queued rectangles in a busy frame; reserving them keeps the frame path free of allocation.
constexpr std::size_t expectedDirtyRects = 4096;

} // namespace

template <typename Template>
Drawer::TemplateTable<Template> Drawer::buildTemplates(int32_t maxRadius) {
    TemplateTable<Template> table(static_cast<std::size_t>(maxRadius));
    for (int32_t radius = 1; radius <= maxRadius; ++radius) {
        auto& stretches = table[static_cast<std::size_t>(radius - 1)];
        for (int32_t stretch = 0; stretch <= radius; ++stretch) {
            stretches.push_back(std::make_unique<Template>(radius, stretch));
            stretches.back()->generate();
        }
    }
    return table;
}

Drawer::Drawer(int32_t width, int32_t height, int32_t maxRadius)
    : dropMap_(width, height), trackTemplates_(buildTemplates<TrackTemplate>(maxRadius)),
      dropTemplates_(buildTemplates<DropTemplate>(maxRadius)), maxRadius_(maxRadius) {
    dirtyRects_.reserve(expectedDirtyRects);
}

int32_t Drawer::addDirtyRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    // The drops name the last row and column they touched; the frame counts past them.
    if (right - left > 0 && bottom - top > 0) {
        dirtyRects_.push_back(areaOf(DirtyRect{left, bottom, right, top}));
    }
    return static_cast<int32_t>(dirtyRects_.size());
}

uint8_t Drawer::heightAt(int32_t x, int32_t y) const {
    return dropMap_.heightAt(x, y);
}

const SurfaceTemplate& Drawer::templateFor(int32_t radius, int32_t stretch,
                                           TemplateKind kind) const {
    const auto row = static_cast<std::size_t>(radius - 1);
    const auto column = static_cast<std::size_t>(std::clamp(stretch, 0, radius));
    if (kind == TemplateKind::Track) {
        return *trackTemplates_[row][column];
    }
    return *dropTemplates_[row][column];
}

DirtyRect Drawer::stamp(int32_t x, int32_t y, int32_t radius, int32_t stretch, TemplateKind kind,
                        StampMode mode) {
    return dropMap_.stamp(x, y, templateFor(radius, stretch, kind), mode);
}

DirtyRect Drawer::stampOverwrite(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                                 TemplateKind kind) {
    return stamp(x, y, radius, stretch, kind, StampMode::Overwrite);
}

DirtyRect Drawer::stampBlend(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                             TemplateKind kind) {
    return stamp(x, y, radius, stretch, kind, StampMode::Blend);
}

// A drop's templates reach a radius to each side, and up to twice the radius above it where its
// trail stretches; its probes look a few pixels further to the sides and below.
void Drawer::prefetchAround(int32_t x, int32_t y, int32_t radius) const {
    constexpr int32_t probeReach = 6;
    dropMap_.prefetchMap({x - radius - probeReach, y - 2 * radius, x + radius + probeReach + 1,
                          y + 2 * radius + probeReach + 1});
}

void Drawer::draw(const PixelBufferDesc& destination, const PixelBufferDesc& background) {
    for (std::size_t i = 0; i < dirtyRects_.size(); ++i) {
        if (i + 1 < dirtyRects_.size()) {
            dropMap_.prefetchArea(dirtyRects_[i + 1], destination, background);
        }
        dropMap_.renderArea(dirtyRects_[i], destination, background);
    }
    dirtyRects_.clear();
}

void Drawer::reset() {
    dropMap_.clear();
}
