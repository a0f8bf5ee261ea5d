#include "options/ScreensaverControlOptions.h"

#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using Persistence::InputStream;
using Persistence::OutputStream;
using ::testing::ElementsAre;

namespace {

std::string stored(const ScreensaverControlOptions& options) {
    std::stringstream bytes;
    OutputStream(bytes).writeObject(options);
    return bytes.str();
}

std::unique_ptr<ScreensaverControlOptions> readBack(const std::string& text) {
    std::istringstream bytes(text);
    return InputStream(bytes).readObject().releaseAs<ScreensaverControlOptions>();
}

TEST(ScreensaverControlOptions, DefaultsResetEveryFifteenSecondsAndTakeAnyInput) {
    const ScreensaverControlOptions options;
    EXPECT_EQ(options.maxCpuLoad(), 100);
    EXPECT_EQ(options.resetPeriod(), 15);
    EXPECT_TRUE(options.resetEnabled());
    EXPECT_EQ(options.interruptMode(), IScreensaverControlOptions::interruptOnAnyInput);
}

TEST(ScreensaverControlOptions, StoredEntryIsTheRegisteredClassWithAVersionedBody) {
    ScreensaverControlOptions options;
    options.setMaxCpuLoad(0x30);
    options.setResetPeriod(3600);
    options.setInterruptMode(2);
    const std::string text = stored(options);
    EXPECT_THAT(std::vector<uint8_t>(text.begin(), text.end()),
                ElementsAre('P', 'O', 'B', 'J', 0,
                            // {85B1A80C-4C7E-4B90-8324-ABB9E678D1A4}
                            0x0C, 0xA8, 0xB1, 0x85, 0x7E, 0x4C, 0x90, 0x4B, 0x83, 0x24, 0xAB, 0xB9,
                            0xE6, 0x78, 0xD1, 0xA4,
                            // body length, version 256, load, period, mode, reset flag
                            17, 0, 0, 0, 0, 1, 0, 0, 0x30, 0, 0, 0, 0x10, 0x0E, 0, 0, 2, 0, 0, 0,
                            1));
}

TEST(ScreensaverControlOptions, RoundTripKeepsEveryFieldAsSet) {
    ScreensaverControlOptions options;
    options.setMaxCpuLoad(35);
    options.setResetPeriod(3600);
    options.setResetEnabled(false);
    options.setInterruptMode(IScreensaverControlOptions::interruptOnAnyKey);
    auto read = readBack(stored(options));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->maxCpuLoad(), 35);
    EXPECT_EQ(read->resetPeriod(), 3600);
    EXPECT_FALSE(read->resetEnabled());
    EXPECT_EQ(read->interruptMode(), IScreensaverControlOptions::interruptOnAnyKey);

    // Values outside the settings page's bounds are kept too.
    options.setMaxCpuLoad(-1);
    options.setResetPeriod(86400);
    options.setResetEnabled(true);
    read = readBack(stored(options));
    EXPECT_EQ(read->maxCpuLoad(), -1);
    EXPECT_EQ(read->resetPeriod(), 86400);
    EXPECT_TRUE(read->resetEnabled());
}

TEST(ScreensaverControlOptions, ShortBodyCannotBeRead) {
    std::string text = stored(ScreensaverControlOptions());
    text.pop_back();
    text[21] = 16; // the body length, so that only the body's own reads can notice
    EXPECT_THROW(readBack(text), InputStream::CouldNotRead);
}

} // namespace
