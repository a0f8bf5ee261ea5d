#pragma once

#include <string>

// Where the errors that reach the top of the program are shown.
class Reporter {
public:
    virtual ~Reporter() = default;
    // The detailed error report; text is its copyable field.
    virtual void showDetailedReport(const std::string& title, const std::string& text) = 0;
    // A short error message for the user.
    virtual void showError(const std::string& title, const std::string& text) = 0;
};
