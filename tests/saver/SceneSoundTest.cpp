#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "saver/PluvoScreenSaver.h"
#include "sound/SoundSystem.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class SoundScene : public PluvoScreenSaver {
public:
    SoundScene() : PluvoScreenSaver(false) {}
    using PluvoScreenSaver::initialize;
};

// The scene on SDL's invisible video driver with the dummy audio output.
class SceneSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime =
            std::filesystem::temp_directory_path() / ("scene-sound-" + std::to_string(::getpid()));
        std::filesystem::create_directories(runtime);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::unsetenv("DISPLAY");
        Configuration::useDefaults();
    }
    void TearDown() override { std::filesystem::remove_all(runtime); }

    std::filesystem::path runtime;
};

TEST_F(SceneSoundTest, TheSoundFollowsTheUsersSwitch) {
    for (const bool wanted : {true, false}) {
        Configuration::options()->setSoundEnabled(wanted);
        SoundScene scene;
        scene.initialize();
        scene.onTimer();
        ASSERT_NE(Sound::SoundSystem::instance(), nullptr);
        EXPECT_EQ(Sound::SoundSystem::instance()->isEnabled(),
                  wanted && Sound::SoundSystem::available());
        EXPECT_FALSE(scene.quitRequested());
    }
}

} // namespace
