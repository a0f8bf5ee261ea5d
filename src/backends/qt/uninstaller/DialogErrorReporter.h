#pragma once

#include "installer/IErrorReporter.h"

namespace Installer {

// The program's error dialogs.
class DialogErrorReporter : public IErrorReporter {
public:
    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& reportText) override;
    void showError(const std::string& title, const std::string& text) override;
};

} // namespace Installer
