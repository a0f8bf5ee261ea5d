#pragma once

#include "backends/user32/ScreenSaverWindow.h"
#include "scene/IFrameObserver.h"
#include "scene/SaverRun.h"

#include <memory>

class ScreenSaverOptionsStorage;

// The full-screen saver on Windows: rain over the desktop as it was at start-up, or over the
// user's pictures, drawn through DirectDraw one frame per tick of the window's timer at the
// configured share of the processor.
class PluvoScreenSaver : public User32::ScreenSaverWindow {
public:
    explicit PluvoScreenSaver(bool hidden);
    ~PluvoScreenSaver() override;

    // Sees every frame from now on; not owned.
    void addObserver(Scene::IFrameObserver& observer) { run_.addObserver(observer); }

    // 1 when another saver is running already (nothing else happens), 0 after a run.
    int run();

    void onTimer() override;

private:
    void initialize();
    std::unique_ptr<Scene::SceneSurfaces> setUpDisplay();

    ScreenSaverOptionsStorage& options_;
    Scene::SaverRun run_;
};
