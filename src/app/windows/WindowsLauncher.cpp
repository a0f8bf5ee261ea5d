#include "app/windows/WindowsLauncher.h"

#include "app/ProgramEntry.h"
#include "app/SystemInformation.h"
#include "backends/user32/settings/SettingsPages.h"
#include "backends/user32/uninstaller/UninstallerUi.h"
#include "backends/win32/WideText.h"
#include "checks/FrameChecks.h"
#include "installer/Uninstaller.h"
#include "options/Configuration.h"
#include "platform/NamedMutex.h"
#include "saver/windows/PluvoScreenSaver.h"
#include "saver/windows/PreviewWindowImpl.h"
#include "sound/SoundSystem.h"

#include <memory>
#include <optional>
#include <windows.h>

namespace {

constexpr const char* previewMutexName = "PLUVO_SCREEN_SAVER_PREVIEW_RUNNING";

} // namespace

void WindowsLauncher::runSaver() {
    FrameChecks checks;
    PluvoScreenSaver saver(false);
    saver.addObserver(checks);
    saver.run();
}

void WindowsLauncher::runSettings(int32_t parentWindow) {
    User32::runSettingsPages(reinterpret_cast<HWND>(static_cast<intptr_t>(parentWindow)),
                             *Configuration::options(), Sound::SoundSystem::available());
}

// Only other programs look at the mutex, so a second preview runs all the same.
void WindowsLauncher::runPreview(int32_t parentWindow) {
    static std::optional<NamedMutex> running;
    running = NamedMutex::tryAcquire(previewMutexName);
    bool done = false;
    const std::unique_ptr<PreviewWindowImpl> preview = createPreviewWindow(parentWindow, done);
    preview->runMessageLoop();
}

// The library's file copy leaves the temporary file empty here; the system's own copy does not.
void WindowsLauncher::copyProgram(const std::string& destination) {
    CopyFileW(Win32::wide(programPath()).c_str(), Win32::wide(destination).c_str(), FALSE);
}

// The file of a running program stays until the next start of the system.
void WindowsLauncher::discardTemporaryCopy(const std::string& path) {
    const std::wstring file = Win32::wide(path);
    if (!DeleteFileW(file.c_str())) {
        MoveFileExW(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
}

// A removal that ran took the user's settings with it: the closing save would bring them back.
void WindowsLauncher::runUninstaller() {
    const std::string caption = productCaption();
    User32::UninstallerUi ui(systemInformation(caption, probeGraphics_()));
    if (Installer::Uninstaller(ui, caption, Installer::hasAdministratorRights)
            .uninstall(uninstallKeyName, true)) {
        skipConfigurationWriteBack();
    }
}
