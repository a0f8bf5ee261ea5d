#pragma once

#include "lightning/Lightning.h"
#include "lightning/LightningBranch.h"
#include "lightning/LightningGeneratorParameters.h"
#include "lightning/PointF.h"

#include <cstdint>
#include <memory>

// Grows one bolt from the process-wide rand15 sequence. The order of the draws is fixed, so the
// same sequence always yields the same bolt. Single use: construct, generate() once, discard.
//
// The growth steps are virtual so that a variant (or a test) can steer the shape, e.g. by
// replacing deviation().
class LightningGenerator {
public:
    // Takes two draws for the trunk's heading.
    explicit LightningGenerator(const LightningGeneratorParameters& parameters);
    virtual ~LightningGenerator() = default;

    LightningGenerator(const LightningGenerator&) = delete;
    LightningGenerator& operator=(const LightningGenerator&) = delete;

    std::unique_ptr<Lightning> generate();

    virtual bool isBranchDone() const;
    virtual int32_t segmentCount() const;
    virtual PointF currentPoint() const;
    // Where the next segment of the current branch ends; draws through deviation().
    virtual PointF nextPoint();
    // Turn of one segment away from the branch's base direction, in radians.
    virtual float deviation();
    // Turn of a new side branch away from its parent's base direction, in radians.
    virtual float branchAngle();
    virtual bool canBranch() const;

private:
    // What a side branch changes and its parent must get back afterwards.
    struct TipState {
        PointF current;
        float angle;
        float segmentLength;
        float width;
        bool onTrunk;
        LightningBranch* branch;
    };

    void growBranch();
    void startBranch();
    bool shouldBranch();
    void beginBranch();
    void addSegment();
    TipState saveTip() const;
    void restoreTip(const TipState& tip);

    LightningBranchList branches_;
    LightningGeneratorParameters parameters_;
    PointF current_;
    float angle_;
    float segmentLength_;
    float width_;
    bool onTrunk_;
    LightningBranch* currentBranch_ = nullptr;
    float lowestY_ = 0.0f;
};
