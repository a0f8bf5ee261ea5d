#include "backends/sdl/SdlDisplayDevice.h"

#include "backends/sdl/SdlPixelFormats.h"
#include "backends/sdl/VideoSubsystem.h"
#include "display/DX5Error.h"

#include <SDL.h>
#include <algorithm>
#include <string>
#include <vector>

namespace Sdl {

namespace {

[[noreturn]] void raiseSdlError() {
    throw DX5::Error(std::string(SDL_GetError()));
}

IDisplayDevice::Mode modeFromSdl(const SDL_DisplayMode& mode) {
    return {pixelFormatFromSdl(mode.format).bitsPerPixel, mode.w, mode.h, mode.refresh_rate};
}

bool sameSizeAndDepth(const IDisplayDevice::Mode& a, const IDisplayDevice::Mode& b) {
    return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width && a.height == b.height;
}

} // namespace

void SdlDisplayDevice::enumerateModes(RefreshRates rates, const ModeVisitor& visit) {
    const VideoSubsystem video;
    const int count = SDL_GetNumDisplayModes(displayIndex_);
    if (count < 0) {
        raiseSdlError();
    }
    std::vector<Mode> reported;
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode sdlMode{};
        if (SDL_GetDisplayMode(displayIndex_, i, &sdlMode) != 0) {
            raiseSdlError();
        }
        // Some drivers list a mode without a size; no screen can show it.
        if (sdlMode.w <= 0 || sdlMode.h <= 0) {
            continue;
        }
        Mode mode = modeFromSdl(sdlMode);
        if (rates == RefreshRates::Merged) {
            mode.refreshRate = 0;
            const auto same = [&mode](const Mode& seen) { return sameSizeAndDepth(seen, mode); };
            if (std::any_of(reported.begin(), reported.end(), same)) {
                continue;
            }
        }
        reported.push_back(mode);
    }
    // Visited only after SDL has answered for every mode, so a failure reports nothing twice.
    for (const Mode& mode : reported) {
        visit(mode);
    }
}

} // namespace Sdl

IDisplayDevice& platformDisplayDevice() {
    static Sdl::SdlDisplayDevice display(0);
    return display;
}
