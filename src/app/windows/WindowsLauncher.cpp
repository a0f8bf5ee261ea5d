#include "app/windows/WindowsLauncher.h"

#include "checks/FrameChecks.h"
#include "errors/BasicError.h"
#include "platform/NamedMutex.h"
#include "saver/windows/PluvoScreenSaver.h"
#include "saver/windows/PreviewWindowImpl.h"

#include <memory>
#include <optional>

namespace {

constexpr const char* previewMutexName = "PLUVO_SCREEN_SAVER_PREVIEW_RUNNING";

[[noreturn]] void refuseMissingMode(const std::string& what) {
    throw BasicError(what + " is not available in this Windows build yet.");
}

} // namespace

void WindowsLauncher::runSaver() {
    FrameChecks checks;
    PluvoScreenSaver saver(false);
    saver.addObserver(checks);
    saver.run();
}

void WindowsLauncher::runSettings(int32_t) {
    refuseMissingMode("The settings dialog");
}

// Only other programs look at the mutex, so a second preview runs all the same.
void WindowsLauncher::runPreview(int32_t parentWindow) {
    static std::optional<NamedMutex> running;
    running = NamedMutex::tryAcquire(previewMutexName);
    bool done = false;
    const std::unique_ptr<PreviewWindowImpl> preview = createPreviewWindow(parentWindow, done);
    preview->runMessageLoop();
}

void WindowsLauncher::runUninstaller() {
    refuseMissingMode("The uninstaller");
}
