#include "app/DialogReporter.h"

#include "app/DialogsLibrary.h"
#include "errors/BasicError.h"
#include "errors/DialogAvailability.h"

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
        showDialog([&](const DialogFunctions& dialogs) {
            dialogs.showDetailedReport(title, message, text);
        });
    }
}

void DialogReporter::showError(const std::string& title, const std::string& text) {
    log_.showError(title, text);
    if (dialogsWanted()) {
        showDialog([&](const DialogFunctions& dialogs) { dialogs.showErrorMessage(title, text); });
    }
}

// The report is in the log already; a dialog that cannot be shown only adds why to it.
void DialogReporter::showDialog(const std::function<void(const DialogFunctions&)>& show) {
    try {
        show(DialogsLibrary::functions());
    } catch (const BasicError& error) {
        stream_ << error.what() << '\n';
    }
}

void DialogReporter::noteSilentEnd(const std::string& title, const std::string& text) {
    log_.noteSilentEnd(title, text);
}
