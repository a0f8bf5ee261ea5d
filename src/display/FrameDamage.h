#pragma once

#include "display/PixelView.h"
#include "display/RectColumns.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Pixels {

// The parts of a frame that changed and must reach the screen. Rectangles are clipped to the
// frame, and one that lies close to another is merged into it when the pixels the union adds
// cost less to send than a rectangle of its own: a frame of rain brings a few hundred tiny,
// often overlapping rectangles, and each one sent costs a request to the display.
class FrameDamage {
public:
    // Merging is worth it up to this many pixels added by the union: measured on X11 shared
    // memory, one more rectangle costs about as much as sending this many more pixels.
    static constexpr int64_t defaultMergeSlack = 1024;

    FrameDamage(int32_t width, int32_t height, int64_t mergeSlack = defaultMergeSlack);

    void clear();
    void add(const PixelRect& area);
    void addWholeFrame();

    bool isEmpty() const { return rects_.empty(); }
    bool coversWholeFrame() const { return whole_; }
    std::span<const PixelRect> rects() const { return rects_; }

private:
    PixelRect reachOf(const PixelRect& area) const;
    std::size_t blockCount() const;
    // Bits of the block's rectangles that reach close enough to be worth a closer look.
    uint32_t nearIn(std::size_t first, const PixelRect& reach) const;
    bool worthMerging(const PixelRect& a, const PixelRect& b) const;
    void mergeInto(std::size_t index, const PixelRect& area);
    std::optional<std::size_t> firstWorthMerging(const PixelRect& area, std::size_t skipped) const;
    void append(const PixelRect& area);
    void removeSwappingLast(std::size_t index);

    int32_t width_;
    int32_t height_;
    int64_t mergeSlack_;
    // Frames too large for the columns are searched one rectangle at a time.
    bool indexed_;
    bool whole_ = false;
    std::vector<PixelRect> rects_;
    RectColumns columns_;
};

} // namespace Pixels
