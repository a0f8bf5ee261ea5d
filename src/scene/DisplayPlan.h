#pragma once

#include "display/DisplayModeDesc.h"
#include "display/ScreenAccess.h"

#include <cstdint>
#include <optional>

class DirectXDisplayModeSelectionModel;

namespace Scene {

// A display mode to set: its size, depth and refresh rate (0 for the display's default).
struct ModeRequest {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t refreshRate = 0;

    bool operator==(const ModeRequest&) const = default;
};

// What a saver asks of the display before its scene starts: how it holds the screen, and the
// mode to set, if any. The same decisions on every platform; the platform's display carries
// them out.
struct DisplayPlan {
    Pixels::ScreenAccess access = Pixels::ScreenAccess::Shared;
    // Empty: the display keeps the mode it has.
    std::optional<ModeRequest> mode;

    // ownsScreen: the saver covers the screen alone (not a window on the desktop or in a
    // daemon's window). The chosen mode, or for a palette desktop the deepest mode of the same
    // size, as the rain needs colour channels to refract and light. Raises the scene's error
    // for a display with nothing deeper than 256 colours at the desktop's size.
    static DisplayPlan forSaver(const DirectXDisplayModeSelectionModel& modes,
                                const Pixels::DisplayModeDesc& current, bool ownsScreen);
};

} // namespace Scene
