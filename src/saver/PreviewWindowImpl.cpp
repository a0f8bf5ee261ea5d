#include "saver/PreviewWindowImpl.h"

#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "saver/BuiltInBackground.h"
#include "saver/DesktopCapture.h"

#include <algorithm>

namespace {

// The loop looks at the quit signals at least this often.
constexpr uint32_t longestSleep = 100;

// The screen's corner before our window covers any of it.
Graphics::Bitmap snapshotFor(const X11ChildWindow& window) {
    std::optional<Graphics::Bitmap> corner = captureScreenCorner(window.width(), window.height());
    return corner ? std::move(*corner) : builtInBackground(window.width(), window.height());
}

uint32_t now() {
    return systemClock().now();
}

} // namespace

PreviewWindowImpl::PreviewWindowImpl(unsigned long parentWindow, bool& doneFlag,
                                     ScreenSaverOptionsStorage& options)
    : options_(options), maxCpuLoad_(options.controlOptions().maxCpuLoad()), window_(parentWindow),
      doneFlag_(doneFlag) {
    startScene();
    window_.show();
}

void PreviewWindowImpl::startScene() {
    scene_.reset();
    scene_.emplace(snapshotFor(window_), options_.maxRadiusBound(), options_);
    timer_.set(firstFrameDelay);
}

void PreviewWindowImpl::runMessageLoop() {
    while (!doneFlag_ && !destroyed_) {
        if (QuitSignalHandler::quitRequested()) {
            doneFlag_ = true;
            break;
        }
        handleEvents();
        if (destroyed_) {
            break;
        }
        if (timer_.takeDueTick()) {
            onTimer();
            continue;
        }
        window_.waitForEvents(
            std::min(timer_.millisecondsUntilDue().value_or(longestSleep), longestSleep));
    }
}

void PreviewWindowImpl::handleEvents() {
    for (;;) {
        switch (window_.nextEvent()) {
        case X11ChildWindow::Event::Nothing:
            return;
        case X11ChildWindow::Event::Exposed:
            window_.paintWhole(scene_->destinationDescription());
            break;
        case X11ChildWindow::Event::Resized:
            startScene();
            window_.paintWhole(scene_->destinationDescription());
            break;
        case X11ChildWindow::Event::Destroyed:
            destroyed_ = true;
            return;
        }
    }
}

uint32_t PreviewWindowImpl::idleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad) {
    const auto share = static_cast<float>(std::clamp(maxCpuLoad, 1, 100) * 0.01);
    const long double x = share;
    return static_cast<uint32_t>(static_cast<long double>(workMilliseconds) * (1.0L - x) / x);
}

void PreviewWindowImpl::onTimer() {
    timer_.stop();
    const uint32_t started = now();
    scene_->frame();
    const DDraw::FrameDamage& changed = scene_->changedArea();
    if (changed.coversWholeFrame()) {
        window_.paintWhole(scene_->destinationDescription());
    } else if (!changed.isEmpty()) {
        window_.paint(scene_->destinationDescription(), changed.rects());
    }
    timer_.set(idleMilliseconds(now() - started, maxCpuLoad_));
}

std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag) {
    return std::make_unique<PreviewWindowImpl>(static_cast<unsigned long>(parentWindow), doneFlag,
                                               *Configuration::options());
}
