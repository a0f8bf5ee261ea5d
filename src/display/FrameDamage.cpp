#include "display/FrameDamage.h"

#include <algorithm>
#include <bit>

namespace Pixels {

namespace {

// The columns hold coordinates in 16 bits.
constexpr int32_t largestIndexedSide = 32767;

int64_t areaOf(const PixelRect& rect) {
    return rect.isEmpty() ? 0 : int64_t{rect.width()} * rect.height();
}

PixelRect unionOf(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

PixelRect intersectionOf(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

uint32_t highestBit(uint32_t bits) {
    return 31u - static_cast<uint32_t>(std::countl_zero(bits));
}

} // namespace

FrameDamage::FrameDamage(int32_t width, int32_t height, int64_t mergeSlack)
    : width_(width), height_(height), mergeSlack_(mergeSlack),
      indexed_(width <= largestIndexedSide && height <= largestIndexedSide) {}

void FrameDamage::clear() {
    whole_ = false;
    rects_.clear();
    columns_.clear();
}

void FrameDamage::addWholeFrame() {
    clear();
    append({0, 0, width_, height_});
    whole_ = true;
}

void FrameDamage::add(const PixelRect& area) {
    if (whole_) {
        return;
    }
    const PixelRect inside = intersectionOf(area, {0, 0, width_, height_});
    if (inside.isEmpty()) {
        return;
    }
    // Rain reports a drop's rectangles one after another, so the last one is the likeliest
    // partner.
    const PixelRect reach = reachOf(inside);
    for (std::size_t block = blockCount(); block-- > 0;) {
        const std::size_t first = block * RectColumns::blockSize;
        for (uint32_t near = nearIn(first, reach); near != 0;) {
            const uint32_t bit = highestBit(near);
            near &= ~(1u << bit);
            const std::size_t k = first + bit;
            if (worthMerging(rects_[k], inside)) {
                mergeInto(k, inside);
                return;
            }
        }
    }
    append(inside);
}

// A rectangle that lies a gap g to the side of another makes the union add at least g times
// the other's height; so beyond the slack divided by that height, and likewise above and below,
// no rectangle is worth merging with it.
PixelRect FrameDamage::reachOf(const PixelRect& area) const {
    const int64_t across = std::max<int64_t>(0, mergeSlack_ / area.height());
    const int64_t down = std::max<int64_t>(0, mergeSlack_ / area.width());
    const auto widen = [](int32_t edge, int64_t by) {
        return static_cast<int32_t>(std::clamp<int64_t>(edge + by, INT32_MIN, INT32_MAX));
    };
    return {widen(area.left, -across), widen(area.top, -down), widen(area.right, across),
            widen(area.bottom, down)};
}

std::size_t FrameDamage::blockCount() const {
    return (rects_.size() + RectColumns::blockSize - 1) / RectColumns::blockSize;
}

uint32_t FrameDamage::nearIn(std::size_t first, const PixelRect& reach) const {
    if (indexed_) {
        return columns_.reachingInto(first, reach);
    }
    const std::size_t present = std::min(RectColumns::blockSize, rects_.size() - first);
    return (1u << present) - 1u;
}

// Most rectangles of a frame lie far apart: the union alone shows that no overlap could make
// merging them pay, and the overlap is worked out only for the few that lie close. Both
// rectangles are never empty here.
bool FrameDamage::worthMerging(const PixelRect& a, const PixelRect& b) const {
    const int64_t unionWidth = std::max(a.right, b.right) - std::min(a.left, b.left);
    const int64_t unionHeight = std::max(a.bottom, b.bottom) - std::min(a.top, b.top);
    const int64_t added = unionWidth * unionHeight - int64_t{a.width()} * a.height() -
                          int64_t{b.width()} * b.height();
    if (added > mergeSlack_) {
        return false;
    }
    return added + areaOf(intersectionOf(a, b)) <= mergeSlack_;
}

// The grown rectangle may now be worth merging with others; they are folded into it, so the
// list never holds two rectangles worth merging that were both seen by add().
void FrameDamage::mergeInto(std::size_t index, const PixelRect& area) {
    PixelRect grown = unionOf(rects_[index], area);
    while (const std::optional<std::size_t> k = firstWorthMerging(grown, index)) {
        grown = unionOf(rects_[*k], grown);
        removeSwappingLast(*k);
        if (index == rects_.size()) {
            index = *k;
        }
    }
    rects_[index] = grown;
    if (indexed_) {
        columns_.replace(index, grown);
    }
}

std::optional<std::size_t> FrameDamage::firstWorthMerging(const PixelRect& area,
                                                          std::size_t skipped) const {
    const PixelRect reach = reachOf(area);
    for (std::size_t first = 0; first < rects_.size(); first += RectColumns::blockSize) {
        for (uint32_t near = nearIn(first, reach); near != 0; near &= near - 1) {
            const std::size_t k = first + static_cast<std::size_t>(std::countr_zero(near));
            if (k != skipped && worthMerging(rects_[k], area)) {
                return k;
            }
        }
    }
    return std::nullopt;
}

void FrameDamage::append(const PixelRect& area) {
    rects_.push_back(area);
    if (indexed_) {
        columns_.append(area);
    }
}

void FrameDamage::removeSwappingLast(std::size_t index) {
    rects_[index] = rects_.back();
    rects_.pop_back();
    if (indexed_) {
        columns_.removeSwappingLast(index);
    }
}

} // namespace Pixels
