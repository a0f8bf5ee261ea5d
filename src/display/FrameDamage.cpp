#include "display/FrameDamage.h"

#include <algorithm>

namespace Pixels {

namespace {

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

} // namespace

FrameDamage::FrameDamage(int32_t width, int32_t height, int64_t mergeSlack)
    : width_(width), height_(height), mergeSlack_(mergeSlack) {}

void FrameDamage::clear() {
    whole_ = false;
    rects_.clear();
}

void FrameDamage::addWholeFrame() {
    rects_.clear();
    rects_.push_back({0, 0, width_, height_});
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
    for (std::size_t k = rects_.size(); k-- > 0;) {
        if (worthMerging(rects_[k], inside)) {
            mergeInto(k, inside);
            return;
        }
    }
    rects_.push_back(inside);
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
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t k = 0; k < rects_.size(); ++k) {
            if (k != index && worthMerging(rects_[k], grown)) {
                grown = unionOf(rects_[k], grown);
                rects_[k] = rects_.back();
                rects_.pop_back();
                if (index == rects_.size()) {
                    index = k;
                }
                changed = true;
                break;
            }
        }
    }
    rects_[index] = grown;
}

} // namespace Pixels
