#include "app/PluvoSSLauncher.h"

#include <ostream>

PluvoSSLauncher::PluvoSSLauncher(std::string_view commandLineText, SaverRunner saver,
                                 std::ostream& notices)
    : ScreenSaverLauncher(commandLineText), saver_(std::move(saver)), notices_(notices) {}

PluvoSSLauncher::PluvoSSLauncher(CommandLine commandLine, SaverRunner saver, std::ostream& notices)
    : ScreenSaverLauncher(std::move(commandLine)), saver_(std::move(saver)), notices_(notices) {}

void PluvoSSLauncher::runSaver() {
    if (!saver_) {
        announceUnavailable("Screen saver");
        return;
    }
    saver_(commandLine().windowed);
}

void PluvoSSLauncher::runSettings(int32_t /*parentWindow*/) {
    announceUnavailable("Settings");
}

void PluvoSSLauncher::runPreview(int32_t /*parentWindow*/) {
    announceUnavailable("Preview");
}

void PluvoSSLauncher::runUninstaller() {
    announceUnavailable("Uninstaller");
}

void PluvoSSLauncher::announceUnavailable(const std::string& mode) {
    notices_ << mode << ": not yet available\n";
}
