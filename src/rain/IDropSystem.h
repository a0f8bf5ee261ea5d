#pragma once

#include <cstdint>

class Drop;

// What a drop and the drop system's listeners may ask of the system.
class IDropSystem {
public:
    virtual ~IDropSystem() = default;
    // The first drop in spawn order that is still in play and hits the circle of radius pr
    // around (px, py); nullptr when there is none. May be the asking drop itself.
    virtual Drop* findDropAt(int32_t px, int32_t py, int32_t pr) = 0;
    // The density in force: grows by one per second after start when ramping up.
    virtual float rampElapsed() const = 0;
    // The density the ramp ends at.
    virtual float rampLength() const = 0;
};
