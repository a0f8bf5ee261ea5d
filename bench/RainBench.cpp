// Steady-state rain with the options a new user starts with, after the density ramp: the cost
// of one drop-system step and of rendering one step's dirty rectangles, beside a plain copy of
// the whole frame as the yardstick.
#include "OtherWork.h"
#include "common/SceneBuffers.h"
#include "common/SteppingClock.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "platform/Rand15.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Past the 25 s ramp, with time for the glass to fill with drops and trails.
constexpr int32_t warmUpSteps = 1500;
// Every run measures the same 20 s of rain from the same seed, so that two builds can be
// compared: the cost of a step depends on how many drops are on the glass at the time.
constexpr int64_t measuredSteps = 600;

struct RainScene {
    RainScene(int32_t width, int32_t height, int32_t bitsPerPixel, DropSystem::Lookup lookup)
        : background(width, height, bitsPerPixel), frame(width, height, bitsPerPixel),
          drawer(width, height, 10), drops(width, height, drawer, clock) {
        background.fillFrom(gradientImage(width, height));
        frame.copyFrom(background);
        drops.applyOptions(options);
        drops.setLookup(lookup);
        for (int32_t i = 0; i < warmUpSteps; ++i) {
            step();
            draw();
        }
    }

    void step() {
        clock.advance(1000 / 30);
        drops.update();
    }
    void draw() { drawer.draw(frame.desc(), background.desc()); }

    ScreenSaverOptionsStorage options;
    SteppingClock clock;
    PixelBuffer background;
    PixelBuffer frame;
    Drawer drawer;
    DropSystem drops;
};

std::unique_ptr<RainScene> steadyRain(const benchmark::State& state,
                                      DropSystem::Lookup lookup = DropSystem::Lookup::Grid) {
    const auto bitsPerPixel = static_cast<int32_t>(state.range(2));
    seedRand15(12345);
    setNextRandomState(0);
    setDropScale(8);
    const ChannelMasks masks = masksFor(bitsPerPixel);
    setRendererPixelFormat(masks.red, masks.green, masks.blue);
    return std::make_unique<RainScene>(static_cast<int32_t>(state.range(0)),
                                       static_cast<int32_t>(state.range(1)), bitsPerPixel, lookup);
}

void BM_DropSystemStep(benchmark::State& state) {
    const auto scene = steadyRain(state);
    for (auto _ : state) {
        scene->step();
        state.PauseTiming();
        scene->draw();
        state.ResumeTiming();
    }
}

// The same with the caches emptied before each step, as in the running saver, where the display
// server, the sound and the frames without a step run between two steps.
void BM_DropSystemStepAfterOtherWork(benchmark::State& state) {
    const auto scene = steadyRain(state);
    OtherWork otherWork;
    for (auto _ : state) {
        state.PauseTiming();
        scene->draw();
        otherWork.run();
        state.ResumeTiming();
        scene->step();
    }
}

// The same steps with every drop looked up by a search through the whole list.
void BM_DropSystemStepListSearch(benchmark::State& state) {
    const auto scene = steadyRain(state, DropSystem::Lookup::List);
    for (auto _ : state) {
        scene->step();
        state.PauseTiming();
        scene->draw();
        state.ResumeTiming();
    }
}

void BM_DrawerDraw(benchmark::State& state) {
    const auto scene = steadyRain(state);
    for (auto _ : state) {
        state.PauseTiming();
        scene->step();
        state.ResumeTiming();
        scene->draw();
    }
}

void BM_FrameMemcpy(benchmark::State& state) {
    const auto bitsPerPixel = static_cast<int32_t>(state.range(2));
    const PixelBuffer background(static_cast<int32_t>(state.range(0)),
                                 static_cast<int32_t>(state.range(1)), bitsPerPixel);
    const PixelBuffer frame(static_cast<int32_t>(state.range(0)),
                            static_cast<int32_t>(state.range(1)), bitsPerPixel);
    const PixelBufferDesc& from = background.desc();
    const PixelBufferDesc& to = frame.desc();
    const auto size = static_cast<std::size_t>(from.pitch) * static_cast<std::size_t>(from.height);
    for (auto _ : state) {
        std::memcpy(to.pixels, from.pixels, size);
        benchmark::ClobberMemory();
    }
}

void frameSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMicrosecond);
    benchmark->ArgNames({"width", "height", "bpp"});
    for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        for (int bitsPerPixel : {32, 16}) {
            benchmark->Args({width, height, bitsPerPixel});
        }
    }
}

void rainFrameSizes(benchmark::internal::Benchmark* benchmark) {
    frameSizes(benchmark);
    benchmark->Iterations(measuredSteps);
}

} // namespace

BENCHMARK(BM_DropSystemStep)->Apply(rainFrameSizes);
BENCHMARK(BM_DropSystemStepAfterOtherWork)->Apply(rainFrameSizes);
BENCHMARK(BM_DropSystemStepListSearch)->Apply(rainFrameSizes);
BENCHMARK(BM_DrawerDraw)->Apply(rainFrameSizes);
BENCHMARK(BM_FrameMemcpy)->Apply(frameSizes);
