#include "backends/qt/uninstaller/DialogErrorReporter.h"

#include "backends/qt/errors/ErrorDialogs.h"

namespace Installer {

void DialogErrorReporter::showDetailedReport(const std::string& title, const std::string& message,
                                             const std::string& reportText) {
    ErrorDialogs::showDetailedReport(title, message, reportText);
}

void DialogErrorReporter::showError(const std::string& title, const std::string& text) {
    ErrorDialogs::showErrorMessage(title, text);
}

} // namespace Installer
