#pragma once

#include <cstdint>

// What the drop simulation reads from the user's settings.
class IDropSystemOptions {
public:
    virtual ~IDropSystemOptions() = default;
    // Spawn probability per round in percent, 0..50; also the ramp length in seconds.
    virtual int32_t density() const = 0;
    // Arrival streak in pixels, derived from the wind force and angle.
    virtual int32_t windX() const = 0;
    virtual int32_t windY() const = 0;
    // Smallest spawn radius, 1..10.
    virtual int32_t minRadius() const = 0;
    // Largest minus smallest spawn radius.
    virtual int32_t radiusSpread() const = 0;
    // Whether the density grows by one per second from 0 after start.
    virtual bool densityRampUp() const = 0;
    // Simulation steps per second, 10..50.
    virtual int32_t speed() const = 0;
};
