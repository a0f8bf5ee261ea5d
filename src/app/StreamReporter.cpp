#include "app/StreamReporter.h"

#include <ostream>

void StreamReporter::showDetailedReport(const std::string& title, const std::string& text) {
    stream_ << title << "\n" << text << std::flush;
}

void StreamReporter::showError(const std::string& title, const std::string& text) {
    stream_ << title << ": " << text << "\n" << std::flush;
}
