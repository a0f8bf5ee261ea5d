#include "saver/windows/PreviewWindowImpl.h"

#include "backends/gdi/DesktopCapture.h"
#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "scene/BuiltInBackground.h"

namespace {

// The screen's corner before our window covers any of it: the snapshot is taken before the
// first paint.
Graphics::Bitmap snapshotFor(const User32::PreviewChildWindow& window) {
    std::optional<Graphics::Bitmap> corner =
        Gdi::captureScreenCorner(window.width(), window.height());
    return corner ? std::move(*corner) : Scene::builtInBackground(window.width(), window.height());
}

} // namespace

PreviewWindowImpl::PreviewWindowImpl(HWND parent, bool& doneFlag,
                                     ScreenSaverOptionsStorage& options)
    : window_(parent), loop_([this] { scene_->frame(); },
                             Scene::FramePacing::forPreview(options.controlOptions().maxCpuLoad())),
      doneFlag_(doneFlag) {
    const Graphics::Bitmap snapshot = snapshotFor(window_);
    auto presenter = std::make_unique<Gdi::DibWindowPresenter>(window_.handle(), window_.width(),
                                                               window_.height());
    presenter_ = presenter.get();
    // The window shows 24-bit pictures, which the scene composes in that format directly.
    const Pixels::PixelFormat format = Pixels::PixelFormat::rgb888();
    surfaces_ = std::make_unique<Scene::SceneSurfaces>(
        std::make_unique<Pixels::PrimarySurface>(std::move(presenter), window_.width(),
                                                 window_.height(), format, nullptr),
        std::make_unique<Pixels::PixelSurface>(window_.width(), window_.height(), format));
    scene_ =
        std::make_unique<Scene::RainScene>(*surfaces_, options, options.maxRadiusBound(), snapshot);
    window_.setPainter([this](HDC context) { presenter_->paint(context); });
    loop_.start(firstFrameDelay);
}

PreviewWindowImpl::~PreviewWindowImpl() = default;

void PreviewWindowImpl::runMessageLoop() {
    loop_.run(*this);
}

void PreviewWindowImpl::waitForEvents(uint32_t milliseconds) {
    window_.waitForEvents(milliseconds);
    if (window_.closeRequested()) {
        doneFlag_ = true;
    }
    if (window_.closeRequested() || window_.destroyed()) {
        loop_.requestQuit();
    }
}

std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag) {
    return std::make_unique<PreviewWindowImpl>(
        reinterpret_cast<HWND>(static_cast<intptr_t>(parentWindow)), doneFlag,
        *Configuration::options());
}
