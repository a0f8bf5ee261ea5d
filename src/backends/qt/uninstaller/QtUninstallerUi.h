#pragma once

#include "backends/qt/uninstaller/DialogErrorReporter.h"
#include "installer/IUninstallerUi.h"

#include <memory>
#include <string>

class QApplication;
class QDialog;

namespace Installer {

// The uninstaller's message boxes and wizard in Qt windows, each titled with its caption and
// answerable from the keyboard alone. A Qt application is made when the process has none.
class QtUninstallerUi : public IUninstallerUi {
public:
    // systemInformation: the head of a detailed error report, as the program's own reports
    // begin. Errors of a run go to the program's error dialogs, or to the reporter given.
    explicit QtUninstallerUi(std::string systemInformation);
    QtUninstallerUi(std::string systemInformation, IErrorReporter& reporter);
    ~QtUninstallerUi() override;
    QtUninstallerUi(const QtUninstallerUi&) = delete;
    QtUninstallerUi& operator=(const QtUninstallerUi&) = delete;

    void showMessage(const std::string& text, const std::string& caption, Icon icon) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    void runWizard(IUninstallerScript& script, const std::string& title) override;

    // Runs a dialog modally with the keyboard focus in it, also where no window manager hands
    // the focus to new windows.
    static int execWithFocus(QDialog& dialog);

private:
    void ensureApplication();

    std::string systemInformation_;
    DialogErrorReporter dialogReporter_;
    IErrorReporter& reporter_;
    int argumentCount_ = 1;
    char programName_[6] = "pluvo";
    char* arguments_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> application_;
};

} // namespace Installer
