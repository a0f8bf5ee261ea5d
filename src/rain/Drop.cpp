#include "rain/Drop.h"

#include "platform/Rand15.h"
#include "rain/DropTuning.h"
#include "rain/IDropSystem.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t fractionBits = 8;
constexpr int32_t fixedOne = 1 << fractionBits;

// Chance per step, in percent, that a drop that has slid away from its landing row wobbles.
constexpr int32_t wobblePercent = 15;
// Chance per step, in percent, that a drop on wet glass changes its speed.
constexpr int32_t wetSpeedChangePercent = 30;
// Slower than this a drop is at rest.
constexpr int32_t restingSpeed = 10;
// Each glide step covers this fraction (1/n) of the way to the partner's centre.
constexpr int32_t glideDivisor = 5;
// A gliding drop is absorbed within (r1 + r2) / this of its partner's centre.
constexpr int32_t reachDivisor = 4;
// Probes beyond the drop's own footprint: merge probes look further out than slide probes.
constexpr int32_t mergeProbeGap = 3;
constexpr int32_t mergeProbeBelowGap = 5;
constexpr int32_t slideProbeGap = 2;
// Anything at most this high is trail or dry glass, never another drop's body.
constexpr int32_t trailHeight = 1;

int32_t toFixed(int32_t whole) {
    return whole * fixedOne;
}

int32_t toWhole(int32_t fixed) {
    return fixed >> fractionBits;
}

int32_t startSpeed(int32_t base, int32_t spread) {
    return base + spread - rand15Below(2 * spread);
}

} // namespace

Drop::Drop(int32_t streakX, int32_t streakY, int32_t x, int32_t y, int32_t radius, IDrawer& drawer)
    : vx_(streakX), vy_(streakY), x_(x), y_(y), r_(radius), xFixed_(toFixed(x)),
      yFixed_(toFixed(y)), rFixed_(toFixed(radius)), drawer_(drawer) {}

bool Drop::update(int32_t width, int32_t height, IDropSystem& system) {
    if (!hasLanded()) {
        land();
        slideStartY_ = y_;
        countdown_ = 0;
    }
    rect_ = stampTrack();
    const int32_t oldX = x_;
    wobble();
    if (!probeForMerges(width, height, system)) {
        return leave();
    }
    slideDecision(width, height);
    stopIfTooSlow();
    startIfResting();
    updateRadius();
    if (mergeState_ != MergeState::Gliding) {
        moveByVelocity();
    }
    if (isOutside(width, height)) {
        detachFromMerge();
        return leave();
    }
    stampBody(oldX);
    return true;
}

bool Drop::hits(int32_t px, int32_t py, int32_t pr) const {
    const int32_t dx = x_ - px;
    const int32_t dy = y_ - py;
    const int32_t reach = r_ + pr;
    return dx * dx + dy * dy <= reach * reach;
}

void Drop::eraseToTrack() {
    rect_ = stampTrack();
    reportDirty(rect_);
}

void Drop::detach() {
    mergeState_ = MergeState::Free;
    partner_ = nullptr;
}

void Drop::grow(int32_t absorbedRadius) {
    r_ = std::min(std::max(absorbedRadius, r_) + 1, dropTuning().referenceRadius);
    rFixed_ = toFixed(r_);
}

// Until now (vx, vy) held the arrival streak in whole pixels; from here on they are a velocity.
void Drop::land() {
    const int32_t steps = std::max(std::abs(vx_), std::abs(vy_));
    if (steps > 0) {
        drawArrivalStreak(steps);
    }
    vx_ = 0;
    vy_ = 0;
    ay_ = 0;
    xFixed_ = toFixed(x_);
    yFixed_ = toFixed(y_);
}

// The streak starts one pixel wide and widens toward the full radius; the drop ends up at the
// last point stamped.
void Drop::drawArrivalStreak(int32_t steps) {
    const auto count = static_cast<float>(steps);
    const float stepX = static_cast<float>(vx_) / count;
    const float stepY = static_cast<float>(vy_) / count;
    const float radiusStep = static_cast<float>(r_ - 1) / count;
    auto fx = static_cast<float>(x_);
    auto fy = static_cast<float>(y_);
    float currentRadius = 1.0f;
    DirtyRect last{};
    for (int32_t k = 0; k < steps; ++k) {
        x_ = static_cast<int32_t>(fx);
        y_ = static_cast<int32_t>(fy);
        last = drawer_.stampOverwrite(x_, y_, static_cast<int32_t>(currentRadius), 0,
                                      TemplateKind::Track);
        reportDirty(last);
        if (k == 0) {
            rect_ = last;
        }
        fx += stepX;
        fy += stepY;
        currentRadius += radiusStep;
    }
    if (vx_ < 0) {
        rect_.left = last.left;
    } else {
        rect_.right = last.right;
    }
}

DirtyRect Drop::stampTrack() {
    return drawer_.stampOverwrite(x_, y_, r_, y_ - slideStartY_, TemplateKind::Track);
}

// Once the countdown has run out the percent is drawn every step, even while the drop is still
// too close to where it landed to wobble.
void Drop::wobble() {
    if (countdown_ != 0) {
        --countdown_;
        return;
    }
    vx_ = 0;
    if (rand15Percent() < wobblePercent && y_ - slideStartY_ > r_) {
        const DropTuning& tuning = dropTuning();
        vx_ = tuning.wobbleAmplitude - rand15Below(2 * tuning.wobbleAmplitude);
        countdown_ = rand15Below(tuning.wobbleCountdownRange);
    }
}

// False when this drop has been absorbed. A drop already in a merge only continues it; a free
// drop looks to the right, to the left and below, in that order. Once a probe has started a
// merge, the later probes of the same step continue it.
bool Drop::probeForMerges(int32_t width, int32_t height, IDropSystem& system) {
    if (mergeState_ != MergeState::Free) {
        return mergeStep(x_ + r_ + mergeProbeGap, y_ + r_, system);
    }
    return probeForMerge(x_ + r_ + mergeProbeGap, y_ + r_, width, height, system) &&
           probeForMerge(x_ - r_ - mergeProbeGap, y_ + r_, width, height, system) &&
           probeForMerge(x_, y_ + 2 * r_ + mergeProbeBelowGap, width, height, system);
}

// A probe on another drop's body starts no merge: only trail or dry glass does.
bool Drop::probeForMerge(int32_t px, int32_t py, int32_t width, int32_t height,
                         IDropSystem& system) {
    if (probeHeight(px, py, width, height) > trailHeight) {
        return true;
    }
    return mergeStep(px, py, system);
}

// False when this drop has been absorbed into its partner.
bool Drop::mergeStep(int32_t px, int32_t py, IDropSystem& system) {
    Drop* target = partner_;
    if (mergeState_ == MergeState::Free) {
        target = system.findDropAt(px, py, r_);
        if (target == nullptr || !target->hasLanded()) {
            return true;
        }
    }
    const bool targetIsBusy = target->partner_ != nullptr && target->partner_ != this;
    // Only the upper drop glides into the lower one; this also rules out the drop itself.
    if (targetIsBusy || y_ >= target->y_) {
        return true;
    }
    mergeState_ = MergeState::Gliding;
    partner_ = target;
    target->mergeState_ = MergeState::GlidedInto;
    target->partner_ = this;
    glideToward(*target);
    if (!isWithinReachOf(*target)) {
        return true;
    }
    target->detach();
    target->grow(r_);
    detach();
    return false;
}

void Drop::glideToward(const Drop& target) {
    yFixed_ += toFixed(target.y_ - y_) / glideDivisor;
    y_ = toWhole(yFixed_);
    xFixed_ += toFixed(target.x_ - x_) / glideDivisor;
    x_ = toWhole(xFixed_);
}

bool Drop::isWithinReachOf(const Drop& target) const {
    const int32_t reach = (target.r_ + r_) / reachDivisor;
    const int32_t dx = x_ - target.x_;
    const int32_t dy = y_ - target.y_;
    return dx * dx + dy * dy <= reach * reach;
}

void Drop::slideDecision(int32_t width, int32_t height) {
    const int32_t below = probeHeight(x_, y_ + 2 * r_ + slideProbeGap, width, height);
    const int32_t sideY = y_ + r_ + slideProbeGap;
    const int32_t left = probeHeight(x_ - r_ - slideProbeGap, sideY, width, height);
    const int32_t right = probeHeight(x_ + r_ + slideProbeGap, sideY, width, height);
    if (below == 0) {
        slideOnDryGlass();
    } else {
        slideOnWetGlass();
    }
    pullTowardWetSide(left, right);
}

// Exactly the wet speed means the drop has just run off a wet path: it falls back to a slow
// start's speed and brakes from there.
void Drop::slideOnDryGlass() {
    const DropTuning& tuning = dropTuning();
    if (vy_ == tuning.slideSpeed) {
        vy_ = scaledByRadius(startSpeed(tuning.slowStartBase, tuning.slowStartSpread));
        ay_ = tuning.deceleration;
    }
    vy_ += ay_;
}

