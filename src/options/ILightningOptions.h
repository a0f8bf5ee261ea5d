#pragma once

#include <cstdint>

// What the lightning reads from the user's settings. Colours are 0x00BBGGRR.
class ILightningOptions {
public:
    virtual ~ILightningOptions() = default;
    virtual bool boltsEnabled() const = 0;
    virtual uint32_t boltColour() const = 0;
    // Non-zero: each bolt gets a colour of its own.
    virtual int32_t randomColour() const = 0;
    virtual bool flashesEnabled() const = 0;
    virtual uint32_t flashColour() const = 0;
    // Luma from which the background lights up in a flash, 0..255.
    virtual uint8_t flashThreshold() const = 0;
    // Shortest pause between bolts and longest minus shortest, in seconds.
    virtual int32_t minInterval() const = 0;
    virtual int32_t intervalSpread() const = 0;
};
