#pragma once

#include "installer/IErrorReporter.h"
#include "installer/IUninstallerUi.h"

#include <string>

namespace User32 {

// The uninstaller's message boxes and wizard as the system's own windows, answerable from the
// keyboard alone.
class UninstallerUi : public Installer::IUninstallerUi {
public:
    // systemInformation: the head of a detailed error report, as the program's own reports
    // begin. The error that ends a run is shown in the program's own error dialogs.
    explicit UninstallerUi(std::string systemInformation);
    // Or told to the reporter given.
    UninstallerUi(std::string systemInformation, Installer::IErrorReporter& reporter);

    void showMessage(const std::string& text, const std::string& caption, Icon icon) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    void runWizard(Installer::IUninstallerScript& script, const std::string& title) override;

    // The report of the detailed error dialog, and a message box with the error icon.
    class DialogErrorReporter : public Installer::IErrorReporter {
    public:
        void showDetailedReport(const std::string& title, const std::string& message,
                                const std::string& reportText) override;
        void showError(const std::string& title, const std::string& text) override;
    };

private:
    std::string systemInformation_;
    DialogErrorReporter dialogReporter_;
    Installer::IErrorReporter& reporter_;
};

} // namespace User32
