#include "app/StreamReporter.h"

#include <ostream>

namespace {

// The report keeps the line ends a person copies out of the dialog; a log reads better with
// plain ones.
std::string withPlainLineEnds(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        plain += text[i];
    }
    return plain;
}

} // namespace

void StreamReporter::showDetailedReport(const std::string& title, const std::string& /*message*/,
                                        const std::string& text) {
    stream_ << title << "\n" << withPlainLineEnds(text) << std::flush;
}

void StreamReporter::showError(const std::string& title, const std::string& text) {
    stream_ << title << ": " << text << "\n" << std::flush;
}

void StreamReporter::noteSilentEnd(const std::string& title, const std::string& text) {
    stream_ << title << ": " << text << "\n" << std::flush;
}
