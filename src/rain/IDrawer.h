#pragma once

#include "rain/DirtyRect.h"

#include <cstdint>

enum class TemplateKind : int32_t { Track = 0, Drop = 1 };

// How drops reach the drop map: they stamp templates and report what changed.
class IDrawer {
public:
    virtual ~IDrawer() = default;
    // Normalises the rectangle (inclusive bounds) and queues it for the next draw unless it is
    // empty or one pixel thin. Returns the number of queued rectangles.
    virtual int32_t addDirtyRect(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // Water height of map pixel (x, y); the caller keeps (x, y) inside the map.
    virtual uint8_t heightAt(int32_t x, int32_t y) const = 0;
    // Stamps the template of the given radius (1..maxRadius) and stretch (clamped to 0..radius)
    // centred at (x, y); returns the part of the map that was covered, all zero when none was.
    virtual DirtyRect stampOverwrite(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                                     TemplateKind kind) = 0;
    virtual DirtyRect stampBlend(int32_t x, int32_t y, int32_t radius, int32_t stretch,
                                 TemplateKind kind) = 0;
    // Asks the caches for the part of the map that a drop at (x, y) with the given radius and
    // stretch probes and stamps in its next step. Only a hint: nothing changes.
    virtual void prefetchAround(int32_t /*x*/, int32_t /*y*/, int32_t /*radius*/,
                                int32_t /*stretch*/) const {}
};
