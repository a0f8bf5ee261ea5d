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

// The templates cover a radius to each side, and above the drop its stretch too; the probes look
// at single pixels a little beside and below.
void Drawer::prefetchAround(int32_t x, int32_t y, int32_t radius, int32_t stretch) const {
    const int32_t top = y - radius - std::clamp(stretch, 0, radius);
    dropMap_.prefetchMap({x - radius, top, x + radius, y + radius});
    constexpr int32_t sideReach = 3;
    for (const int32_t row : {y + radius, y + radius + 2}) {
        dropMap_.prefetchMap({x - radius - sideReach, row, x - radius - sideReach + 1, row + 1});
        dropMap_.prefetchMap({x + radius + sideReach, row, x + radius + sideReach + 1, row + 1});
    }
    constexpr int32_t belowReach = 5;
    dropMap_.prefetchMap({x, y + 2 * radius + 2, x + 1, y + 2 * radius + belowReach + 1});
}

// The next rectangle's map is asked for while one is drawn. Its destination and background are
// not: the destination lies in the window's memory, in small pages, where asking for each row
// ahead costs a walk through the page tables, and the saver took more time with the background
// asked for than without, at 1920x1080 and at 3840x2160 alike.
void Drawer::draw(const PixelBufferDesc& destination, const PixelBufferDesc& background) {
    for (std::size_t i = 0; i < dirtyRects_.size(); ++i) {
        if (i + 1 < dirtyRects_.size()) {
            dropMap_.prefetchMap(dirtyRects_[i + 1]);
        }
        dropMap_.renderArea(dirtyRects_[i], destination, background);
    }
    dirtyRects_.clear();
}

void Drawer::reset() {
    dropMap_.clear();
}
