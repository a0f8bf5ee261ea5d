#include "app/windows/WindowsLauncher.h"

#include "checks/FrameChecks.h"
#include "errors/BasicError.h"
#include "saver/windows/PluvoScreenSaver.h"

namespace {

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

void WindowsLauncher::runPreview(int32_t) {
    refuseMissingMode("The preview");
}

void WindowsLauncher::runUninstaller() {
    refuseMissingMode("The uninstaller");
}
