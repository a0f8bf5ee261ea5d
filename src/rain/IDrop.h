#pragma once

#include <cstdint>

class IDropSystem;

// One drop of water on the glass, as the drop system drives it.
class IDrop {
public:
    virtual ~IDrop() = default;
    // Takes one simulation step in a picture of the given size; false when the drop is gone
    // (it ran off the picture or was absorbed by another drop).
    virtual bool update(int32_t width, int32_t height, IDropSystem& system) = 0;
    // Whether a circle of radius pr around (px, py) touches or overlaps the drop.
    virtual bool hits(int32_t px, int32_t py, int32_t pr) const = 0;
    // Turns the drop's footprint into wet trail and reports it as changed.
    virtual void eraseToTrack() = 0;
    // Ends any merge this drop takes part in, from this drop's side only.
    virtual void detach() = 0;
};
