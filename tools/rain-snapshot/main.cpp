// Runs the rain over a picture for a number of steps and writes the composed frame as a PNG:
// a way to look at the drops without a window.
#include "common/SceneBuffers.h"
#include "common/SteppingClock.h"
#include "images/ImageLoader.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "platform/Rand15.h"
#include "rain-snapshot/BoltOverlay.h"
#include "rain-snapshot/PngFile.h"
#include "rain-snapshot/SnapshotOptions.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int32_t referenceRadius = 8;
constexpr int32_t largestRadius = 10;

// The saver's own pictures are top-down BGR rows padded to 4 bytes.
RgbImage fromBitmap(const Graphics::Bitmap& bitmap) {
    RgbImage image{bitmap.width(), bitmap.height(),
                   std::vector<uint8_t>(static_cast<std::size_t>(bitmap.width()) *
                                        static_cast<std::size_t>(bitmap.height()) * 3)};
    uint8_t* target = image.rgb.data();
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const uint8_t* source = bitmap.row(y);
        for (int32_t x = 0; x < bitmap.width(); ++x, source += 3, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    return image;
}

// PNG through libpng; JPEG and BMP as the saver itself loads them.
RgbImage loadPicture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("Cannot open " + path);
    }
    unsigned char magic[2] = {0, 0};
    file.read(reinterpret_cast<char*>(magic), 2);
    if (magic[0] == 0x89 && magic[1] == 'P') {
        return readPng(path);
    }
    return fromBitmap(Graphics::loadImage(path)->bitmap());
}

RgbImage backgroundFor(const SnapshotOptions& options) {
    if (options.picture.empty()) {
        return gradientImage(options.width, options.height);
    }
    return scaleTo(loadPicture(options.picture), options.width, options.height);
}

RgbImage runRain(const SnapshotOptions& options, const RgbImage& picture) {
    const ChannelMasks masks = masksFor(options.bitsPerPixel);
    setRendererPixelFormat(masks.red, masks.green, masks.blue);
    PixelBuffer background(options.width, options.height, options.bitsPerPixel);
    background.fillFrom(picture);
    PixelBuffer frame(options.width, options.height, options.bitsPerPixel);
    frame.copyFrom(background);

    Drawer drawer(options.width, options.height, largestRadius);
    SteppingClock clock;
    DropSystem drops(options.width, options.height, drawer, clock);
    ScreenSaverOptionsStorage dropOptions;
    drops.applyOptions(dropOptions);
    const auto stepPeriod = static_cast<uint32_t>(1000 / dropOptions.speed());
    for (int32_t step = 0; step < options.steps; ++step) {
        clock.advance(stepPeriod);
        drops.update();
        drawer.draw(frame.desc(), background.desc());
    }
    return frame.toRgb();
}

} // namespace

int main(int argc, char** argv) {
    const auto options = parseSnapshotOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        return 2;
    }
    try {
        seedRand15(options->seed);
        setDropScale(referenceRadius);
        const RgbImage background = backgroundFor(*options);
        RgbImage result = runRain(*options, background);
        if (options->bolt || options->flash) {
            result = overlayBolt(background, result, options->bitsPerPixel, options->flash);
        }
        writePng(options->output, result);
        std::printf("%s: %dx%d, %d bits per pixel, %d steps\n", options->output.c_str(),
                    options->width, options->height, options->bitsPerPixel, options->steps);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rain-snapshot: %s\n", error.what());
        return 1;
    }
    return 0;
}
