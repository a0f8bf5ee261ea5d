#include "rain/DropSystem.h"

#include "platform/Rand15.h"

#include <algorithm>

namespace {

// A new drop's arrival streak is the wind plus a jitter of -19..20 pixels on each axis.
constexpr int32_t streakJitterRange = 40;
constexpr int32_t streakJitterOffset = 20;

int32_t jitteredStreak(int32_t wind) {
    return wind - rand15Below(streakJitterRange) + streakJitterOffset;
}

} // namespace

DropSystem::DropSystem(int32_t width, int32_t height, IDrawer& drawer, IMillisecondClock& clock)
    : drawer_(drawer), clock_(clock), startTime_(clock.now()), width_(width), height_(height),
      nextTime_(startTime_ + stepPeriod()) {}

DropSystem::~DropSystem() = default;

void DropSystem::applyOptions(const IDropSystemOptions& options) {
    density_ = static_cast<float>(options.density());
    windX_ = options.windX();
    windY_ = options.windY();
    minRadius_ = options.minRadius();
    radiusSpread_ = options.radiusSpread();
    densityRampUp_ = options.densityRampUp();
    speed_ = options.speed();
}

void DropSystem::update() {
    if (!isTimeReached(now(), nextTime_)) {
        return;
    }
    spawnDrops();
    moveDrops();
    purgeMarkedDrops();
    notifyListeners(&DropSystemListener::dropSystemUpdated, *this);
    // Measured from the end of the step, so a slow step delays the next one.
    nextTime_ = now() + stepPeriod();
}

void DropSystem::clear() {
    for (const auto& drop : drops_) {
        drop->detach();
    }
    drops_.clear();
    markedForRemoval_.clear();
}

Drop* DropSystem::findDropAt(int32_t px, int32_t py, int32_t pr) {
    for (const auto& drop : drops_) {
        if (!isMarkedForRemoval(*drop) && drop->hits(px, py, pr)) {
            return drop.get();
        }
    }
    return nullptr;
}

float DropSystem::rampElapsed() const {
    if (!densityRampUp_) {
        return density_;
    }
    const auto elapsedSeconds = static_cast<float>((now() - startTime_) / 1000u);
    return elapsedSeconds <= density_ ? elapsedSeconds : density_;
}

float DropSystem::rampLength() const {
    return density_;
}

uint32_t DropSystem::now() const {
    return clock_.now();
}

// Each round spawns with probability density / 100 and the rounds go on until one fails, so a
// step brings density / (100 - density) drops on average.
void DropSystem::spawnDrops() {
    float threshold = 0.0f;
    do {
        threshold = static_cast<float>(rand15Percent());
        if (rampElapsed() > threshold) {
            spawnDrop();
        }
    } while (rampElapsed() > threshold);
}

// The drop appears anywhere from which its arrival streak ends up on the picture.
void DropSystem::spawnDrop() {
    const int32_t streakX = jitteredStreak(windX_);
    const int32_t streakY = std::max(jitteredStreak(windY_), 0);
    const int32_t radius = minRadius_ + rand15Below(radiusSpread_);
    const int32_t x = rand15Below(width_ + streakX) - streakX;
    const int32_t y = rand15Below(height_ + streakY) - streakY;
    drops_.push_back(std::make_unique<Drop>(streakX, streakY, x, y, radius, drawer_));
}

// Gone drops stay in the list until the purge, so a partner never refers to a destroyed drop;
// the marks keep them from being found again in the meantime.
void DropSystem::moveDrops() {
    for (const auto& drop : drops_) {
        if (!drop->update(width_, height_, *this)) {
            markedForRemoval_.push_back(drop.get());
        }
    }
}

void DropSystem::purgeMarkedDrops() {
    if (markedForRemoval_.empty()) {
        return;
    }
    std::erase_if(drops_,
                  [this](const std::unique_ptr<Drop>& drop) { return isMarkedForRemoval(*drop); });
    markedForRemoval_.clear();
}

bool DropSystem::isMarkedForRemoval(const Drop& drop) const {
    return std::ranges::find(markedForRemoval_, &drop) != markedForRemoval_.end();
}

uint32_t DropSystem::stepPeriod() const {
    return static_cast<uint32_t>(1000 / speed_);
}
