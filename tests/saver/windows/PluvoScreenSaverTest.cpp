#include "saver/windows/PluvoScreenSaver.h"

#include "options/Configuration.h"
#include "platform/NamedMutex.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

// A second full-screen saver finds the first one's lock and ends before it builds anything. The
// window is made hidden, without DirectDraw; it needs an X server and skips without.
TEST(PluvoScreenSaverTest, ASecondSaverFindsTheFirstOnesLockAndEnds) {
    Configuration::useDefaults();
    const std::optional<NamedMutex> first = NamedMutex::tryAcquire("PLUVO_SCREEN_SAVER_RUNNING");
    ASSERT_TRUE(first.has_value());
    std::optional<PluvoScreenSaver> second;
    try {
        second.emplace(true);
    } catch (const std::runtime_error& error) {
        GTEST_SKIP() << "no display to make a window on: " << error.what();
    }
    EXPECT_EQ(second->run(), 1);
}
