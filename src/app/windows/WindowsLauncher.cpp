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

// The screen-saver settings start a preview each time they show our entry; until it is built it
// leaves their preview area empty rather than putting up a message each time.
void WindowsLauncher::runPreview(int32_t) {}

void WindowsLauncher::runUninstaller() {
    refuseMissingMode("The uninstaller");
}
