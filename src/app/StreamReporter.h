#pragma once

#include "app/Reporter.h"

#include <iosfwd>

// Writes the reports to a text stream (standard error until the program has its dialogs).
class StreamReporter : public Reporter {
public:
    explicit StreamReporter(std::ostream& stream) : stream_(stream) {}

    void showDetailedReport(const std::string& title, const std::string& text) override;
    void showError(const std::string& title, const std::string& text) override;

private:
    std::ostream& stream_;
};
