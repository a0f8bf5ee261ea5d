#pragma once

#include "rain/DirtyRect.h"
#include "rain/IDrawer.h"
#include "rain/IDrop.h"

#include <cstdint>

// A drop on the glass. It arrives as a streak along the wind, rests, now and then starts to
// creep down, runs fast over wet glass, wobbles sideways while running and glides into a drop
// below it. It never draws pixels itself: every move turns its old footprint into trail and
// stamps its body anew through the drawer.
//
// Positions and speeds carry 8 fraction bits; speeds are in 1/256 pixel per step.
class Drop final : public IDrop {
public:
    enum class MergeState : int32_t {
        Free = 0,
        Gliding = 1,    // moving into partner, which lies below
        GlidedInto = 2, // partner is moving into this drop
    };

    // (streakX, streakY) is the arrival streak in whole pixels, drawn from (x, y) on the first
    // step; the drop comes to rest at the streak's end.
    Drop(int32_t streakX, int32_t streakY, int32_t x, int32_t y, int32_t radius, IDrawer& drawer);

    Drop(const Drop&) = delete;
    Drop& operator=(const Drop&) = delete;

    bool update(int32_t width, int32_t height, IDropSystem& system) override;
    // Asks the caches for the part of the map the next update() works on.
    void prefetchSurroundings() const { drawer_.prefetchAround(x_, y_, r_, y_ - slideStartY_); }
    bool hits(int32_t px, int32_t py, int32_t pr) const override;
    void eraseToTrack() override;
    void detach() override;

    // Takes in the water of an absorbed drop of the given radius.
    void grow(int32_t absorbedRadius);

    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    int32_t radius() const { return r_; }
    int32_t velocityX() const { return vx_; }
    int32_t velocityY() const { return vy_; }
    MergeState mergeState() const { return mergeState_; }
    const Drop* partner() const { return partner_; }
    bool hasLanded() const { return countdown_ != notLanded; }

private:
    static constexpr int32_t notLanded = -1;

    void land();
    void drawArrivalStreak(int32_t steps);
    DirtyRect stampTrack();
    void wobble();
    bool probeForMerges(int32_t width, int32_t height, IDropSystem& system);
    bool probeForMerge(int32_t px, int32_t py, int32_t width, int32_t height, IDropSystem& system);
    bool mergeStep(int32_t px, int32_t py, IDropSystem& system);
    void glideToward(const Drop& target);
    bool isWithinReachOf(const Drop& target) const;
    void slideDecision(int32_t width, int32_t height);
    void slideOnDryGlass();
    void slideOnWetGlass();
    void pullTowardWetSide(int32_t leftHeight, int32_t rightHeight);
    void stopIfTooSlow();
    void startIfResting();
    void updateRadius();
    void moveByVelocity();
    bool isOutside(int32_t width, int32_t height) const;
    void detachFromMerge();
    void stampBody(int32_t oldX);
    bool leave();
    void reportDirty(const DirtyRect& rect);
    int32_t probeHeight(int32_t px, int32_t py, int32_t width, int32_t height) const;
    int32_t scaledByRadius(int32_t speed) const;

    int32_t vx_;
    int32_t vy_;
    int32_t ay_ = 0;
    int32_t x_;
    int32_t y_;
    int32_t r_;
    int32_t xFixed_;
    int32_t yFixed_;
    int32_t rFixed_;
    // The last stamp; becomes the next dirty rectangle.
    DirtyRect rect_{};
    MergeState mergeState_ = MergeState::Free;
    Drop* partner_ = nullptr;
    IDrawer& drawer_;
    int32_t countdown_ = notLanded;
    // The stamp stretch is the distance slid since landing, so a running drop grows a tail.
    int32_t slideStartY_ = 0;
};
