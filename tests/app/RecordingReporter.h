#pragma once

#include "app/Reporter.h"

#include <string>
#include <vector>

struct Report {
    std::string kind;
    std::string title;
    std::string text;
    std::string message;
};

// Keeps every report instead of showing it.
class RecordingReporter : public Reporter {
public:
    std::vector<Report> reports;

    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& text) override {
        reports.push_back({"detailed", title, text, message});
    }
    void showError(const std::string& title, const std::string& text) override {
        reports.push_back({"error", title, text, ""});
    }
    void noteSilentEnd(const std::string& title, const std::string& text) override {
        reports.push_back({"silent", title, text, ""});
    }
};
