// The lightning's costs at 1920 x 1080: making a bolt, its mesh and its light (once per bolt),
// drawing the bolt and putting back what it covered (every frame it shows), and making the flash
// image (once per background).
#include "display/PixelSurface.h"
#include "lightning/LightningController.h"
#include "lightning/LightningMesh.h"
#include "lightning/LightningView.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "platform/Rand15.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int32_t width = 1920;
constexpr int32_t height = 1080;

class FullStrengthRain : public IDropSystem {
public:
    Drop* findDropAt(int32_t, int32_t, int32_t) override { return nullptr; }
    float rampElapsed() const override { return 1.0f; }
    float rampLength() const override { return 1.0f; }
};

// A mid-grey picture with a brighter diagonal, so that the flash lights part of it.
void paintBackground(Pixels::PixelSurface& surface) {
    const PixelBufferDesc pixels = surface.lock();
    const int32_t bytes = surface.format().bytesPerPixel();
    for (int32_t y = 0; y < pixels.height; ++y) {
        for (int32_t x = 0; x < pixels.width; ++x) {
            const uint32_t level = (x + y) % 400 < 100 ? 0xE0 : 0x60;
            const uint32_t pixel = level << 16 | level << 8 | level;
            std::memcpy(pixels.pixels + y * pixels.pitch + x * bytes, &pixel,
                        static_cast<std::size_t>(bytes));
        }
    }
    surface.unlock();
}

struct BoltScene {
    explicit BoltScene(int32_t bitsPerPixel)
        : surface(width, height, Pixels::PixelFormat::forSurfaceDepth(bitsPerPixel)) {
        paintBackground(surface);
        seedRand15(1);
        view = std::make_unique<LightningView>(surface, options);
        bolt = controller.createLightning();
        bolt->setBoltVisible(true);
        view->setLightning(bolt.get());
    }

    ScreenSaverOptionsStorage options;
    FullStrengthRain rain;
    Pixels::PixelSurface surface;
    LightningController controller{AreaRect{0, height, width, 0}, rain, options};
    std::unique_ptr<LightningView> view;
    std::unique_ptr<ILightning> bolt;
};

void BM_GenerateBolt(benchmark::State& state) {
    const ScreenSaverOptionsStorage options;
    const FullStrengthRain rain;
    LightningController controller(AreaRect{0, height, width, 0}, rain, options);
    seedRand15(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(controller.createLightning());
    }
}
BENCHMARK(BM_GenerateBolt)->Unit(benchmark::kMicrosecond);

void BM_BuildMesh(benchmark::State& state) {
    BoltScene scene(32);
    for (auto _ : state) {
        const LightningMesh mesh(*scene.bolt);
        benchmark::DoNotOptimize(mesh.vertices().data());
    }
    state.counters["vertices"] = static_cast<double>(scene.view->mesh()->vertexCount());
}
BENCHMARK(BM_BuildMesh)->Unit(benchmark::kMicrosecond);

// Once per bolt: its mesh, the bands it covers and, where the format allows, its light.
void BM_ShowNewBolt(benchmark::State& state) {
    BoltScene scene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        scene.view->setLightning(scene.bolt.get());
    }
}
BENCHMARK(BM_ShowNewBolt)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond);

// One frame of a showing bolt: save what it covers, draw it, put that back.
void BM_DrawBolt(benchmark::State& state) {
    BoltScene scene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        scene.view->draw();
        scene.view->restore();
    }
    const auto pixelsOf = [](const AreaRect& area) {
        return static_cast<double>(area.maxX - area.minX) *
               static_cast<double>(area.maxY - area.minY);
    };
    state.counters["box_pixels"] = pixelsOf(scene.view->mesh()->boundingBox());
    double bandPixels = 0;
    for (const AreaRect& band : scene.view->mesh()->bandsWithin(AreaRect{0, height, width, 0})) {
        bandPixels += pixelsOf(band);
    }
    state.counters["band_pixels"] = bandPixels;
}
BENCHMARK(BM_DrawBolt)->Arg(16)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

// A frame of the flash: the whole surface saved, the flash image and the bolt over it, and the
// whole surface put back.
void BM_DrawBoltWithFlash(benchmark::State& state) {
    BoltScene scene(32);
    scene.bolt->setFlashOn(true);
    for (auto _ : state) {
        scene.view->draw();
        scene.view->restore();
    }
}
BENCHMARK(BM_DrawBoltWithFlash)->Unit(benchmark::kMillisecond);

void BM_CreateFlash(benchmark::State& state) {
    BoltScene scene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        scene.view->createFlash();
    }
}
BENCHMARK(BM_CreateFlash)->Arg(16)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace
