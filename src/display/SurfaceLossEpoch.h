#pragma once

#include <cstdint>

namespace Pixels {

// Counts the times the display lost every surface at once (the renderer or its textures were
// reset). A surface remembers the count at which it was last good, so the device needs no list
// of the surfaces it handed out.
class SurfaceLossEpoch {
public:
    void loseAllSurfaces() { ++count_; }
    uint64_t count() const { return count_; }

private:
    uint64_t count_ = 0;
};

} // namespace Pixels
