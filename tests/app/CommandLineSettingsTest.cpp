#include "app/CommandLineSettings.h"

#include "RecordingReporter.h"
#include "TemporaryFolder.h"
#include "app/ErrorGuard.h"
#include "app/PluvoSSLauncher.h"
#include "app/ProgramEntry.h"
#include "app/SettingsForOneRun.h"
#include "errors/BasicError.h"
#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>

namespace {

using ::testing::HasSubstr;

CommandLineSettings settingsOf(std::string_view text) {
    return CommandLineSettings(CommandLine::parse(text).settings);
}

std::string refusalOf(std::string_view text) {
    try {
        settingsOf(text);
    } catch (const BasicError& error) {
        return error.what();
    }
    return "accepted";
}

struct NumberCase {
    const char* word;
    int32_t lowest;
    int32_t highest;
};

// Every numeric word accepts both ends of its range and refuses one step beyond either.
TEST(CommandLineSettingsTest, NumbersAreAcceptedExactlyWithinTheirRanges) {
    const NumberCase cases[] = {
        {"density", 0, 50},   {"wind-force", 0, 150},     {"wind-angle", 10, 170},
        {"drop-size", 1, 10}, {"drop-size-spread", 0, 9}, {"speed", 10, 50},
        {"cpu-load", 0, 100}, {"rain-volume", 0, 100},    {"thunder-volume", 0, 100}};
    for (const NumberCase& c : cases) {
        const std::string word = std::string("--") + c.word + " ";
        EXPECT_EQ(refusalOf("/s " + word + std::to_string(c.lowest)), "accepted") << c.word;
        EXPECT_EQ(refusalOf("/s " + word + std::to_string(c.highest)), "accepted") << c.word;
        EXPECT_EQ(refusalOf("/s " + word + std::to_string(c.lowest - 1)),
                  "The value \"" + std::to_string(c.lowest - 1) + "\" of --" + c.word +
                      " is not valid: give a whole number from " + std::to_string(c.lowest) +
                      " to " + std::to_string(c.highest))
            << c.word;
        EXPECT_THAT(refusalOf("/s " + word + std::to_string(c.highest + 1)),
                    HasSubstr("is not valid"))
            << c.word;
    }
}

TEST(CommandLineSettingsTest, ValuesThatAreNotWholeNumbersAreRefused) {
    for (const char* text : {"--density 4.5", "--density 40abc", "--density forty",
                             "--density 0x10", "--density 99999999999999", "--density /s"}) {
        EXPECT_THAT(refusalOf(text), HasSubstr("is not valid")) << text;
    }
    EXPECT_EQ(refusalOf("-root --speed"), "--speed needs a value: a whole number from 10 to 50");
}

TEST(CommandLineSettingsTest, SwitchesAndTheLastWordWins) {
    const CommandLineSettings settings =
        settingsOf("--no-lightning --flashes --sound --no-sound --density 10 --density 20");
    EXPECT_EQ(settings.values().lightning, false);
    EXPECT_EQ(settings.values().flashes, true);
    EXPECT_EQ(settings.values().sound, false);
    EXPECT_EQ(settings.values().density, 20);
    EXPECT_FALSE(settings.empty());
    EXPECT_TRUE(settingsOf("/s --window").empty());
}

TEST(CommandLineSettingsTest, AppliedInTheOptionsOwnUnits) {
    ScreenSaverOptionsStorage options;
    settingsOf("--density 40 --wind-force 0 --wind-angle 90 --speed 12 --cpu-load 30 "
               "--rain-volume 25 --thunder-volume 100 --no-lightning --no-flashes --no-sound")
        .applyTo(options);
    EXPECT_EQ(options.density(), 40);
    EXPECT_EQ(options.windForce(), 0);
    EXPECT_FLOAT_EQ(options.windAngle(), static_cast<float>(std::numbers::pi / 2));
    EXPECT_EQ(options.speed(), 12);
    EXPECT_EQ(options.controlOptions().maxCpuLoad(), 30);
    EXPECT_FLOAT_EQ(options.rainVolume(), 0.25f);
    EXPECT_FLOAT_EQ(options.thunderVolume(), 1.0f);
    EXPECT_FALSE(options.boltsEnabled());
    EXPECT_FALSE(options.flashesEnabled());
    EXPECT_FALSE(options.soundEnabled());
}

TEST(CommandLineSettingsTest, TheLargestDropStaysWithinTheTemplates) {
    ScreenSaverOptionsStorage options; // smallest 4, spread 3
    settingsOf("--drop-size 9").applyTo(options);
    EXPECT_EQ(options.minRadius(), 9);
    EXPECT_EQ(options.radiusSpread(), 1);

    ScreenSaverOptionsStorage wide;
    settingsOf("--drop-size 2 --drop-size-spread 9").applyTo(wide);
    EXPECT_EQ(wide.minRadius(), 2);
    EXPECT_EQ(wide.radiusSpread(), 8);
}

TEST(CommandLineSettingsTest, SettingsForOneRunPutTheStoredOnesBack) {
    ScreenSaverOptionsStorage options;
    options.setDensity(7);
    options.setWindAngle(1.0f);
    options.setSoundEnabled(true);
    std::ostringstream before;
    options.write(before, ScreenSaverOptionsStorage::currentVersion);
    {
        const SettingsForOneRun run(settingsOf("--density 50 --wind-angle 170 --drop-size 10 "
                                               "--no-sound --cpu-load 1 --no-lightning"),
                                    options);
        EXPECT_EQ(options.density(), 50);
        EXPECT_FALSE(options.soundEnabled());
    }
    std::ostringstream after;
    options.write(after, ScreenSaverOptionsStorage::currentVersion);
    EXPECT_EQ(after.str(), before.str());
}

// Through the launcher: the saver sees the settings, the configuration saved afterwards does
// not, and a bad value stops the run before the saver starts.
class LauncherSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { Configuration::useDefaults(); }

    int runProgramWith(const std::string& text) {
        ProgramParts parts;
        parts.loadConfiguration = [] {};
        parts.saveConfiguration = [this] { savedDensity = Configuration::options()->density(); };
        parts.makeLauncher = [this](const std::string& line) {
            return std::make_unique<PluvoSSLauncher>(
                CommandLine::parse(line, std::string("0x400001")),
                [this](const CommandLine&) {
                    seenDensity = Configuration::options()->density();
                    return 0;
                },
                notices);
        };
        parts.probeDirectX = [] { return GraphicsVersion{0x0501, ""}; };
        return runProgram(text, parts, reporter);
    }

    TemporaryFolderVariable runtime{"XDG_RUNTIME_DIR"};
    std::ostringstream notices;
    RecordingReporter reporter;
    int32_t seenDensity = -1;
    int32_t savedDensity = -1;
};

TEST_F(LauncherSettingsTest, TheSaverSeesTheSettingsAndTheSaveDoesNot) {
    EXPECT_EQ(runProgramWith("-root --density 42"), exitSuccess);
    EXPECT_EQ(seenDensity, 42);
    EXPECT_EQ(savedDensity, 25);
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(LauncherSettingsTest, BadValueFailsBeforeTheSaverRunsAndSavesNothing) {
    EXPECT_EQ(runProgramWith("-root --wind-force 151"), exitFailure);
    EXPECT_EQ(seenDensity, -1);
    EXPECT_EQ(savedDensity, -1);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Sorry: The value \"151\" of --wind-force is not valid: "
                                        "give a whole number from 0 to 150.");
    EXPECT_EQ(Configuration::options()->windForce(), 120);
}

} // namespace
