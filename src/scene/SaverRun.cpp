#include "scene/SaverRun.h"

#include "display/DX5Error.h"
#include "platform/NamedMutex.h"

namespace Scene {

bool SaverRun::takeSaverLock() {
    static std::optional<NamedMutex> running;
    running = NamedMutex::tryAcquire("PLUVO_SCREEN_SAVER_RUNNING");
    return running.has_value();
}

SaverRun::~SaverRun() {
    if (surfaces_ && !finished_) {
        try {
            surfaces_->showBackground();
        } catch (...) {
            // The error that ends the run is the one to report.
        }
    }
}

void SaverRun::start(std::unique_ptr<SceneSurfaces> surfaces,
                     std::optional<Graphics::Bitmap> desktop, const std::string& wallpaper,
                     const Storm::ControllerFactory& makeController) {
    scene_.reset();
    surfaces_ = std::move(surfaces);
    scene_ = std::make_unique<RainScene>(*surfaces_, options_, std::move(desktop), wallpaper,
                                         makeController);
}

void SaverRun::stop() {
    scene_.reset();
    surfaces_.reset();
}

bool SaverRun::picturesHeld() const {
    for (const IFrameObserver* observer : observers_) {
        if (observer->holdsPicture()) {
            return true;
        }
    }
    return false;
}

bool SaverRun::renderFrame() {
    if (picturesHeld()) {
        return true;
    }
    try {
        scene_->frame();
    } catch (const DX5::Error&) {
        return false;
    }
    if (scene_->presented()) {
        ++presentedFrames_;
    }
    for (IFrameObserver* observer : observers_) {
        observer->frameDone(presentedFrames_, surfaces_->backBuffer());
    }
    return true;
}

void SaverRun::finish() {
    finished_ = true;
    for (IFrameObserver* observer : observers_) {
        observer->saverEnded(presentedFrames_);
    }
    if (surfaces_) {
        surfaces_->showBackground();
    }
}

void SaverRun::refreshScreen() {
    if (surfaces_) {
        surfaces_->refreshScreen();
    }
}

} // namespace Scene
