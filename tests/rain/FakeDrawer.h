#pragma once

#include "rain/IDrawer.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

// A drop map that only remembers: heights are whatever the test sets, stamps and dirty
// rectangles are recorded, and every stamp returns the clipped placement a real template of
// that radius and stretch would cover.
class FakeDrawer final : public IDrawer {
public:
    struct Stamp {
        int32_t x;
        int32_t y;
        int32_t radius;
        int32_t stretch;
        TemplateKind kind;
        bool blend;
        DirtyRect covered;
    };

    FakeDrawer(int32_t width, int32_t height)
        : width_(width), height_(height), heights_(static_cast<std::size_t>(width * height)) {}

    void setHeight(int32_t x, int32_t y, uint8_t height) { heights_[index(x, y)] = height; }
    void wetEverywhere() { std::ranges::fill(heights_, uint8_t{1}); }

    int32_t addDirtyRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override {
        dirtyRects.push_back(DirtyRect{left, bottom, right, top});
        return static_cast<int32_t>(dirtyRects.size());
    }

    uint8_t heightAt(int32_t x, int32_t y) const override {
        if (x < 0 || x >= width_ || y < 0 || y >= height_) {
            ADD_FAILURE() << "height read outside the map at " << x << ", " << y;
            return 0;
        }
        return heights_[index(x, y)];
    }

    DirtyRect stampOverwrite(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                             TemplateKind kind) override {
        return record(x, y, radius, stretch, kind, false);
    }

    DirtyRect stampBlend(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                         TemplateKind kind) override {
        return record(x, y, radius, stretch, kind, true);
    }

    std::vector<Stamp> stampsOf(TemplateKind kind) const {
        std::vector<Stamp> matching;
        std::ranges::copy_if(stamps, std::back_inserter(matching),
                             [kind](const Stamp& stamp) { return stamp.kind == kind; });
        return matching;
    }

    std::vector<Stamp> stamps;
    std::vector<DirtyRect> dirtyRects;

private:
    std::size_t index(int32_t x, int32_t y) const {
        return static_cast<std::size_t>(y * width_ + x);
    }

    DirtyRect record(int32_t x, int32_t y, int32_t radius, int32_t stretch, TemplateKind kind,
                     bool blend) {
        const int32_t s = std::clamp(stretch, 0, radius);
        const int32_t left = std::max(x - radius, 0);
        const int32_t top = std::max(y - (radius + s), 0);
        const int32_t right = std::min(x + radius - 1, width_ - 1);
        const int32_t bottom = std::min(y + radius - 1, height_ - 1);
        const DirtyRect covered = right < left || bottom < top
                                      ? DirtyRect{0, 0, 0, 0}
                                      : DirtyRect{left, bottom, right, top};
        stamps.push_back(Stamp{x, y, radius, stretch, kind, blend, covered});
        return covered;
    }

    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> heights_;
};
