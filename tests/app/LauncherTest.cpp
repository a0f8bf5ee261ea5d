#include "TemporaryFolder.h"
#include "app/PluvoSSLauncher.h"
#include "platform/NamedMutex.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Records which mode ran and stands in for copying and starting programs.
class RecordingLauncher : public ScreenSaverLauncher {
public:
    using ScreenSaverLauncher::ScreenSaverLauncher;

    std::vector<std::string> calls;

protected:
    void copyProgram(const std::string& destination) override {
        calls.push_back("copy " + destination);
    }
    void startProgram(const std::string& program, const std::string& arguments) override {
        calls.push_back("start " + program + " " + arguments);
    }
    void runSaver() override { calls.push_back("saver"); }
    void runSettings(int32_t parent) override {
        calls.push_back("settings " + std::to_string(parent));
    }
    void runPreview(int32_t parent) override {
        calls.push_back("preview " + std::to_string(parent));
    }
    void runUninstaller() override { calls.push_back("uninstaller"); }
    std::string programPath() const override { return "/opt/pluvo/pluvo"; }
};

std::vector<std::string> callsFor(std::string_view text) {
    RecordingLauncher launcher{CommandLine::parse(text)};
    launcher.run();
    return launcher.calls;
}

TEST(ScreenSaverLauncherTest, DispatchesOnTheMode) {
    EXPECT_THAT(callsFor("/s"), ::testing::ElementsAre("saver"));
    EXPECT_THAT(callsFor("/p 4711"), ::testing::ElementsAre("preview 4711"));
    EXPECT_THAT(callsFor("/c:12"), ::testing::ElementsAre("settings 12"));
    EXPECT_THAT(callsFor(""), ::testing::ElementsAre("settings 0"));
}

TEST(ScreenSaverLauncherTest, UnknownModeDoesNothing) {
    CommandLine line;
    line.mode = static_cast<RunMode>(7);
    RecordingLauncher launcher{line};
    launcher.run();
    EXPECT_TRUE(launcher.calls.empty());
}

TEST(ScreenSaverLauncherTest, HandOverCopiesItselfAndStartsTheCopyWithKill) {
    TemporaryFolderVariable temp("TMPDIR");
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    RecordingLauncher launcher{CommandLine::parse("/uninstall")};
    launcher.run();

    ASSERT_EQ(launcher.calls.size(), 2u);
    const std::string copy = launcher.calls[0].substr(5);
    EXPECT_THAT(copy, StartsWith((temp.path() / "~QV").string()));
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(launcher.calls[1], "start " + copy + " /kill \"/opt/pluvo/pluvo\"");
    EXPECT_TRUE(
        std::filesystem::exists(NamedMutex::lockFilePath(ScreenSaverLauncher::handOverMutexName)));
}

TEST(ScreenSaverLauncherTest, CopyWithoutFirstProcessUninstallsAtOnce) {
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    EXPECT_THAT(callsFor("/kill \"/opt/pluvo/pluvo\""), ::testing::ElementsAre("uninstaller"));
}

TEST(ScreenSaverLauncherTest, CopyWaitsUntilTheFirstProcessLetsGo) {
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    auto firstProcess = NamedMutex::tryAcquire(ScreenSaverLauncher::handOverMutexName);
    ASSERT_TRUE(firstProcess.has_value());

    auto copy = std::async(std::launch::async, [] { return callsFor("/kill \"/x\""); });
    EXPECT_EQ(copy.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    firstProcess.reset();
    EXPECT_THAT(copy.get(), ::testing::ElementsAre("uninstaller"));
}

// Records the uninstaller's run and stands for a program file of the given path.
class CopyLauncher : public ScreenSaverLauncher {
public:
    CopyLauncher(std::string_view text, std::string path)
        : ScreenSaverLauncher(CommandLine::parse(text)), path_(std::move(path)) {}
    bool uninstallerRan = false;

protected:
    void runSaver() override {}
    void runSettings(int32_t) override {}
    void runPreview(int32_t) override {}
    void runUninstaller() override {
        uninstallerRan = std::filesystem::exists(path_);
        throw BasicError("the copy goes on errors too");
    }
    std::string programPath() const override { return path_; }

private:
    std::string path_;
};

TEST(ScreenSaverLauncherTest, OnlyATemporaryCopyRemovesItselfAfterTheUninstaller) {
    TemporaryFolderVariable temp("TMPDIR");
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    TemporaryFolderVariable installed("PLUVO_TEST_PREFIX");
    const auto makeFile = [](const std::filesystem::path& path) {
        std::ofstream(path) << "program";
        return path.string();
    };
    const std::string copy = makeFile(temp.path() / "~QVab12Cd");
    const std::string otherTemporary = makeFile(temp.path() / "pluvo");
    const std::string installedProgram = makeFile(installed.path() / "~QVinstalled");

    for (const std::string& path : {copy, otherTemporary, installedProgram}) {
        CopyLauncher launcher("/kill \"/opt/pluvo/bin/pluvo\"", path);
        EXPECT_THROW(launcher.run(), BasicError);
        EXPECT_TRUE(launcher.uninstallerRan) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(otherTemporary));
    EXPECT_TRUE(std::filesystem::exists(installedProgram));
}

TEST(PluvoSSLauncherTest, SaverRunsWindowedOnlyWhenAsked) {
    std::ostringstream notices;
    std::vector<bool> runs;
    const auto saver = [&runs](const CommandLine& line) {
        runs.push_back(line.windowed);
        return 0;
    };
    PluvoSSLauncher(CommandLine::parse("/s"), saver, notices).run();
    PluvoSSLauncher(CommandLine::parse("--window"), saver, notices).run();
    EXPECT_THAT(runs, ::testing::ElementsAre(false, true));
    EXPECT_EQ(notices.str(), "");
}

TEST(PluvoSSLauncherTest, ModesNotBuiltYetSaySo) {
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    for (const char* text : {"/c", "/kill \"/x\""}) {
        std::ostringstream notices;
        PluvoSSLauncher(CommandLine::parse(text), {}, notices).run();
        EXPECT_THAT(notices.str(), HasSubstr("not yet available")) << text;
    }
    std::ostringstream notices;
    PluvoSSLauncher(CommandLine::parse("/s"), {}, notices).run();
    EXPECT_THAT(notices.str(), HasSubstr("not yet available"));
}

TEST(PluvoSSLauncherTest, SettingsRunOverTheGivenWindowWhenTheProgramHasThem) {
    std::ostringstream notices;
    std::vector<int32_t> parents;
    PluvoSSLauncher launcher(CommandLine::parse("/c:1234"), {}, notices);
    launcher.setSettingsRunner([&parents](int32_t parent) { parents.push_back(parent); });
    launcher.run();
    EXPECT_EQ(parents, std::vector<int32_t>{1234});
    EXPECT_EQ(notices.str(), "");
}

TEST(PluvoSSLauncherTest, PreviewRunsInTheGivenWindowAndMarksItselfRunning) {
    TemporaryFolderVariable runtime("XDG_RUNTIME_DIR");
    std::ostringstream notices;
    std::vector<int32_t> parents;
    bool markedRunning = false;
    const auto preview = [&](int32_t parent) {
        parents.push_back(parent);
        markedRunning = NamedMutex::isHeld(PluvoSSLauncher::previewMutexName);
    };
    PluvoSSLauncher(CommandLine::parse("/p 4711"), {}, notices, preview).run();
    EXPECT_EQ(parents, std::vector<int32_t>{4711});
    EXPECT_TRUE(markedRunning);
    EXPECT_EQ(notices.str(), "");
}

} // namespace
