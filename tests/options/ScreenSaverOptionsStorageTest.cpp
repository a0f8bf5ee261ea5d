#include "options/ScreenSaverOptionsStorage.h"

#include "options/FakeDisplayDevice.h"
#include "persistence/InputStream.h"

#include <bit>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

std::string recordOf(ScreenSaverOptionsStorage& options, uint32_t version) {
    std::ostringstream bytes;
    options.write(bytes, version);
    return bytes.str();
}

// Every field away from its default.
void changeEverything(ScreenSaverOptionsStorage& options) {
    options.setDensity(37);
    options.setWindForce(99);
    options.setWindAngle(1.2345678f);
    options.setMinRadius(2);
    options.setRadiusSpread(6);
    options.setSpeed(44);
    options.setDensityRampUp(false);
    options.setBoltsEnabled(false);
    options.setBoltColour(0x00123456);
    options.setRandomColour(0);
    options.setMinInterval(11);
    options.setIntervalSpread(3);
    options.setSoundEnabled(false);
    options.setRainVolume(0.3f);
    options.setThunderVolume(0.65f);
    options.setFlashesEnabled(false);
    options.setFlashColour(0x00ABCDEF);
    options.setFlashThreshold(200);
    options.controlOptions().setMaxCpuLoad(60);
    options.controlOptions().setInterruptMode(2);
    options.controlOptions().setResetEnabled(true);
    options.controlOptions().setResetPeriod(150);
    options.wallpaperList().setFiles({"/pictures/one.jpg", "/pictures/two.bmp"});
    options.wallpaperList().setOrderMode(IWallpaperListModel::randomOrder);
    options.wallpaperList().setNextIndex(1);
}

ScreenSaverOptionsStorage readBack(const std::string& record) {
    std::istringstream bytes(record);
    return ScreenSaverOptionsStorage(bytes);
}

// A record whose display mode is a chosen 1280x720 True Color, as the settings store it.
std::string recordWithAChosenMode(uint32_t version) {
    FakeDisplayDevice display({{32, 1920, 1080, 0}, {32, 1280, 720, 0}});
    ScreenSaverOptionsStorage options;
    DirectXDisplayModeSelectionModel& model = options.displayModeSelectionModel();
    model.setUseCurrentMode(false);
    model.selectMode(model.availableModes()[1]);
    return recordOf(options, version);
}

int32_t int32At(const std::string& record, std::size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, record.data() + offset, 4);
    return value;
}

} // namespace

TEST(ScreenSaverOptionsStorageTest, DefaultsOfANewUser) {
    ScreenSaverOptionsStorage options;
    EXPECT_EQ(options.density(), 25);
    EXPECT_EQ(options.windForce(), 120);
    EXPECT_EQ(options.windX(), 84);
    EXPECT_EQ(options.windY(), 84);
    EXPECT_EQ(std::bit_cast<uint32_t>(options.rainVolume()), 0x3F4CCCCDu);
    EXPECT_EQ(options.flashThreshold(), 96);
    EXPECT_EQ(options.controlOptions().maxCpuLoad(), 100);
    EXPECT_FALSE(options.controlOptions().resetEnabled());
    EXPECT_EQ(options.controlOptions().resetPeriod(), 120);
    EXPECT_TRUE(options.displayModeSelectionModel().useCurrentMode());
    EXPECT_TRUE(options.wallpaperList().files().empty());
}

TEST(ScreenSaverOptionsStorageTest, WindComponentsFollowAngleAndForce) {
    ScreenSaverOptionsStorage options;
    options.setWindAngle(static_cast<float>(std::numbers::pi / 2));
    options.setWindForce(150);
    EXPECT_EQ(options.windX(), 0);
    EXPECT_EQ(options.windY(), 150);
    options.setWindAngle(2.8f); // past 90 degrees the streak runs to the right
    EXPECT_GT(options.windX(), 0);
}

TEST(ScreenSaverOptionsStorageTest, CurrentRecordRoundTripsByteForByte) {
    ScreenSaverOptionsStorage options;
    changeEverything(options);
    const std::string record = recordOf(options, 1792);
    ScreenSaverOptionsStorage copy = readBack(record);
    EXPECT_EQ(recordOf(copy, 1792), record);
    EXPECT_EQ(copy.density(), 37);
    EXPECT_EQ(std::bit_cast<uint32_t>(copy.windAngle()), std::bit_cast<uint32_t>(1.2345678f));
    EXPECT_EQ(std::bit_cast<uint32_t>(copy.rainVolume()), std::bit_cast<uint32_t>(0.3f));
    EXPECT_EQ(std::bit_cast<uint32_t>(copy.thunderVolume()), std::bit_cast<uint32_t>(0.65f));
    EXPECT_EQ(copy.flashThreshold(), 200);
    EXPECT_EQ(copy.flashColour(), 0x00ABCDEFu);
    EXPECT_EQ(copy.controlOptions().interruptMode(), 2);
    EXPECT_EQ(copy.controlOptions().resetPeriod(), 150);
    EXPECT_EQ(copy.wallpaperList().files(),
              (std::vector<std::string>{"/pictures/one.jpg", "/pictures/two.bmp"}));
    EXPECT_EQ(copy.wallpaperList().orderMode(), IWallpaperListModel::randomOrder);
    EXPECT_EQ(copy.wallpaperList().nextIndex(), 1u);
}

