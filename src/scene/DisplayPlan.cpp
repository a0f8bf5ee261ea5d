#include "scene/DisplayPlan.h"

#include "options/DirectXDisplayModeSelectionModel.h"
#include "scene/SceneErrors.h"

namespace Scene {

namespace {

constexpr int32_t lowestRainDepth = 16;

bool isCurrent(const IDisplayModeDescription& mode, const Pixels::DisplayModeDesc& current) {
    return mode.width() == current.width && mode.height() == current.height &&
           mode.bitsPerPixel() == current.bitsPerPixel();
}

std::optional<ModeRequest> deepestModeFor(const DirectXDisplayModeSelectionModel& modes,
                                          const Pixels::DisplayModeDesc& current) {
    if (current.bitsPerPixel() != 8) {
        return std::nullopt;
    }
    const IDisplayModeDescription* deepest = nullptr;
    for (const IDisplayModeDescription* mode : modes.availableModes()) {
        if (mode->width() == current.width && mode->height() == current.height &&
            mode->bitsPerPixel() >= lowestRainDepth &&
            (deepest == nullptr || mode->bitsPerPixel() > deepest->bitsPerPixel())) {
            deepest = mode;
        }
    }
    if (deepest == nullptr) {
        throw SceneErrors::noTrueColourMode();
    }
    return ModeRequest{current.width, current.height, deepest->bitsPerPixel(), 0};
}

} // namespace

DisplayPlan DisplayPlan::forSaver(const DirectXDisplayModeSelectionModel& modes,
                                  const Pixels::DisplayModeDesc& current, bool ownsScreen) {
    if (!ownsScreen) {
        return {};
    }
    const IDisplayModeDescription* selected = modes.selectedMode();
    const bool chosen = !modes.useCurrentMode() && selected != nullptr;
    DisplayPlan plan;
    plan.access = !chosen || isCurrent(*selected, current)
                      ? Pixels::ScreenAccess::ExclusiveKeepingWindow
                      : Pixels::ScreenAccess::Exclusive;
    if (chosen) {
        plan.mode = ModeRequest{selected->width(), selected->height(), selected->bitsPerPixel(),
                                selected->refreshRate()};
    } else {
        plan.mode = deepestModeFor(modes, current);
    }
    return plan;
}

} // namespace Scene
