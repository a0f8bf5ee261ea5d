#include "saver/PluvoScreenSaver.h"

#include "backends/sdl/SdlDisplay.h"
#include "backends/sdl/ShownScreen.h"
#include "display/SurfacePixels.h"
#include "lightning/LightningController.h"
#include "lightning/LightningView.h"
#include "options/Configuration.h"
#include "platform/NamedMutex.h"

#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The scene on SDL's invisible driver, with the steps the launcher would run exposed.
class SceneUnderTest : public PluvoScreenSaver {
public:
    SceneUnderTest() : PluvoScreenSaver(false) {}
    using PluvoScreenSaver::backBuffer;
    using PluvoScreenSaver::finish;
    using PluvoScreenSaver::initialize;
};

// Sees the frames as the program's checks do, and holds the picture after a number of frames.
class RecordingObserver : public Scene::IFrameObserver {
public:
    void frameDone(uint32_t presentedFrames, Pixels::PixelSurface& picture) override {
        counts.push_back(presentedFrames);
        lastPicture = &picture;
    }
    bool holdsPicture() const override { return counts.size() >= holdAfter; }
    void saverEnded(uint32_t presentedFrames) override { endedAfter = presentedFrames; }

    std::vector<uint32_t> counts;
    const Pixels::PixelSurface* lastPicture = nullptr;
    std::size_t holdAfter = 1000;
    int64_t endedAfter = -1;
};

class PluvoScreenSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime =
            std::filesystem::temp_directory_path() / ("saver-scene-" + std::to_string(::getpid()));
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

void loseEverySurface() {
    SDL_Event reset{};
    reset.type = SDL_RENDER_TARGETS_RESET;
    Sdl::SdlDisplay::openDevice().handleEvent(reset);
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

// The checks see every frame with the count of frames shown so far and the picture the screen
// shows; once one holds the picture, no frame changes it any more.
TEST_F(PluvoScreenSaverTest, ObserversSeeEveryFrameAndCanHoldThePicture) {
    Configuration::options()->setDensityRampUp(false);
    SceneUnderTest scene;
    RecordingObserver observer;
    observer.holdAfter = 10;
    scene.addObserver(observer);
    scene.initialize();
    // The drops step on the system clock, about 30 times a second.
    const auto runFrames = [&scene](int count) {
        for (int frame = 0; frame < count; ++frame) {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            scene.onTimer();
        }
    };
    runFrames(10);
    const std::vector<uint8_t> held = allBytes(scene.backBuffer());
    runFrames(5);
    EXPECT_EQ(allBytes(scene.backBuffer()), held);
    ASSERT_EQ(observer.counts.size(), 10u);
    EXPECT_EQ(observer.lastPicture, &scene.backBuffer());
    for (std::size_t frame = 1; frame < observer.counts.size(); ++frame) {
        EXPECT_GE(observer.counts[frame], observer.counts[frame - 1]);
        EXPECT_LE(observer.counts[frame], frame + 1);
    }
    EXPECT_GT(observer.counts.back(), 0u);
    scene.finish();
    EXPECT_EQ(observer.endedAfter, observer.counts.back());
}

TEST_F(PluvoScreenSaverTest, ASecondFullScreenSaverReturnsAtOnce) {
    const auto first = NamedMutex::tryAcquire("PLUVO_SCREEN_SAVER_RUNNING");
    ASSERT_TRUE(first.has_value());
    SceneUnderTest second;
    EXPECT_EQ(second.run(), 1);
}

namespace {

// Lightning on a clock the test moves: a display starts as soon as the rain allows.
class ScriptedLightning final : public LightningController {
public:
    using LightningController::LightningController;
    uint32_t now() override { return clock; }
    float random01() override { return 0.0f; }
    uint32_t clock = 0;
};

class StormUnderTest : public PluvoScreenSaver {
public:
    StormUnderTest() : PluvoScreenSaver(false) {}
    using PluvoScreenSaver::backBuffer;
    using PluvoScreenSaver::initialize;

    std::unique_ptr<LightningController>
    makeLightningController(const AreaRect& area, const IDropSystem& drops,
                            const ILightningOptions& options) override {
        auto controller = std::make_unique<ScriptedLightning>(area, drops, options);
        lightning = controller.get();
        return controller;
    }

    // Whether the screen shows the back buffer's picture.
    bool screenShowsBackBuffer() {
        auto& unlocked = const_cast<Pixels::PixelSurface&>(backBuffer());
        const bool same = ShownScreen::shows(unlocked.lock());
        unlocked.unlock();
        return same;
    }

    ScriptedLightning* lightning = nullptr;
};

// After every frame the screen shows the back buffer, lightning and all. A lit frame holds the
// bolt or flash; a frame after a bolt went dark or a flash ended holds nothing to put back, even
// where no drop changed.
void expectLightningLeavesTheScreen(bool bolts, bool flashes) {
    ScreenSaverOptionsStorage& options = *Configuration::options();
    options.setDensityRampUp(false);
    options.setBoltsEnabled(bolts);
    options.setFlashesEnabled(flashes);
    options.setMinInterval(1);
    options.setIntervalSpread(0);
    options.setSoundEnabled(false);
    StormUnderTest scene;
    scene.initialize();
    ASSERT_NE(scene.lightning, nullptr);
    auto& view = dynamic_cast<LightningView&>(*scene.lightning->view());
    int lit = 0;
    int darkAfterLit = 0;
    for (int frame = 0; frame < 400; ++frame) {
        scene.lightning->clock += 10;
        scene.onTimer();
        ASSERT_FALSE(scene.quitRequested());
        ASSERT_TRUE(scene.screenShowsBackBuffer()) << "frame " << frame;
        ILightning* bolt = scene.lightning->lightning();
        if ((bolts && bolt->isBoltVisible()) || (flashes && bolt->isFlashOn())) {
            ASSERT_TRUE(view.holdsPainting()) << "frame " << frame;
            ++lit;
        } else {
            ASSERT_FALSE(view.holdsPainting()) << "frame " << frame;
            darkAfterLit += lit > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_GT(darkAfterLit, 0);
}

} // namespace

TEST_F(PluvoScreenSaverTest, ABoltThatWentDarkLeavesTheScreenWithTheNextFrame) {
    expectLightningLeavesTheScreen(true, false);
}

TEST_F(PluvoScreenSaverTest, AFlashThatEndedLeavesTheScreenWithTheNextFrame) {
    expectLightningLeavesTheScreen(false, true);
}
