#pragma once

#include "lightning/ILightningSegment.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

// A chain of strokes: each segment starts where the one before it ended.
class LightningBranch {
public:
    using Segments = std::vector<std::unique_ptr<ILightningSegment>>;

    void append(std::unique_ptr<ILightningSegment> segment) {
        segments_.push_back(std::move(segment));
    }

    const Segments& segments() const { return segments_; }
    std::size_t size() const { return segments_.size(); }
    bool empty() const { return segments_.empty(); }

private:
    Segments segments_;
};

// Branch 0 is the trunk; side branches follow in the order they were started, each sub-branch
// right after the branch it grew from.
using LightningBranchList = std::vector<std::unique_ptr<LightningBranch>>;