// Only drops of the reference radius keep a speed at or above the wet speed; smaller ones are
// reset to it and scaled down again every step.
void Drop::slideOnWetGlass() {
    const int32_t slideSpeed = dropTuning().slideSpeed;
    if (vy_ < slideSpeed) {
        vy_ = slideSpeed;
        if (rand15Percent() < wetSpeedChangePercent) {
            vy_ += vy_ * rand15Percent() / 100;
        }
        vy_ = scaledByRadius(vy_);
    } else if (rand15Percent() < wetSpeedChangePercent) {
        vy_ = scaledByRadius(slideSpeed);
    }
}

void Drop::pullTowardWetSide(int32_t leftHeight, int32_t rightHeight) {
    const int32_t pull = dropTuning().sidewaysPull;
    if (leftHeight != 0 && rightHeight == 0) {
        vx_ = -pull;
    } else if (leftHeight == 0 && rightHeight != 0) {
        vx_ = pull;
    }
}

void Drop::stopIfTooSlow() {
    if (vy_ < restingSpeed) {
        vy_ = 0;
        ay_ = 0;
    }
}

void Drop::startIfResting() {
    if (vy_ != 0) {
        return;
    }
    const DropTuning& tuning = dropTuning();
    if (rand15Percent() < tuning.slowStartPercent) {
        vy_ = scaledByRadius(startSpeed(tuning.slowStartBase, tuning.slowStartSpread));
        ay_ = tuning.deceleration;
    }
    if (vy_ == 0 && rand15Percent() < tuning.fastStartPercent) {
        vy_ = scaledByRadius(startSpeed(tuning.fastStartBase, tuning.fastStartSpread));
        ay_ = tuning.deceleration;
    }
    if (vy_ == 0) {
        vx_ = 0;
    }
}

// A spawn radius above the reference radius only shapes the arrival streak.
void Drop::updateRadius() {
    const DropTuning& tuning = dropTuning();
    if (r_ <= tuning.stillRadius) {
        vx_ = 0;
        vy_ = 0;
        ay_ = 0;
    }
    r_ = std::max(std::min(toWhole(rFixed_), tuning.referenceRadius), 1);
}

void Drop::moveByVelocity() {
    xFixed_ += vx_;
    x_ = toWhole(xFixed_);
    yFixed_ += vy_;
    y_ = toWhole(yFixed_);
}

bool Drop::isOutside(int32_t width, int32_t height) const {
    return x_ < -r_ || x_ > width + r_ || y_ < -r_ || y_ > height + r_;
}

// Both sides of a merge are released before either can be destroyed.
void Drop::detachFromMerge() {
    if (mergeState_ != MergeState::Free) {
        partner_->detach();
        detach();
    }
}

// The dirty rectangle spans the erased footprint and the new body; the body only ever moves
// down or sideways, so the top of the erased footprint stays.
void Drop::stampBody(int32_t oldX) {
    const int32_t stretch = y_ - slideStartY_;
    // Overlapping bodies of a merge keep the higher water of both.
    const DirtyRect body = mergeState_ == MergeState::Free
                               ? drawer_.stampOverwrite(x_, y_, r_, stretch, TemplateKind::Drop)
                               : drawer_.stampBlend(x_, y_, r_, stretch, TemplateKind::Drop);
    // A body wholly past the edge covers nothing; stretching the erased footprint to its empty
    // rectangle would reach to the picture's corner and re-render half the screen.
    const bool bodyVisible = !(body == DirtyRect{0, 0, 0, 0});
    if (bodyVisible) {
        rect_.bottom = body.bottom;
        if (oldX > x_) {
            rect_.left = body.left;
        } else {
            rect_.right = body.right;
        }
    }
    reportDirty(rect_);
}

// Reports the erased footprint, the drop's last trace, and tells the system the drop is gone.
bool Drop::leave() {
    reportDirty(rect_);
    return false;
}

void Drop::reportDirty(const DirtyRect& rect) {
    drawer_.addDirtyRect(rect.left, rect.top, rect.right, rect.bottom);
}

// The picture's border counts as trail, so drops near the edge are drawn toward it and run
// off rather than stopping at it.
int32_t Drop::probeHeight(int32_t px, int32_t py, int32_t width, int32_t height) const {
    if (px < 0 || px >= width || py < 0 || py >= height) {
        return trailHeight;
    }
    return drawer_.heightAt(px, py);
}

int32_t Drop::scaledByRadius(int32_t speed) const {
    const double share = static_cast<double>(r_) / dropTuning().referenceRadius;
    return static_cast<int32_t>(share * speed);
}
