#include "app/DialogFunctions.h"
#include "backends/qt/errors/ErrorDialogs.h"
#include "backends/qt/settings/SettingsDialog.h"
#include "backends/qt/uninstaller/QtUninstallerUi.h"

namespace {

std::unique_ptr<Installer::IUninstallerUi> makeUninstallerUi(const std::string& systemInformation) {
    return std::make_unique<Installer::QtUninstallerUi>(systemInformation);
}

constexpr DialogFunctions functions{
    DialogFunctions::currentVersion, ErrorDialogs::showDetailedReport,
    ErrorDialogs::showErrorMessage, SettingsDialog::run, makeUninstallerUi};

} // namespace

extern "C" __attribute__((visibility("default"))) const DialogFunctions* pluvo_dialog_functions() {
    return &functions;
}
