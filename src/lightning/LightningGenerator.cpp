#include "lightning/LightningGenerator.h"

#include "lightning/LightningSegment.h"
#include "platform/Rand15.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double pi = std::numbers::pi;
// The size of a sharp kink is formed with single-precision pi; the bolts a seed yields depend on
// that.
constexpr double singlePrecisionPi = static_cast<double>(std::numbers::pi_v<float>);
constexpr double drawMax = 32767.0;

float unitDraw() {
    return static_cast<float>(rand15()) / 32767.0f;
}

// Turns are kept whole only while the new heading stays between straight down and straight up
// through the -x side; a turn past that is halved. This is what makes bolts lean to the left.
bool pointsOutsideLeftHalf(double heading) {
    return heading > 1.5 * pi || heading < 0.5 * pi;
}

} // namespace

LightningGenerator::LightningGenerator(const LightningGeneratorParameters& parameters)
    : parameters_(parameters) {
    const int32_t first = rand15();
    const int32_t second = rand15();
    angle_ = static_cast<float>(pi * (0.5 + (first - second) * 0.25 / drawMax));
    segmentLength_ = parameters_.segmentLength;
    width_ = parameters_.width;
    current_ = parameters_.start;
    onTrunk_ = true;
}

std::unique_ptr<Lightning> LightningGenerator::generate() {
    growBranch();
    auto bolt = std::make_unique<Lightning>(std::move(branches_), parameters_.colour);
    branches_.clear();
    // The branches belong to the bolt now, which may well outlive this generator's interest.
    currentBranch_ = nullptr;
    return bolt;
}

void LightningGenerator::growBranch() {
    startBranch();
    if (isBranchDone()) {
        return;
    }
    for (;;) {
        // The draw for shouldBranch() is taken on every step, even where no branch may start.
        if (shouldBranch() && canBranch()) {
            const TipState parentTip = saveTip();
            beginBranch();
            growBranch();
            restoreTip(parentTip);
        }
        addSegment();
        if (isBranchDone()) {
            return;
        }
    }
}

void LightningGenerator::startBranch() {
    branches_.push_back(std::make_unique<LightningBranch>());
    currentBranch_ = branches_.back().get();
}

bool LightningGenerator::shouldBranch() {
    return unitDraw() < parameters_.branchProbability;
}

bool LightningGenerator::canBranch() const {
    return segmentCount() > 0 && width_ > 2.0f;
}

void LightningGenerator::beginBranch() {
    segmentLength_ *= parameters_.branchLengthFactor;
    width_ *= parameters_.branchWidthFactor;
    const float turn = branchAngle();
    angle_ = angle_ + turn;
    onTrunk_ = false;
}

void LightningGenerator::addSegment() {
    const PointF end = nextPoint();
    currentBranch_->append(std::make_unique<LightningSegment>(currentPoint(), end, width_));
    current_ = currentBranch_->segments().back()->end();
    if (lowestY_ < current_.y) {
        lowestY_ = current_.y;
    }
}

PointF LightningGenerator::nextPoint() {
    // Every segment deviates from the same base heading, so a branch wanders around a straight
    // line instead of curling up.
    const float theta = angle_ + deviation();
    const double step = segmentLength_;
    return PointF{static_cast<float>(current_.x + step * std::cos(static_cast<double>(theta))),
                  static_cast<float>(current_.y + step * std::sin(static_cast<double>(theta)))};
}

bool LightningGenerator::isBranchDone() const {
    if (onTrunk_) {
        return lowestY_ >= parameters_.limitY;
    }
    return segmentCount() == parameters_.maxBranchSegments;
}

int32_t LightningGenerator::segmentCount() const {
    if (currentBranch_ == nullptr) {
        return 0;
    }
    return static_cast<int32_t>(currentBranch_->size());
}

PointF LightningGenerator::currentPoint() const {
    return current_;
}

float LightningGenerator::deviation() {
    if (unitDraw() > 0.9) {
        // A sharp kink, 45 to 105 degrees, about one step in ten.
        double turn = (0.25 + rand15() / (3.0 * drawMax)) * singlePrecisionPi;
        if (rand15() > 16383) {
            turn = -turn;
        }
        const float heading = static_cast<float>(angle_ + turn);
        if (pointsOutsideLeftHalf(heading)) {
            return (heading - angle_) * 0.5f;
        }
        return static_cast<float>(turn);
    }
    // A gentle wobble within +-30 degrees, most often close to none.
    const int32_t first = rand15();
    const int32_t second = rand15();
    return static_cast<float>((first - second) * pi / (6.0 * drawMax));
}

float LightningGenerator::branchAngle() {
    double turn = (0.2 + 0.6 * rand15() / drawMax) * pi / 2.0;
    if (rand15() > 16383) {
        turn = -turn;
    }
    const double heading = angle_ + turn;
    if (pointsOutsideLeftHalf(heading)) {
        return static_cast<float>((heading - angle_) * 0.5);
    }
    return static_cast<float>(turn);
}

LightningGenerator::TipState LightningGenerator::saveTip() const {
    return TipState{current_, angle_, segmentLength_, width_, onTrunk_, currentBranch_};
}

void LightningGenerator::restoreTip(const TipState& tip) {
    current_ = tip.current;
    angle_ = tip.angle;
    segmentLength_ = tip.segmentLength;
    width_ = tip.width;
    onTrunk_ = tip.onTrunk;
    currentBranch_ = tip.branch;
}
