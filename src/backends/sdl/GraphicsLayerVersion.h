#pragma once

#include <cstdint>
#include <string>

namespace Sdl {

// Which graphics layer the program runs on, for the version line of the error report.
struct GraphicsLayerVersion {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t patch = 0;
    // SDL's video driver; empty when video could not start.
    std::string videoDriver;
    // Why video could not start; empty when it did.
    std::string reason;

    bool videoWorks() const { return !videoDriver.empty(); }
    // "SDL 2.26.5, x11", or "SDL 2.26.5 (reason)" when video cannot start.
    std::string text() const;
};

// Asks SDL for its version and starts video for a moment when it is not running yet, to learn
// the driver. Never raises.
GraphicsLayerVersion detectGraphicsLayerVersion();

} // namespace Sdl
