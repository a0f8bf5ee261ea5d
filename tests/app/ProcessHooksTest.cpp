#include "app/ProcessHooks.h"

#include "RecordingReporter.h"
#include "app/ErrorGuard.h"
#include "app/StreamReporter.h"
#include "errors/VerboseError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>

namespace {

using ::testing::HasSubstr;

const std::string outOfMemoryText =
    "There is not enough memory to continue execution of this program. You can close some "
    "unneeded applications to make more memory available.";

TEST(ProcessHooksTest, RunningOutOfMemoryRaisesTheVerboseErrorOnce) {
    RecordingReporter reporter;
    ErrorGuard guard(reporter, {});
    const ProcessHooks hooks(guard, {});
    const std::new_handler handler = std::get_new_handler();
    ASSERT_NE(handler, nullptr);
    try {
        handler();
        FAIL() << "the handler returned";
    } catch (const VerboseError& error) {
        EXPECT_EQ(std::string(error.what()), outOfMemoryText);
        EXPECT_FALSE(error.details().empty());
    }
    // The handler is still in place for the next shortage.
    EXPECT_THROW(handler(), VerboseError);
}

// Runs in a child process: the handler ends the process with status 1 after giving everything
// back and reporting.
[[noreturn]] void terminateWithHooks() {
    static StreamReporter reporter(std::cerr);
    static ErrorGuard guard(reporter, [] { return GraphicsVersion{0x0200, ""}; });
    guard.setProductCaption("Pluvo Screen Saver 2.2.17");
    static int calls = 0;
    static const ProcessHooks hooks(guard, [] {
        std::cerr << "display given back " << ++calls << "\n";
        throw std::runtime_error("an action failed");
    });
    std::terminate();
}

TEST(ProcessHooksDeathTest, TerminationGivesBackReportsAndExitsWithOne) {
    EXPECT_EXIT(terminateWithHooks(), ::testing::ExitedWithCode(1),
                "display given back 1\nPluvo Screen Saver 2.2.17\nPR: Pluvo Screen Saver "
                "2.2.17\nDX: 2.0\n\nAbnormal program termination.\n\nOS: ");
}

TEST(ProcessHooksDeathTest, AnUncaughtErrorOnAnotherThreadIsATermination) {
    const auto throwOnThread = [] {
        static StreamReporter reporter(std::cerr);
        static ErrorGuard guard(reporter, {});
        static const ProcessHooks hooks(guard, {});
        std::thread([] { throw BasicError("lost"); }).join();
    };
    EXPECT_EXIT(throwOnThread(), ::testing::ExitedWithCode(1), "Abnormal program termination.");
}

} // namespace
