#include "app/DialogReporter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// With PLUVO_REPORT=stderr (what the tests and the checks on a virtual X server use) nothing
// waits for a click: every report is the log's text alone.
TEST(DialogReporterTest, TheLogGetsEveryReportAndStderrChoiceShowsNoDialog) {
    ::setenv(DialogReporter::choiceVariable, "stderr", 1);
    EXPECT_FALSE(DialogReporter::dialogsWanted());
    std::ostringstream log;
    DialogReporter reporter(log);
    reporter.showDetailedReport("Pluvo 2", "Frame lost", "PR: Pluvo 2\r\n\r\nFrame lost\r\n");
    reporter.showError("Pluvo 2", "Sorry: Disk on fire.");
    reporter.noteSilentEnd("Pluvo 2", "ended without a report: UnsupportedVideoModeError");
    EXPECT_EQ(log.str(), "Pluvo 2\nPR: Pluvo 2\n\nFrame lost\n"
                         "Pluvo 2: Sorry: Disk on fire.\n"
                         "Pluvo 2: ended without a report: UnsupportedVideoModeError\n");
    ::unsetenv(DialogReporter::choiceVariable);
}

} // namespace
