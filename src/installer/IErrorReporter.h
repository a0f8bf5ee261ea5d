#pragma once

#include <string>

namespace Installer {

// Where the wizard tells the user of the error that ended a run.
class IErrorReporter {
public:
    virtual ~IErrorReporter() = default;
    // The detailed error report: message is the error's own text, reportText the copyable report.
    virtual void showDetailedReport(const std::string& title, const std::string& message,
                                    const std::string& reportText) = 0;
    // A message box with the error icon.
    virtual void showError(const std::string& title, const std::string& text) = 0;
};

} // namespace Installer
