#include "app/PluvoSSLauncher.h"

#include "app/CommandLineSettings.h"
#include "app/DialogsLibrary.h"
#include "app/ProgramEntry.h"
#include "app/SettingsForOneRun.h"
#include "app/SystemInformation.h"
#include "errors/DialogAvailability.h"
#include "installer/Uninstaller.h"
#include "options/Configuration.h"
#include "platform/NamedMutex.h"
#include "saver/PreviewWindowImpl.h"
#include "sound/SoundSystem.h"

#include <memory>
#include <optional>
#include <ostream>

namespace {

// The command line's settings, in force until the mode returns. A bad value is refused before
// anything is shown.
std::unique_ptr<SettingsForOneRun> applySettingsForThisRun(const CommandLine& commandLine) {
    const CommandLineSettings settings(commandLine.settings);
    if (settings.empty() || Configuration::options() == nullptr) {
        return nullptr;
    }
    return std::make_unique<SettingsForOneRun>(settings, *Configuration::options());
}

} // namespace

PluvoSSLauncher::PluvoSSLauncher(std::string_view commandLineText, SaverRunner saver,
                                 std::ostream& notices, PreviewRunner preview)
    : ScreenSaverLauncher(commandLineText), saver_(std::move(saver)), notices_(notices),
      preview_(std::move(preview)) {}

PluvoSSLauncher::PluvoSSLauncher(CommandLine commandLine, SaverRunner saver, std::ostream& notices,
                                 PreviewRunner preview)
    : ScreenSaverLauncher(std::move(commandLine)), saver_(std::move(saver)), notices_(notices),
      preview_(std::move(preview)) {}

PluvoSSLauncher::PreviewRunner PluvoSSLauncher::productPreview() {
    return [](int32_t parentWindow) {
        bool done = false;
        const std::unique_ptr<PreviewWindowImpl> window = createPreviewWindow(parentWindow, done);
        window->runMessageLoop();
    };
}

PluvoSSLauncher::SettingsRunner PluvoSSLauncher::productSettings() {
    return [](int32_t parentWindow) {
        DialogsLibrary::functions().runSettings(*Configuration::options(),
                                                Sound::SoundSystem::available(), parentWindow);
    };
}

PluvoSSLauncher::UninstallerRunner PluvoSSLauncher::productUninstaller(GraphicsProbe probe) {
    return [probe = std::move(probe)] {
        // Nothing is removed behind the user's back: without a window to ask in, nothing is
        // removed at all.
        if (!ErrorDialogs::canShow()) {
            throw BasicError("The uninstaller asks before it removes anything and needs a "
                             "graphical display to ask on; run it inside a desktop session");
        }
        const std::string caption = productCaption();
        const std::unique_ptr<Installer::IUninstallerUi> ui =
            DialogsLibrary::functions().makeUninstallerUi(systemInformation(caption, probe()));
        return Installer::Uninstaller(*ui, caption, Installer::hasAdministratorRights)
            .uninstall(uninstallKeyName, true);
    };
}

void PluvoSSLauncher::runSaver() {
    const std::unique_ptr<SettingsForOneRun> settings = applySettingsForThisRun(commandLine());
    if (!saver_) {
        announceUnavailable("Screen saver");
        return;
    }
    saver_(commandLine());
}

void PluvoSSLauncher::runSettings(int32_t parentWindow) {
    if (!settings_) {
        announceUnavailable("Settings");
        return;
    }
    settings_(parentWindow);
}

void PluvoSSLauncher::runPreview(int32_t parentWindow) {
    // Only other programs look at it, so a second preview runs all the same.
    static std::optional<NamedMutex> running;
    running = NamedMutex::tryAcquire(previewMutexName);
    const std::unique_ptr<SettingsForOneRun> settings = applySettingsForThisRun(commandLine());
    preview_(parentWindow);
}

void PluvoSSLauncher::runUninstaller() {
    if (!uninstaller_) {
        announceUnavailable("Uninstaller");
        return;
    }
    // The temporary copy has no dialogs' library beside it: the installed program's is used,
    // and stays loaded after the uninstaller has removed its file.
    if (isTemporaryCopy(programPath()) && !commandLine().uninstallTarget.empty()) {
        DialogsLibrary::belongsTo(commandLine().uninstallTarget);
    }
    if (uninstaller_()) {
        skipConfigurationWriteBack();
    }
}

void PluvoSSLauncher::announceUnavailable(const std::string& mode) {
    notices_ << mode << ": not yet available\n";
}
