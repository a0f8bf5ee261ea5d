#pragma once

#include "backends/sdl/ScreenSaverWindow.h"
#include "saver/SaverDisplaySetup.h"
#include "saver/SaverPlacement.h"
#include "scene/IFrameObserver.h"
#include "scene/SaverRun.h"

#include <memory>
#include <optional>

class ScreenSaverOptionsStorage;

// The full-screen saver: rain over the desktop as it was at start-up, or over the user's
// pictures, one frame per tick of the window's loop at the configured share of the processor.
class PluvoScreenSaver : private HostWindowWatch, private DesktopAtStart, public ScreenSaverWindow {
public:
    // windowed: in a window on the desktop instead of over the whole screen.
    explicit PluvoScreenSaver(bool hidden, bool windowed = false);
    PluvoScreenSaver(bool hidden, const SaverPlacement& placement);
    ~PluvoScreenSaver() override;

    // Sees every frame from now on; not owned.
    void addObserver(Scene::IFrameObserver& observer) { run_.addObserver(observer); }

    // 1 when another full-screen saver is running already (nothing else happens), 0 after a run.
    // In a daemon's window it always runs: the daemon starts one saver for each monitor.
    int run();

    void onTimer() override;
    void onResized(int32_t width, int32_t height) override;
    void onExposed() override;

protected:
    virtual void initialize();
    virtual void finish();
    // The controller times the bolts by the system clock and rand15; a test gives its own.
    virtual std::unique_ptr<LightningController>
    makeLightningController(const AreaRect& area, const IDropSystem& drops,
                            const ILightningOptions& options);
    // The picture each frame is composed on; once a frame has ended it holds the rain alone.
    const Pixels::PixelSurface& backBuffer() const { return run_.backBuffer(); }

private:
    void startScene(std::optional<Graphics::Bitmap> desktop, const std::string& wallpaper);
    void followWindowSize();

    ScreenSaverOptionsStorage& options_;
    SaverDisplaySetup display_;
    unsigned long hostWindow_;
    // The daemon's window has a new size, which the next frame takes.
    bool sizeChanged_ = false;
    Scene::SaverRun run_;
};
