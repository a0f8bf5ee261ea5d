#pragma once

#include "backends/sdl/ScreenSaverWindow.h"
#include "backends/x11/OtherMonitorSavers.h"
#include "scene/SceneSurfaces.h"

#include <cstdint>
#include <memory>

class DirectXDisplayModeSelectionModel;

// The display as a saver window sets it up for its scene, on SDL and X11: the display plan
// carried out, savers on the monitors that the mode leaves uncovered, and the surfaces at the
// scene's size.
class SaverDisplaySetup {
public:
    struct Size {
        int32_t width;
        int32_t height;
    };

    // windowed: a window on the desktop, which keeps the desktop's mode.
    SaverDisplaySetup(ScreenSaverWindow& window, DirectXDisplayModeSelectionModel& modes,
                      bool windowed);

    void setUp();
    // The current mode's size, the chosen mode's, or the window's own where it is not ours.
    Size sceneSize() const;
    std::unique_ptr<Scene::SceneSurfaces> createSurfaces() const;

private:
    bool drawsAtWindowSize() const;
    void coverOtherMonitors();

    ScreenSaverWindow& window_;
    DirectXDisplayModeSelectionModel& modes_;
    bool windowed_;
    std::unique_ptr<X11::OtherMonitorSavers> otherMonitors_;
};
