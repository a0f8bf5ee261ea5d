#include "scene/DisplayPlan.h"

#include "errors/BasicError.h"
#include "options/DirectXDisplayModeSelectionModel.h"
#include "options/FakeDisplayDevice.h"

#include <gtest/gtest.h>

namespace {

using Pixels::ScreenAccess;

Pixels::DisplayModeDesc desktop(int32_t width, int32_t height, int32_t bitsPerPixel) {
    const Pixels::PixelFormat format = bitsPerPixel == 8
                                           ? Pixels::PixelFormat::indexed8()
                                           : Pixels::PixelFormat::forSurfaceDepth(bitsPerPixel);
    return {width, height, format, 60};
}

const IDisplayModeDescription* listed(const DirectXDisplayModeSelectionModel& modes, int32_t width,
                                      int32_t height, int32_t bitsPerPixel) {
    for (const IDisplayModeDescription* mode : modes.availableModes()) {
        if (mode->width() == width && mode->height() == height &&
            mode->bitsPerPixel() == bitsPerPixel) {
            return mode;
        }
    }
    return nullptr;
}

// A window on the desktop or in a daemon's window shares the screen in the mode it has.
TEST(DisplayPlanTest, ASaverThatDoesNotOwnTheScreenKeepsItShared) {
    FakeDisplayDevice device({{32, 1024, 768, 0}, {16, 800, 600, 0}});
    DirectXDisplayModeSelectionModel modes(8, 0);
    modes.setUseCurrentMode(false);
    modes.selectMode(listed(modes, 800, 600, 16));
    const Scene::DisplayPlan plan =
        Scene::DisplayPlan::forSaver(modes, desktop(1024, 768, 32), false);
    EXPECT_EQ(plan.access, ScreenAccess::Shared);
    EXPECT_FALSE(plan.mode);
}

// A chosen mode is set, and only a mode other than the desktop's lets the window change.
TEST(DisplayPlanTest, AChosenModeIsSetAndTheWindowKeptWhenItIsTheDesktops) {
    FakeDisplayDevice device({{32, 1024, 768, 0}, {16, 800, 600, 0}});
    DirectXDisplayModeSelectionModel modes(8, 0);
    modes.setUseCurrentMode(false);
    modes.selectMode(listed(modes, 800, 600, 16));
    Scene::DisplayPlan plan = Scene::DisplayPlan::forSaver(modes, desktop(1024, 768, 32), true);
    EXPECT_EQ(plan.access, ScreenAccess::Exclusive);
    EXPECT_EQ(plan.mode, (Scene::ModeRequest{800, 600, 16, 0}));

    plan = Scene::DisplayPlan::forSaver(modes, desktop(800, 600, 16), true);
    EXPECT_EQ(plan.access, ScreenAccess::ExclusiveKeepingWindow);
    EXPECT_EQ(plan.mode, (Scene::ModeRequest{800, 600, 16, 0}));

    modes.setUseCurrentMode(true);
    plan = Scene::DisplayPlan::forSaver(modes, desktop(1024, 768, 32), true);
    EXPECT_EQ(plan.access, ScreenAccess::ExclusiveKeepingWindow);
    EXPECT_FALSE(plan.mode);
}

// The rain needs colour channels: a palette desktop goes to the deepest mode of its size, and
// a display with none refuses with the user's message.
TEST(DisplayPlanTest, APaletteDesktopTakesTheDeepestModeOfItsSizeOrRefuses) {
    FakeDisplayDevice device({{16, 1024, 768, 0}, {32, 1024, 768, 0}, {32, 800, 600, 0}});
    DirectXDisplayModeSelectionModel modes(8, 0);
    const Scene::DisplayPlan plan =
        Scene::DisplayPlan::forSaver(modes, desktop(1024, 768, 8), true);
    EXPECT_EQ(plan.access, ScreenAccess::ExclusiveKeepingWindow);
    EXPECT_EQ(plan.mode, (Scene::ModeRequest{1024, 768, 32, 0}));

    EXPECT_THROW(Scene::DisplayPlan::forSaver(modes, desktop(640, 480, 8), true), BasicError);
}

} // namespace
