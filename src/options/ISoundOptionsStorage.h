#pragma once

#include "options/ISoundOptions.h"

class ISoundOptionsStorage : public ISoundOptions {
public:
    virtual void setSoundEnabled(bool enabled) = 0;
    virtual void setRainVolume(float volume) = 0;
    virtual void setThunderVolume(float volume) = 0;
    virtual float minVolume() const = 0;
    virtual float maxVolume() const = 0;
};
