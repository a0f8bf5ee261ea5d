#pragma once

#include "app/Reporter.h"

#include <iosfwd>

// Writes the reports to a text stream: standard error, for the programs that start a saver and
// keep its output, and for runs without any display.
class StreamReporter : public Reporter {
public:
    explicit StreamReporter(std::ostream& stream) : stream_(stream) {}

    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& text) override;
    void showError(const std::string& title, const std::string& text) override;
    void noteSilentEnd(const std::string& title, const std::string& text) override;

private:
    std::ostream& stream_;
};
