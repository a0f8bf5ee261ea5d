#pragma once

#include "errors/Thread.h"

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

// Tells the reporter of the error a worker ended with: a VerboseError in the detailed report,
// headed by systemInformation, any other in a message box. Should the report itself fail, the
// error still reaches standard error.
void reportWorkerError(const Thread::IExceptionTrap& trap, IErrorReporter& reporter,
                       const std::string& title, const std::string& systemInformation);

} // namespace Installer
