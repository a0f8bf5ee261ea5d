// One whole frame of the full-screen saver at 1920x1080 beside its parts: the drop step, the
// drawing into the memory back buffer, and the flip that copies the frame's changed rectangles
// into the window's pixel buffer and hands them to SDL (SDL's dummy driver here, so the display
// server's share is not in these figures), beside a flip of the whole frame.
#include "OtherWork.h"
#include "backends/sdl/IDisplayModeSwitch.h"
#include "backends/sdl/SdlDisplay.h"
#include "common/SceneBuffers.h"
#include "common/SteppingClock.h"
#include "display/FrameDamage.h"
#include "display/PrimarySurface.h"
#include "lightning/LightningController.h"
#include "lightning/LightningView.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "platform/Rand15.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"
#include "scene/RainScene.h"
#include "scene/SceneSurfaces.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <emmintrin.h>
#include <memory>
#include <vector>

namespace {

constexpr int32_t width = 1920;
constexpr int32_t height = 1080;
constexpr int32_t warmUpSteps = 1500;

// A display that is always 1920x1080 in 32 bits, whatever machine runs the benchmark.
class FixedModeSwitch : public Sdl::IDisplayModeSwitch {
public:
    Pixels::DisplayModeDesc currentMode(SDL_Window*) override {
        return {width, height, Pixels::PixelFormat::xrgb8888(), 60};
    }
    void showFullscreenAtDesktopMode(SDL_Window*) override {}
    void showFullscreenInMode(SDL_Window*, const Pixels::DisplayModeDesc&) override {}
    void returnToDesktopMode(SDL_Window*) override {}
};

struct WindowCloser {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

struct SaverFrame {
    SaverFrame()
        : device(std::make_unique<FixedModeSwitch>()),
          window(SDL_CreateWindow("frame", 0, 0, width, height, SDL_WINDOW_HIDDEN)) {
        device.setScreenAccess(window.get(), Pixels::ScreenAccess::Shared);
        primary = device.createPrimaryChain();
        background = device.createOffscreenLike(*primary);
        Pixels::PixelSurface& back = primary->backBuffer();
        const Pixels::PixelFormat& format = back.format();
        setRendererPixelFormat(format.redMask, format.greenMask, format.blueMask);
        drawer = std::make_unique<Drawer>(width, height, 10);
        drops = std::make_unique<DropSystem>(width, height, *drawer, clock);
        drops->applyOptions(options);
        for (int32_t i = 0; i < warmUpSteps; ++i) {
            step();
            draw();
        }
    }
    ~SaverFrame() {
        primary.reset();
        background.reset();
    }

    void step() {
        clock.advance(1000 / 30);
        drops->update();
    }
    void collectDamage() { collectDamage(drawer->dirtyRects()); }
    void collectDamage(const std::vector<Pixels::PixelRect>& rects) {
        damage.clear();
        for (const Pixels::PixelRect& area : rects) {
            damage.add(area);
        }
    }
    void draw() {
        Pixels::PixelSurface& back = primary->backBuffer();
        const PixelBufferDesc target = back.lock();
        const PixelBufferDesc source = background->lock();
        drawer->draw(target, source);
        background->unlock();
        back.unlock();
    }

    void evictPictures() {
        evictFromCaches(primary->backBuffer().lock());
        primary->backBuffer().unlock();
        evictFromCaches(background->lock());
        background->unlock();
    }
    static void evictFromCaches(const PixelBufferDesc& picture) {
        const uint8_t* first = picture.pixels;
        const uint8_t* end = first + static_cast<std::ptrdiff_t>(picture.pitch) * picture.height;
        for (const uint8_t* line = first; line < end; line += 64) {
            _mm_clflush(line);
        }
        _mm_mfence();
    }

