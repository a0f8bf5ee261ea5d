#pragma once

#include "scene/IFrameObserver.h"
#include "scene/RainScene.h"
#include "scene/SceneSurfaces.h"
#include "scene/Storm.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ScreenSaverOptionsStorage;

namespace Scene {

// One run of the full-screen saver's scene, whichever system's window and display it is shown
// through: the scene made over the surfaces the display gives, one frame at each tick with the
// observers told of it, and the clean background left on the screen at the end.
class SaverRun {
public:
    explicit SaverRun(ScreenSaverOptionsStorage& options) : options_(options) {}
    // A run that an error ends leaves the clean background on the screen too, as far as the
    // display still lets it.
    ~SaverRun();
    SaverRun(const SaverRun&) = delete;
    SaverRun& operator=(const SaverRun&) = delete;

    // Takes the lock that keeps a second full-screen saver from running, held until the process
    // ends; false when another saver holds it.
    static bool takeSaverLock();

    // Sees every frame from now on; not owned.
    void addObserver(IFrameObserver& observer) { observers_.push_back(&observer); }

    // Builds the scene over desktop (the built-in picture when empty), or over wallpaper. An
    // earlier scene goes first, as it holds the surfaces it was drawn on.
    void start(std::unique_ptr<SceneSurfaces> surfaces, std::optional<Graphics::Bitmap> desktop,
               const std::string& wallpaper, const Storm::ControllerFactory& makeController);
    bool started() const { return scene_ != nullptr; }
    // Lets the scene and its surfaces go, before new surfaces are made for the same window.
    void stop();

    // One frame, unless an observer holds the picture. False when the display failed in a way
    // the scene could not recover from, which ends the saver quietly.
    bool renderFrame();
    // Tells the observers and leaves the clean background on the screen.
    void finish();
    // The whole picture again, after another window uncovered part of it.
    void refreshScreen();

    const std::string& wallpaperShown() const { return scene_->wallpaperShown(); }
    const Pixels::PixelSurface& backBuffer() const { return surfaces_->backBuffer(); }
    int32_t width() const { return surfaces_->width(); }
    int32_t height() const { return surfaces_->height(); }

private:
    bool picturesHeld() const;

    ScreenSaverOptionsStorage& options_;
    std::unique_ptr<SceneSurfaces> surfaces_;
    std::unique_ptr<RainScene> scene_;
    std::vector<IFrameObserver*> observers_;
    uint32_t presentedFrames_ = 0;
    bool finished_ = false;
};

} // namespace Scene
