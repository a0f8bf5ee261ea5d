#pragma once

#include "app/StreamReporter.h"

#include <functional>
#include <iosfwd>

struct DialogFunctions;

// Shows the reports where a person sees them: the detailed report and the error message as
// dialogs. Every report also goes to the log stream (standard error), since a saver started by a
// daemon has nobody looking at its window; without a display, or with PLUVO_REPORT=stderr, the
// log is all there is.
class DialogReporter : public Reporter {
public:
    static constexpr const char* choiceVariable = "PLUVO_REPORT";

    explicit DialogReporter(std::ostream& log) : stream_(log), log_(log) {}

    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& text) override;
    void showError(const std::string& title, const std::string& text) override;
    void noteSilentEnd(const std::string& title, const std::string& text) override;

    // False when PLUVO_REPORT is "stderr" or no dialog could be seen.
    static bool dialogsWanted();

private:
    void showDialog(const std::function<void(const DialogFunctions&)>& show);

    std::ostream& stream_;
    StreamReporter log_;
};
