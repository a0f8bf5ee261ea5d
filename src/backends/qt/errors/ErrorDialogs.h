#pragma once

#include "errors/DialogAvailability.h"

#include <string>

// The error dialogs for code that does not use Qt itself. Each call runs its dialog modally and
// returns when the user has closed it; a Qt application is made for the dialog when the process
// has none.
namespace ErrorDialogs {

// The detailed error report (VerboseErrorDialog).
void showDetailedReport(const std::string& title, const std::string& message,
                        const std::string& reportText);

// A message box with the error icon and an OK button.
void showErrorMessage(const std::string& title, const std::string& text);

} // namespace ErrorDialogs
