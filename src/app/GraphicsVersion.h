#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What the display unit's probe found: major x 256 + minor, or 0 with the reason the probe
// failed.
struct GraphicsVersion {
    int32_t version = 0;
    std::string reason;
};

using GraphicsProbe = std::function<GraphicsVersion()>;
