#include "app/ProgramEntry.h"

#include "ActionLauncher.h"
#include "RecordingReporter.h"
#include "TemporaryFolder.h"
#include "app/ErrorGuard.h"
#include "app/PluvoSSLauncher.h"
#include "app/ProcessHooks.h"
#include "app/SystemInformation.h"
#include "display/DX5Error.h"
#include "errors/VerboseError.h"
#include "options/Configuration.h"
#include "platform/HelpNames.h"
#include "platform/Rand15.h"
#include "resources/UnitStrings.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string caption = "Pluvo Screen Saver 2.2.17";

class ProgramEntryTest : public ::testing::Test {
protected:
    ProgramParts partsRunning(std::function<void()> action) {
        ProgramParts parts;
        parts.loadConfiguration = [this] { log.push_back("load"); };
        parts.saveConfiguration = [this] { log.push_back("save"); };
        parts.makeLauncher = [this, action](const std::string&) {
            return std::make_unique<ActionLauncher>(action, log);
        };
        parts.probeDirectX = [] { return GraphicsVersion{0x0501, ""}; };
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
    EXPECT_EQ(runWith([] { throw BasicError("Disk on fire"); }), exitFailure);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "error");
    EXPECT_EQ(reporter.reports[0].title, caption);
    EXPECT_EQ(reporter.reports[0].text, "Sorry: Disk on fire.");
}

TEST_F(ProgramEntryTest, VerboseErrorGetsTheDetailedReport) {
    EXPECT_EQ(runWith([] { throw VerboseError("Frame lost"); }), exitFailure);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "detailed");
    EXPECT_EQ(reporter.reports[0].title, caption);
    EXPECT_EQ(reporter.reports[0].message, "Frame lost");
    EXPECT_THAT(reporter.reports[0].text,
                StartsWith("PR: " + caption + "\r\nDX: 5.1\r\n\r\nFrame lost\r\n"));
}

TEST_F(ProgramEntryTest, DisplayErrorIsAVerboseError) {
    runWith([] { throw DX5::Error(static_cast<int32_t>(0x887601C2)); });
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "detailed");
    EXPECT_THAT(reporter.reports[0].text, HasSubstr("DirectX error!"));
}

// Nothing for the user to see, but the starter learns of it from the status and one line.
TEST_F(ProgramEntryTest, UnsupportedVideoModeEndsSilentlyButFails) {
    EXPECT_EQ(runWith([] { throw DX5::UnsupportedVideoModeError(); }), exitFailure);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "silent");
    EXPECT_EQ(reporter.reports[0].text.find('\n'), std::string::npos);
    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
}

TEST_F(ProgramEntryTest, SilentTestComesBeforeTheVerboseReport) {
    ProgramParts parts = partsRunning([] { throw VerboseError("quiet"); });
    parts.isSilent = [](const std::exception& error) {
        return std::string(error.what()) == "quiet";
    };
    runProgram("", parts, reporter);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "silent");
}

TEST_F(ProgramEntryTest, NonStandardErrorIsUnknown) {
    EXPECT_EQ(runWith([] { throw 42; }), exitFailure);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "error");
    EXPECT_EQ(reporter.reports[0].text, "Sorry, unknown internal error.");
}

TEST_F(ProgramEntryTest, FailingLoadRunsNoLauncher) {
    ProgramParts parts = partsRunning([] {});
    parts.loadConfiguration = [] { throw Configuration::NotFoundError(); };
    EXPECT_EQ(runProgram("", parts, reporter), exitFailure);
    EXPECT_TRUE(log.empty());
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Sorry: Configuration doesn't exist!.");
}

TEST_F(ProgramEntryTest, FailingReportFallsBackToTheBareText) {
    ProgramParts parts = partsRunning([] { throw VerboseError("Frame lost"); });
    parts.probeDirectX = []() -> GraphicsVersion { throw std::runtime_error("probe broke"); };
    EXPECT_EQ(runProgram("", parts, reporter), exitFailure);
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

// A successful uninstall removed the user's settings with everything else; writing them back
// would leave them behind.
TEST(ProgramEntryStoreTest, NothingIsWrittenBackAfterTheProductWasRemoved) {
    TemporaryFolderVariable userConfig("XDG_CONFIG_HOME");
    TemporaryFolderVariable machineConfig("XDG_CONFIG_DIRS");
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    Configuration::useDefaults();
    Configuration::save(false);
    RecordingReporter reporter;
    std::ostringstream notices;
    for (const bool removed : {false, true}) {
        ProgramParts parts = standardProgramParts();
        parts.makeLauncher = [&](const std::string& text) {
            auto launcher = std::make_unique<PluvoSSLauncher>(text, nullptr, notices);
            launcher->setUninstallerRunner([removed] { return removed; });
            return launcher;
        };
        std::filesystem::remove_all(userConfig.path());
        runProgram("/kill \"/opt/pluvo/bin/pluvo\"", parts, reporter);
        EXPECT_EQ(Configuration::exists(true), !removed) << removed;
    }
    EXPECT_TRUE(reporter.reports.empty());
}

} // namespace

namespace {

// What start-up has in place by the time the configuration is read.
struct StartupState {
    bool terminateHandlerInstalled = false;
    bool newHandlerInstalled = false;
    std::string helpFile;
    std::string contextHelpPrefix;
    std::string topicPrefix;
    uint32_t directXBase = 0;
    uint32_t installerBase = 0;
    uint32_t vanticBase = 0;
};

StartupState currentStartupState() {
    StartupState state;
    state.terminateHandlerInstalled = std::get_terminate() == &ProcessHooks::onTerminate;
    state.newHandlerInstalled = std::get_new_handler() == &ProcessHooks::onOutOfMemory;
    state.helpFile = processHelpNames().helpFile;
    state.contextHelpPrefix = processHelpNames().contextHelpPrefix;
    state.topicPrefix = processHelpNames().topicPrefix;
    state.directXBase = Resources::unitStringBase(Resources::StringUnit::DirectX);
    state.installerBase = Resources::unitStringBase(Resources::StringUnit::Installer);
    state.vanticBase = Resources::unitStringBase(Resources::StringUnit::Vantic);
    return state;
}

TEST_F(ProgramEntryTest, HooksNamesAndBasesAreInPlaceBeforeTheConfigurationIsRead) {
    Resources::setUnitStringBase(Resources::StringUnit::DirectX, 1);
    processHelpNames() = {};
    ProgramParts parts = partsRunning([] {});
    StartupState atLoad;
    parts.loadConfiguration = [&atLoad] { atLoad = currentStartupState(); };

    EXPECT_EQ(runProgram("", parts, reporter), exitSuccess);
    EXPECT_TRUE(atLoad.terminateHandlerInstalled);
    EXPECT_TRUE(atLoad.newHandlerInstalled);
    EXPECT_EQ(atLoad.helpFile, "Pluvo Screensaver.chm");
    EXPECT_EQ(atLoad.contextHelpPrefix, "Pluvo Screensaver.chm::/context-help/");
    EXPECT_EQ(atLoad.topicPrefix, "Vantic/");
    EXPECT_EQ(atLoad.directXBase, 1300u);
    EXPECT_EQ(atLoad.installerBase, 6000u);
    EXPECT_EQ(atLoad.vanticBase, 7000u);

    const StartupState after = currentStartupState();
    EXPECT_FALSE(after.terminateHandlerInstalled);
    EXPECT_FALSE(after.newHandlerInstalled);
}

} // namespace
