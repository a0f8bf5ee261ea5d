#pragma once

#include <string>

// Where the errors that reach the top of the program are shown.
class Reporter {
public:
    virtual ~Reporter() = default;
    // The detailed error report: message is the error's own text, text the copyable report.
    virtual void showDetailedReport(const std::string& title, const std::string& message,
                                    const std::string& text) = 0;
    // A short error message for the user.
    virtual void showError(const std::string& title, const std::string& text) = 0;
    // An end that the user is not shown; only the log of whoever started us learns of it.
    virtual void noteSilentEnd(const std::string& title, const std::string& text) = 0;
};
