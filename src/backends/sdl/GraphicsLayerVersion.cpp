#include "backends/sdl/GraphicsLayerVersion.h"

#include <SDL.h>

namespace Sdl {

std::string GraphicsLayerVersion::text() const {
    std::string line =
        "SDL " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    if (videoWorks()) {
        return line + ", " + videoDriver;
    }
    return line + " (" + reason + ")";
}

namespace {

std::string currentVideoDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr ? driver : "";
}

} // namespace

GraphicsLayerVersion detectGraphicsLayerVersion() {
    SDL_version linked{};
    SDL_GetVersion(&linked);
    GraphicsLayerVersion version;
    version.major = linked.major;
    version.minor = linked.minor;
    version.patch = linked.patch;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        version.reason = SDL_GetError();
        return version;
    }
    version.videoDriver = currentVideoDriver();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (version.videoDriver.empty()) {
        version.reason = "no video driver";
    }
    return version;
}

} // namespace Sdl
