#pragma once

#include "lightning/Lightning.h"
#include "lightning/LightningSegment.h"
#include "options/ILightningOptions.h"
#include "rain/IDropSystem.h"

#include <memory>
#include <utility>
#include <vector>

// Lightning settings a test sets field by field.
struct FakeLightningOptions : ILightningOptions {
    bool bolts = true;
    uint32_t bolt = 0x00FFFFFF;
    int32_t random = 0;
    bool flashes = true;
    uint32_t flash = 0x00FFFFFF;
    uint8_t threshold = 128;
    int32_t minimum = 5;
    int32_t spread = 0;

    bool boltsEnabled() const override { return bolts; }
    uint32_t boltColour() const override { return bolt; }
    int32_t randomColour() const override { return random; }
    bool flashesEnabled() const override { return flashes; }
    uint32_t flashColour() const override { return flash; }
    uint8_t flashThreshold() const override { return threshold; }
    int32_t minInterval() const override { return minimum; }
    int32_t intervalSpread() const override { return spread; }
};

// Rain whose ramp-up the test moves by hand.
struct FakeDropSystem : IDropSystem {
    float elapsed = 10.0f;
    float length = 10.0f;

    Drop* findDropAt(int32_t, int32_t, int32_t) override { return nullptr; }
    float rampElapsed() const override { return elapsed; }
    float rampLength() const override { return length; }
};

// A bolt made of the given branches, each a chain through the given points.
inline std::unique_ptr<Lightning> boltThrough(const std::vector<std::vector<PointF>>& chains,
                                              float width = 6.0f, uint32_t colour = 0x00FFFFFF) {
    LightningBranchList branches;
    for (const auto& chain : chains) {
        auto branch = std::make_unique<LightningBranch>();
        for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
            branch->append(std::make_unique<LightningSegment>(chain[i], chain[i + 1], width));
        }
        branches.push_back(std::move(branch));
    }
    return std::make_unique<Lightning>(std::move(branches), colour);
}
