#include "app/ProgramEntry.h"

#include "TemporaryFolder.h"
#include "app/ErrorGuard.h"
#include "app/SystemInformation.h"
#include "display/DX5Error.h"
#include "errors/VerboseError.h"
#include "options/Configuration.h"
#include "platform/Rand15.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string caption = "Pluvo Screen Saver 2.2.17";

struct Report {
    std::string kind;
    std::string title;
    std::string text;
};

class RecordingReporter : public Reporter {
public:
    std::vector<Report> reports;

    void showDetailedReport(const std::string& title, const std::string& text) override {
        reports.push_back({"detailed", title, text});
    }
    void showError(const std::string& title, const std::string& text) override {
        reports.push_back({"error", title, text});
    }
};

// A launcher whose every mode runs the given action.
class ActionLauncher : public ScreenSaverLauncher {
public:
    ActionLauncher(std::function<void()> action, std::vector<std::string>& log)
        : ScreenSaverLauncher(CommandLine{}), action_(std::move(action)), log_(log) {}
    ~ActionLauncher() override { log_.push_back("launcher gone"); }

protected:
    void runSaver() override { act(); }
    void runSettings(int32_t) override { act(); }
    void runPreview(int32_t) override { act(); }
    void runUninstaller() override { act(); }

private:
    void act() {
        log_.push_back("run");
        action_();
    }
    std::function<void()> action_;
    std::vector<std::string>& log_;
};

class ProgramEntryTest : public ::testing::Test {
protected:
    ProgramParts partsRunning(std::function<void()> action) {
        ProgramParts parts;
        parts.loadConfiguration = [this] { log.push_back("load"); };
        parts.saveConfiguration = [this] { log.push_back("save"); };
        parts.makeLauncher = [this, action](const std::string&) {
            return std::make_unique<ActionLauncher>(action, log);
        };
        parts.probeDirectX = [] { return DirectXVersion{0x0501, ""}; };
        return parts;
    }

    int runWith(std::function<void()> action) {
        return runProgram("/c", partsRunning(std::move(action)), reporter);
    }

    std::vector<std::string> log;
    RecordingReporter reporter;
};

TEST_F(ProgramEntryTest, LoadsRunsAndSavesAfterTheLauncherIsGone) {
    EXPECT_EQ(runWith([] {}), 0);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone", "save"));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(ProgramEntryTest, PlainErrorIsSorryAndNothingIsSaved) {
    EXPECT_EQ(runWith([] { throw BasicError("Disk on fire"); }), 0);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "error");
    EXPECT_EQ(reporter.reports[0].title, caption);
    EXPECT_EQ(reporter.reports[0].text, "Sorry: Disk on fire.");
}

TEST_F(ProgramEntryTest, VerboseErrorGetsTheDetailedReport) {
    EXPECT_EQ(runWith([] { throw VerboseError("Frame lost"); }), 0);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "detailed");
    EXPECT_EQ(reporter.reports[0].title, caption);
    EXPECT_THAT(reporter.reports[0].text,
                StartsWith("PR: " + caption + "\r\nDX: 5.1\r\n\r\nFrame lost\r\n"));
}

TEST_F(ProgramEntryTest, DisplayErrorIsAVerboseError) {
    runWith([] { throw DX5::Error(static_cast<int32_t>(0x887601C2)); });
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "detailed");
    EXPECT_THAT(reporter.reports[0].text, HasSubstr("DirectX error!"));
}

TEST_F(ProgramEntryTest, UnsupportedVideoModeEndsSilently) {
    runWith([] { throw DX5::UnsupportedVideoModeError(); });
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
}

TEST_F(ProgramEntryTest, SilentTestComesBeforeTheVerboseReport) {
    ProgramParts parts = partsRunning([] { throw VerboseError("quiet"); });
    parts.isSilent = [](const std::exception& error) {
        return std::string(error.what()) == "quiet";
    };
    runProgram("", parts, reporter);
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(ProgramEntryTest, NonStandardErrorIsUnknown) {
    runWith([] { throw 42; });
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "error");
    EXPECT_EQ(reporter.reports[0].text, "Sorry, unknown internal error.");
}

TEST_F(ProgramEntryTest, FailingLoadRunsNoLauncher) {
    ProgramParts parts = partsRunning([] {});
    parts.loadConfiguration = [] { throw Configuration::NotFoundError(); };
    runProgram("", parts, reporter);
    EXPECT_TRUE(log.empty());
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Sorry: Configuration doesn't exist!.");
}

TEST_F(ProgramEntryTest, FailingReportFallsBackToTheBareText) {
    ProgramParts parts = partsRunning([] { throw VerboseError("Frame lost"); });
    parts.probeDirectX = []() -> DirectXVersion { throw std::runtime_error("probe broke"); };
    EXPECT_EQ(runProgram("", parts, reporter), 0);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Frame lost");
}

TEST_F(ProgramEntryTest, SeedsTheGeneratorFromTheCalendarTime) {
    const auto before = static_cast<uint32_t>(std::time(nullptr));
    runWith([] {});
    const int32_t drawn = rand15();
    const auto after = static_cast<uint32_t>(std::time(nullptr));
    bool matchesASecond = false;
    for (uint32_t second = before; second <= after; ++second) {
        seedRand15(second);
        matchesASecond = matchesASecond || rand15() == drawn;
    }
    EXPECT_TRUE(matchesASecond);
}

TEST(SystemInformationTest, DirectXLine) {
    EXPECT_EQ(directXLine({0x0801, ""}), "DX: 8.1");
    EXPECT_EQ(directXLine({0, "Couldn't create DDraw"}), "DX: 0.0 (Couldn't create DDraw)");
    EXPECT_EQ(systemInformation("P 1", {0x0500, ""}), "PR: P 1\r\nDX: 5.0");
}

// The real configuration store: a failed run leaves the user's stored value untouched.
TEST(ProgramEntryStoreTest, ConfigurationIsWrittenOnlyAfterASuccessfulRun) {
    TemporaryFolderVariable userConfig("XDG_CONFIG_HOME");
    TemporaryFolderVariable machineConfig("XDG_CONFIG_DIRS");
    Configuration::useDefaults();
    Configuration::save(false);
    RecordingReporter reporter;
    std::vector<std::string> log;

    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [&log](const std::string&) {
        return std::make_unique<ActionLauncher>([] { throw BasicError("stop"); }, log);
    };
    runProgram("", parts, reporter);
    EXPECT_FALSE(Configuration::exists(true));

    parts.makeLauncher = [&log](const std::string&) {
        return std::make_unique<ActionLauncher>([] {}, log);
    };
    runProgram("", parts, reporter);
    EXPECT_TRUE(Configuration::exists(true));
    EXPECT_EQ(reporter.reports.size(), 1u);
}

} // namespace
