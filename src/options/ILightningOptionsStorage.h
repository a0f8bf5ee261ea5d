#pragma once

#include "options/ILightningOptions.h"

class ILightningOptionsStorage : public ILightningOptions {
public:
    virtual void setBoltsEnabled(bool enabled) = 0;
    virtual void setBoltColour(uint32_t colour) = 0;
    virtual void setRandomColour(int32_t random) = 0;
    virtual void setFlashesEnabled(bool enabled) = 0;
    virtual void setFlashColour(uint32_t colour) = 0;
    virtual void setFlashThreshold(uint8_t threshold) = 0;
    virtual void setMinInterval(int32_t seconds) = 0;
    virtual void setIntervalSpread(int32_t seconds) = 0;
    virtual int32_t minIntervalBound() const = 0;
    virtual int32_t maxIntervalBound() const = 0;
};
