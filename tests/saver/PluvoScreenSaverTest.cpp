#include "saver/PluvoScreenSaver.h"

#include "display/DirectDrawDevice.h"
#include "options/Configuration.h"
#include "platform/NamedMutex.h"

#include <SDL.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The scene on SDL's invisible driver, with the steps the launcher would run exposed.
class SceneUnderTest : public PluvoScreenSaver {
public:
    SceneUnderTest() : PluvoScreenSaver(false) {}
    using PluvoScreenSaver::initialize;
};

class PluvoScreenSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime =
            std::filesystem::temp_directory_path() / ("saver-scene-" + std::to_string(::getpid()));
        std::filesystem::create_directories(runtime);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::unsetenv("DISPLAY");
        Configuration::useDefaults();
    }
    void TearDown() override { std::filesystem::remove_all(runtime); }

    std::filesystem::path runtime;
};

void loseEverySurface() {
    SDL_Event reset{};
    reset.type = SDL_RENDER_TARGETS_RESET;
    DirectDrawDevice::openDevice().handleEvent(reset);
}

} // namespace

TEST_F(PluvoScreenSaverTest, ALostDisplayCostsOneFrameAndTheSaverGoesOn) {
    SceneUnderTest scene;
    scene.initialize();
    scene.onTimer();
    loseEverySurface();
    scene.onTimer(); // the lost surfaces are found, restored, and the frame is dropped
    EXPECT_FALSE(scene.quitRequested());
    scene.onTimer();
    EXPECT_FALSE(scene.quitRequested());
}

TEST_F(PluvoScreenSaverTest, ASecondFullScreenSaverReturnsAtOnce) {
    const auto first = NamedMutex::tryAcquire("PLUVO_SCREEN_SAVER_RUNNING");
    ASSERT_TRUE(first.has_value());
    SceneUnderTest second;
    EXPECT_EQ(second.run(), 1);
}