    ScreenSaverOptionsStorage options;
    SteppingClock clock;
    Sdl::SdlDisplay device;
    std::unique_ptr<SDL_Window, WindowCloser> window;
    std::unique_ptr<Pixels::PrimarySurface> primary;
    std::unique_ptr<Pixels::PixelSurface> background;
    std::unique_ptr<Drawer> drawer;
    std::unique_ptr<DropSystem> drops;
    Pixels::FrameDamage damage{width, height};
};

std::unique_ptr<SaverFrame> steadySaverFrame() {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    seedRand15(12345);
    setNextRandomState(0);
    setDropScale(8);
    return std::make_unique<SaverFrame>();
}

void BM_WholeFrame(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    for (auto _ : state) {
        frame->step();
        frame->collectDamage();
        frame->draw();
        frame->primary->flip(frame->damage.rects());
    }
}

// The same frames with a bolt showing all the time: drawn over the rain, presented with it and
// put back after the present, whose rectangle the next frame presents too.
void BM_WholeFrameWithBolt(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    Pixels::PixelSurface& back = frame->primary->backBuffer();
    LightningView view(back, frame->options);
    LightningController controller(AreaRect{0, height, width, 0}, *frame->drops, frame->options);
    const std::unique_ptr<ILightning> bolt = controller.createLightning();
    bolt->setBoltVisible(true);
    view.setLightning(bolt.get());
    std::vector<Pixels::PixelRect> restored;
    for (auto _ : state) {
        frame->step();
        frame->collectDamage();
        frame->draw();
        for (const Pixels::PixelRect& area : restored) {
            frame->damage.add(area);
        }
        for (const Pixels::PixelRect& area : view.draw()) {
            frame->damage.add(area);
        }
        frame->primary->flip(frame->damage.rects());
        const std::span<const Pixels::PixelRect> putBack = view.restore();
        restored.assign(putBack.begin(), putBack.end());
    }
}

void BM_RendererAlone(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    for (auto _ : state) {
        state.PauseTiming();
        frame->step();
        state.ResumeTiming();
        frame->draw();
    }
}

// The same with the caches emptied before each frame, as in the running saver, where the display
// server, the sound and the rest of the system run between two frames.
void BM_RendererAfterOtherWork(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    OtherWork otherWork;
    for (auto _ : state) {
        state.PauseTiming();
        frame->step();
        otherWork.run();
        state.ResumeTiming();
        frame->draw();
    }
}

// The same with the background and the back buffer in memory only, as they are at 3840x2160,
// where the three whole-screen pictures far outgrow the caches and the display server reads
// the back buffer between two frames. The map stays where the step has just written it.
void BM_RendererFromMemory(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    for (auto _ : state) {
        state.PauseTiming();
        frame->step();
        frame->evictPictures();
        state.ResumeTiming();
        frame->draw();
    }
}

// Merging the step's rectangles and flipping them.
void BM_FlipChangedRects(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    std::vector<Pixels::PixelRect> reported;
    double reportedCount = 0;
    double sentCount = 0;
    for (auto _ : state) {
        state.PauseTiming();
        frame->step();
        reported = frame->drawer->dirtyRects();
        frame->draw();
        state.ResumeTiming();
        frame->collectDamage(reported);
        frame->primary->flip(frame->damage.rects());
        reportedCount += static_cast<double>(reported.size());
        sentCount += static_cast<double>(frame->damage.rects().size());
    }
    state.counters["reported"] =
        benchmark::Counter(reportedCount, benchmark::Counter::kAvgIterations);
    state.counters["sent"] = benchmark::Counter(sentCount, benchmark::Counter::kAvgIterations);
}

void BM_FlipWholeFrame(benchmark::State& state) {
    const auto frame = steadySaverFrame();
    for (auto _ : state) {
        frame->primary->flip();
    }
}

// Lightning on the benchmark's clock, with every random draw in the middle of its range: a
// second's wait, then a display of half a second whose bolt flickers every 50 ms and whose flash
// is lit for the first 100 ms.
class MidwayLightning final : public LightningController {
public:
    MidwayLightning(const AreaRect& area, const IDropSystem& drops,
                    const ILightningOptions& options, const IMillisecondClock& clock)
        : LightningController(area, drops, options), clock_(clock) {}
    uint32_t now() override { return clock_.now(); }
    float random01() override { return 0.5f; }

private:
    const IMillisecondClock& clock_;
};

// The whole scene's frames, 100 a second as in the running saver, through one cycle of the
// lightning: 150 frames, of which the rain steps in about one in three, and a third under the
// bolt or flash.
void BM_SceneThroughALightningCycle(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    seedRand15(12345);
    setNextRandomState(0);
    Sdl::SdlDisplay device(std::make_unique<FixedModeSwitch>());
    const std::unique_ptr<SDL_Window, WindowCloser> window(
        SDL_CreateWindow("scene", 0, 0, width, height, SDL_WINDOW_HIDDEN));
    device.setScreenAccess(window.get(), Pixels::ScreenAccess::Shared);
    std::unique_ptr<Pixels::PrimarySurface> primary = device.createPrimaryChain();
    std::unique_ptr<Pixels::PixelSurface> background = device.createOffscreenLike(*primary);
    Scene::SceneSurfaces surfaces(std::move(primary), std::move(background));
    ScreenSaverOptionsStorage options;
    options.setSoundEnabled(false);
    options.setDensityRampUp(false);
    options.setMinInterval(1);
    options.setIntervalSpread(0);
    SteppingClock clock;
    const auto makeController = [&clock](const AreaRect& area, const IDropSystem& drops,
                                         const ILightningOptions& lightning) {
        return std::make_unique<MidwayLightning>(area, drops, lightning, clock);
    };
    Scene::RainScene scene(surfaces, options, std::nullopt, {}, makeController, clock);
    constexpr int32_t framePeriod = 10;
    constexpr int32_t framesPerCycle = 150;
    const auto runFrames = [&](int32_t count) {
        for (int32_t i = 0; i < count; ++i) {
            clock.advance(framePeriod);
            scene.frame();
        }
    };
    runFrames(50 * framesPerCycle);
    for (auto _ : state) {
        runFrames(framesPerCycle);
    }
}

} // namespace

BENCHMARK(BM_WholeFrame)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeFrameWithBolt)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RendererAlone)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RendererAfterOtherWork)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RendererFromMemory)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlipChangedRects)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlipWholeFrame)->Iterations(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneThroughALightningCycle)->Iterations(20)->Unit(benchmark::kMillisecond);
