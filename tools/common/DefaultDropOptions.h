#pragma once

#include "options/IDropSystemOptions.h"

// The drop settings a new user starts with: density 25, wind force 120 at 135 degrees, radius 4
// to 7, speed 30, density ramp-up on.
class DefaultDropOptions : public IDropSystemOptions {
public:
    int32_t density() const override { return density_; }
    int32_t windX() const override;
    int32_t windY() const override;
    int32_t minRadius() const override { return 4; }
    int32_t radiusSpread() const override { return 3; }
    bool densityRampUp() const override { return rampUp_; }
    int32_t speed() const override { return 30; }

    void setDensity(int32_t density) { density_ = density; }
    void setDensityRampUp(bool rampUp) { rampUp_ = rampUp; }

private:
    int32_t density_ = 25;
    bool rampUp_ = true;
};
