#include "rain/DropSystem.h"

#include "platform/Rand15.h"
#include "rain/DropTuning.h"

#include <algorithm>

namespace {

// A new drop's arrival streak is the wind plus a jitter of -19..20 pixels on each axis.
constexpr int32_t streakJitterRange = 40;
constexpr int32_t streakJitterOffset = 20;

int32_t jitteredStreak(int32_t wind) {
    return wind - rand15Below(streakJitterRange) + streakJitterOffset;
}

} // namespace

// A cell as wide as the largest landed drop keeps a probe within a few cells.
DropSystem::DropSystem(int32_t width, int32_t height, IDrawer& drawer, IMillisecondClock& clock)
    : drawer_(drawer), clock_(clock), grid_(width, height, 2 * dropTuning().referenceRadius + 1),
      largestRadius_(dropTuning().referenceRadius), startTime_(clock.now()), width_(width),
      height_(height), nextTime_(startTime_ + stepPeriod()) {}

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
    gridIsCurrent_ = false;
}

Drop* DropSystem::findDropAt(int32_t px, int32_t py, int32_t pr) {
    return lookup_ == Lookup::Grid ? findInGrid(px, py, pr) : findInList(px, py, pr);
}

Drop* DropSystem::findInList(int32_t px, int32_t py, int32_t pr) {
    for (const auto& drop : drops_) {
        if (!isMarkedForRemoval(*drop) && drop->hits(px, py, pr)) {
            return drop.get();
        }
    }
    return nullptr;
}

// Drops removed during this step have already left the grid, so no mark needs testing. Only the
// moving drop changes its place during a step, so the grid knows every other centre; no radius
// exceeds the largest, so a centre beyond that reach rules its drop out without fetching it.
Drop* DropSystem::findInGrid(int32_t px, int32_t py, int32_t pr) {
    if (!gridIsCurrent_) {
        rebuildGrid();
    }
    uint32_t first = noDrop;
    const auto consider = [&](uint32_t index) {
        if (index < first && drops_[index]->hits(px, py, pr)) {
            first = index;
        }
    };
    const int32_t reach = pr + largestRadius_;
    grid_.forEachNear(px, py, reach, [&](const DropGrid::Entry& entry) {
        const int32_t dx = entry.x - px;
        const int32_t dy = entry.y - py;
        if (entry.index != movingIndex_ && dx * dx + dy * dy <= reach * reach) {
            consider(entry.index);
        }
    });
    if (movingIndex_ != noDrop) {
        consider(movingIndex_);
    }
    return first == noDrop ? nullptr : drops_[first].get();
}

void DropSystem::rebuildGrid() {
    grid_.clear();
    for (uint32_t index = 0; index < drops_.size(); ++index) {
        const Drop& drop = *drops_[index];
        if (!isMarkedForRemoval(drop)) {
            grid_.insert(index, drop.x(), drop.y());
        }
    }
    gridIsCurrent_ = true;
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
    largestRadius_ = std::max(largestRadius_, radius);
    if (gridIsCurrent_) {
        grid_.insert(static_cast<uint32_t>(drops_.size() - 1), x, y);
    }
}

// Gone drops stay in the list until the purge, so a partner never refers to a destroyed drop;
// the marks keep them from being found again in the meantime.
void DropSystem::moveDrops() {
    if (lookup_ == Lookup::Grid && !gridIsCurrent_) {
        rebuildGrid();
    }
    for (uint32_t index = 0; index < drops_.size(); ++index) {
        prefetchAhead(index);
        moveDrop(index);
    }
}

// The drops lie scattered in memory and over the map: while one moves, the next one's map is
// asked for, and the one after it is fetched so that its place is known in turn.
void DropSystem::prefetchAhead(uint32_t index) const {
    if (index + 2 < drops_.size()) {
        __builtin_prefetch(drops_[index + 2].get());
    }
    if (index + 1 < drops_.size()) {
        drops_[index + 1]->prefetchSurroundings();
    }
}

// Only the moving drop changes its place during its move, so the grid follows it afterwards.
void DropSystem::moveDrop(uint32_t index) {
    Drop& drop = *drops_[index];
    const int32_t fromX = drop.x();
    const int32_t fromY = drop.y();
    const bool listed = gridIsCurrent_;
    movingIndex_ = index;
    const bool stays = drop.update(width_, height_, *this);
    movingIndex_ = noDrop;
    if (!stays) {
        markedForRemoval_.push_back(&drop);
    }
    if (!listed) {
        // The grid was made during the move, with this drop wherever it was at that moment.
        gridIsCurrent_ = false;
        return;
    }
    if (stays) {
        grid_.move(index, fromX, fromY, drop.x(), drop.y());
    } else {
        grid_.remove(index, fromX, fromY);
    }
}

void DropSystem::purgeMarkedDrops() {
    if (markedForRemoval_.empty()) {
        return;
    }
    std::erase_if(drops_,
                  [this](const std::unique_ptr<Drop>& drop) { return isMarkedForRemoval(*drop); });
    markedForRemoval_.clear();
    gridIsCurrent_ = false;
}

bool DropSystem::isMarkedForRemoval(const Drop& drop) const {
    return std::ranges::find(markedForRemoval_, &drop) != markedForRemoval_.end();
}

uint32_t DropSystem::stepPeriod() const {
    return static_cast<uint32_t>(1000 / speed_);
}
