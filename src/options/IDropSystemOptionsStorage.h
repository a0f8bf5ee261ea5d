#pragma once

#include "options/IDropSystemOptions.h"

// The drop settings as the settings pages edit them: the stored values behind the wind
// components, the bounds the controls offer, and setters that store their argument unchanged.
class IDropSystemOptionsStorage : public virtual IDropSystemOptions {
public:
    virtual int32_t windForce() const = 0;
    // Radians.
    virtual float windAngle() const = 0;
    virtual int32_t minWindForce() const = 0;
    virtual int32_t maxWindForce() const = 0;
    virtual double minWindAngle() const = 0;
    virtual double maxWindAngle() const = 0;
    virtual void setWindForce(int32_t force) = 0;
    virtual void setWindAngle(float angle) = 0;
    virtual int32_t minDensity() const = 0;
    virtual int32_t maxDensity() const = 0;
    virtual void setDensity(int32_t density) = 0;
    virtual int32_t minRadiusBound() const = 0;
    // Also the largest radius the drop drawer prepares templates for.
    virtual int32_t maxRadiusBound() const = 0;
    virtual void setMinRadius(int32_t radius) = 0;
    virtual void setRadiusSpread(int32_t spread) = 0;
    virtual void setDensityRampUp(bool rampUp) = 0;
    virtual int32_t minSpeed() const = 0;
    virtual int32_t maxSpeed() const = 0;
    virtual void setSpeed(int32_t speed) = 0;
};
