#include "backends/user32/uninstaller/UninstallerUi.h"

#include "backends/user32/VerboseErrorDialog.h"
#include "backends/user32/uninstaller/ProgressPage.h"
#include "backends/user32/uninstaller/WizardDialog.h"
#include "backends/win32/WideText.h"
#include "installer/IScript.h"

#include <commctrl.h>

namespace User32 {

namespace {

UINT iconStyle(Installer::IUninstallerUi::Icon icon) {
    switch (icon) {
    case Installer::IUninstallerUi::Icon::Warning:
        return MB_ICONWARNING;
    case Installer::IUninstallerUi::Icon::Question:
        return MB_ICONQUESTION;
    case Installer::IUninstallerUi::Icon::Error:
        return MB_ICONERROR;
    case Installer::IUninstallerUi::Icon::Information:
        break;
    }
    return MB_ICONINFORMATION;
}

// No window of the program is open yet: the box comes to the front of its own accord.
int showBox(const std::string& text, const std::string& caption, UINT style) {
    return MessageBoxW(nullptr, Win32::wide(text).c_str(), Win32::wide(caption).c_str(),
                       style | MB_SETFOREGROUND | MB_TASKMODAL);
}

} // namespace

UninstallerUi::UninstallerUi(std::string systemInformation)
    : UninstallerUi(std::move(systemInformation), dialogReporter_) {}

UninstallerUi::UninstallerUi(std::string systemInformation, Installer::IErrorReporter& reporter)
    : systemInformation_(std::move(systemInformation)), reporter_(reporter) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

void UninstallerUi::DialogErrorReporter::showDetailedReport(const std::string& title,
                                                            const std::string& message,
                                                            const std::string& reportText) {
    VerboseErrorDialog::show({title, message, reportText});
}

void UninstallerUi::DialogErrorReporter::showError(const std::string& title,
                                                   const std::string& text) {
    showBox(text, title, MB_OK | MB_ICONERROR);
}

void UninstallerUi::showMessage(const std::string& text, const std::string& caption, Icon icon) {
    showBox(text, caption, MB_OK | iconStyle(icon));
}

bool UninstallerUi::askYesNo(const std::string& text, const std::string& caption) {
    return showBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void UninstallerUi::runWizard(Installer::IUninstallerScript& script, const std::string& title) {
    const ProgressPage::Setup setup{script, title, systemInformation_, reporter_};
    std::vector<WizardDialog::PageFactory> pages;
    pages.push_back([&setup](HWND parent, Installer::IWizardPageGUIHost& host) {
        return std::make_unique<ProgressPage>(parent, host, setup);
    });
    WizardDialog(std::move(pages), title).run();
}

} // namespace User32