// Every run writes the settings back, also those that never show the saver (the settings, the
// preview) and those run where no display can be opened: a chosen mode comes back as it was
// unless a display that was asked does not offer it.
TEST(ScreenSaverOptionsStorageTest, AChosenModeIsWrittenBackAsReadUnlessTheDisplayLacksIt) {
    for (const uint32_t version : {256u, 1792u}) {
        SCOPED_TRACE(version);
        const std::string record = recordWithAChosenMode(version);
        EXPECT_EQ(int32At(record, 34), 1280);
        EXPECT_EQ(int32At(record, 38), 720);
        {
            FakeDisplayDevice sameDisplay({{32, 1280, 720, 0}, {16, 1280, 720, 0}});
            ScreenSaverOptionsStorage read = readBack(record);
            EXPECT_EQ(recordOf(read, version), record);
        }
        {
            FakeDisplayDevice noDisplay({});
            noDisplay.absent = true;
            ScreenSaverOptionsStorage read = readBack(record);
            EXPECT_EQ(recordOf(read, version), record);
            EXPECT_EQ(recordOf(read, version), record) << "asked a second time";
        }
        {
            FakeDisplayDevice smallerDisplay({{32, 1024, 768, 0}});
            ScreenSaverOptionsStorage read = readBack(record);
            EXPECT_EQ(int32At(recordOf(read, version), 34), 0) << "a mode the display lacks";
            EXPECT_FALSE(read.displayModeSelectionModel().useCurrentMode());
        }
    }
}

TEST(ScreenSaverOptionsStorageTest, ResetPeriodIsStoredAsMinutesAndSeconds) {
    ScreenSaverOptionsStorage options;
    options.controlOptions().setResetPeriod(150);
    const std::string record = recordOf(options, 256);
    // version, density, force, angle, radius, spread, current mode, reset flag, then minutes.
    EXPECT_EQ(int32At(record, 26), 2);
    EXPECT_EQ(int32At(record, 30), 30);
    EXPECT_EQ(readBack(record).controlOptions().resetPeriod(), 150);
    // The current mode is stored as four zeros.
    for (std::size_t offset = 34; offset < 50; offset += 4) {
        EXPECT_EQ(int32At(record, offset), 0);
    }
    EXPECT_EQ(record.size(), 50u);
}

TEST(ScreenSaverOptionsStorageTest, OlderRecordsKeepTheDefaultsOfWhatTheyLack) {
    ScreenSaverOptionsStorage changed;
    changeEverything(changed);
    const ScreenSaverOptionsStorage defaults;
    for (uint32_t version : {256u, 512u, 768u, 1024u, 1280u, 1536u}) {
        SCOPED_TRACE(version);
        ScreenSaverOptionsStorage read = readBack(recordOf(changed, version));
        EXPECT_EQ(read.density(), 37);
        EXPECT_EQ(read.controlOptions().resetPeriod(), 150);
        EXPECT_EQ(read.speed(), version >= 512 ? 44 : defaults.speed());
        EXPECT_EQ(read.wallpaperList().files().size(), version >= 512 ? 2u : 0u);
        EXPECT_EQ(read.boltColour(), version >= 768 ? 0x00123456u : defaults.boltColour());
        EXPECT_EQ(read.soundEnabled(), version >= 1024 ? false : defaults.soundEnabled());
        EXPECT_EQ(read.flashThreshold(), version >= 1280 ? 200 : defaults.flashThreshold());
        // The control options object carries the maximum load; the plain sections do not.
        EXPECT_EQ(read.controlOptions().maxCpuLoad(), version >= 1536 ? 60 : 100);
    }
}

TEST(ScreenSaverOptionsStorageTest, ObjectsWinOverThePlainSections) {
    ScreenSaverOptionsStorage options;
    options.controlOptions().setResetPeriod(600);
    std::string record = recordOf(options, 1792);
    // Make the plain section say 1 minute 5 seconds; the object still says 600 seconds.
    const int32_t minutes = 1;
    const int32_t seconds = 5;
    std::memcpy(record.data() + 26, &minutes, 4);
    std::memcpy(record.data() + 30, &seconds, 4);
    EXPECT_EQ(readBack(record).controlOptions().resetPeriod(), 600);
}

TEST(ScreenSaverOptionsStorageTest, ShortRecordsStopAtTheFirstMissingField) {
    ScreenSaverOptionsStorage changed;
    changeEverything(changed);
    const std::string record = recordOf(changed, 1280);
    // Cut in the middle of the speed field of section 512.
    const std::size_t speedOffset = record.find("two.bmp") + 7 + 8;
    ScreenSaverOptionsStorage read = readBack(record.substr(0, speedOffset + 2));
    EXPECT_EQ(read.density(), 37);
    EXPECT_EQ(read.wallpaperList().files().size(), 2u);
    EXPECT_EQ(read.speed(), 30);
    EXPECT_TRUE(read.densityRampUp());
    EXPECT_TRUE(read.boltsEnabled());
}

TEST(ScreenSaverOptionsStorageTest, DamagedRecordsGiveOptionsOrAStreamError) {
    ScreenSaverOptionsStorage changed;
    changeEverything(changed);
    const std::string record = recordOf(changed, 1792);
    std::mt19937 random(20261207);
    const auto survives = [](const std::string& bytes) {
        try {
            readBack(bytes);
        } catch (const Persistence::Error&) {
        }
    };
    for (std::size_t length = 0; length <= record.size(); ++length) {
        survives(record.substr(0, length));
    }
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = record;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i) {
            damaged[random() % damaged.size()] = static_cast<char>(random());
        }
        survives(damaged);
        std::string noise(random() % 200, '\0');
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        survives(noise);
    }
}
