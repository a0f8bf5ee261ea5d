#include "app/DialogReporter.h"

#include "errors/dialogs/ErrorDialogs.h"

#include <cstdlib>
#include <string_view>

bool DialogReporter::dialogsWanted() {
    const char* choice = std::getenv(choiceVariable);
    if (choice != nullptr && std::string_view(choice) == "stderr") {
        return false;
    }
    return ErrorDialogs::canShow();
}

void DialogReporter::showDetailedReport(const std::string& title, const std::string& message,
                                        const std::string& text) {
    log_.showDetailedReport(title, message, text);
    if (dialogsWanted()) {
        ErrorDialogs::showDetailedReport(title, message, text);
    }
}

void DialogReporter::showError(const std::string& title, const std::string& text) {
    log_.showError(title, text);
    if (dialogsWanted()) {
        ErrorDialogs::showErrorMessage(title, text);
    }
}

void DialogReporter::noteSilentEnd(const std::string& title, const std::string& text) {
    log_.noteSilentEnd(title, text);
}
