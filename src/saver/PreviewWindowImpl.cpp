#include "saver/PreviewWindowImpl.h"

#include "backends/x11/ChildWindowPresenter.h"
#include "backends/x11/DesktopCapture.h"
#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "scene/BuiltInBackground.h"

namespace {

// The screen's corner before our window covers any of it.
Graphics::Bitmap snapshotFor(const X11::X11ChildWindow& window) {
    std::optional<Graphics::Bitmap> corner =
        X11::captureScreenCorner(window.width(), window.height());
    return corner ? std::move(*corner) : Scene::builtInBackground(window.width(), window.height());
}

// The child window shows 24-bit pictures, which the scene composes in that format directly.
std::unique_ptr<Scene::SceneSurfaces> surfacesFor(X11::X11ChildWindow& window) {
    const Pixels::PixelFormat format = Pixels::PixelFormat::rgb888();
    return std::make_unique<Scene::SceneSurfaces>(
        std::make_unique<Pixels::PrimarySurface>(
            std::make_unique<X11::ChildWindowPresenter>(window), window.width(), window.height(),
            format, nullptr),
        std::make_unique<Pixels::PixelSurface>(window.width(), window.height(), format));
}

} // namespace

PreviewWindowImpl::PreviewWindowImpl(unsigned long parentWindow, bool& doneFlag,
                                     ScreenSaverOptionsStorage& options)
    : options_(options), window_(parentWindow),
      loop_([this] { scene_->frame(); },
            Scene::FramePacing::forPreview(options.controlOptions().maxCpuLoad())),
      doneFlag_(doneFlag) {
    startScene();
    window_.show();
}

PreviewWindowImpl::~PreviewWindowImpl() = default;

void PreviewWindowImpl::startScene() {
    const Graphics::Bitmap snapshot = snapshotFor(window_);
    scene_.reset();
    surfaces_ = surfacesFor(window_);
    scene_ = std::make_unique<Scene::RainScene>(*surfaces_, options_, options_.maxRadiusBound(),
                                                snapshot);
    loop_.start(firstFrameDelay);
}

void PreviewWindowImpl::runMessageLoop() {
    if (doneFlag_ || destroyed_) {
        return;
    }
    loop_.run(*this);
    if (QuitSignalHandler::quitRequested()) {
        doneFlag_ = true;
    }
}

void PreviewWindowImpl::waitForEvents(uint32_t milliseconds) {
    window_.waitForEvents(milliseconds);
    for (;;) {
        switch (window_.nextEvent()) {
        case X11::X11ChildWindow::Event::Nothing:
            return;
        case X11::X11ChildWindow::Event::Exposed:
            surfaces_->refreshScreen();
            break;
        case X11::X11ChildWindow::Event::Resized:
            startScene();
            break;
        case X11::X11ChildWindow::Event::Destroyed:
            destroyed_ = true;
            loop_.requestQuit();
            return;
        }
    }
}

std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag) {
    return std::make_unique<PreviewWindowImpl>(static_cast<unsigned long>(parentWindow), doneFlag,
                                               *Configuration::options());
}
