#pragma once

#include "app/Reporter.h"

// Shows the reports in the system's dialogs, owned by no window: the saver's own window is gone
// by the time an error reaches the top. The detailed report is the program's own dialog, the
// short messages are message boxes.
class SystemDialogReporter : public Reporter {
public:
    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& text) override;
    void showError(const std::string& title, const std::string& text) override;
    void noteSilentEnd(const std::string& title, const std::string& text) override;
};
