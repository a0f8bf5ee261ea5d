#include "installer/IErrorReporter.h"

#include "errors/DetailedReport.h"

#include <iostream>

namespace Installer {

void reportWorkerError(const Thread::IExceptionTrap& trap, IErrorReporter& reporter,
                       const std::string& title, const std::string& systemInformation) {
    try {
        try {
            trap.rethrow();
        } catch (const VerboseError& error) {
            reporter.showDetailedReport(title, error.what(),
                                        detailedReportText(error, systemInformation));
        } catch (const std::exception& error) {
            reporter.showError(title, error.what());
        }
    } catch (const std::exception& failure) {
        std::cerr << title << ": " << trap.errorText() << " (" << failure.what() << ")\n";
    }
}

} // namespace Installer
