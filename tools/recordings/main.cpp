// Synthesises the saver's recordings from fixed seeds and writes them as Ogg Vorbis files:
// rain.ogg (the rain loop, resource 136) and thunder1.ogg .. thunder7.ogg (137 to 143).
// Run by hand; the build only embeds the committed files. Usage: make-recordings FOLDER
#include "Levels.h"
#include "RainLoop.h"
#include "ThunderClap.h"
#include "VorbisFileWriter.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

constexpr uint32_t rainSeed = 136;
constexpr double rainSeconds = 20.0;
constexpr double rainCrossfadeSeconds = 2.0;
constexpr double rainRmsDbfs = -21.0;
constexpr float rainQuality = 0.3f;
constexpr float thunderQuality = 0.2f;

struct ClapRecipe {
    double distance;
    double seconds;
};

// From overhead to far away, each with its own length.
constexpr ClapRecipe claps[] = {{0.10, 6.5}, {0.30, 7.5}, {0.45, 8.5}, {0.55, 5.5},
                                {0.70, 9.0}, {0.85, 7.0}, {1.00, 9.5}};

void report(const std::string& name, const Recording& recording) {
    std::printf("%-14s %5.2f s  peak %6.2f dBFS  RMS %6.2f dBFS\n", name.c_str(),
                static_cast<double>(recording.frames()) / recording.rate,
                Levels::peakDbfs(recording), Levels::rmsDbfs(recording));
}

void makeRain(const std::string& folder) {
    Recording rain = RainLoop(rainSeed, rainSeconds, rainCrossfadeSeconds).make();
    Levels::scaleToRms(rain, rainRmsDbfs);
    Levels::softLimit(rain, 0.5f, 0.72f);
    report("rain.ogg", rain);
    writeOggVorbis(folder + "/rain.ogg", rain, rainQuality);
}

void makeThunder(const std::string& folder) {
    uint32_t seed = 137;
    int number = 1;
    for (const ClapRecipe& recipe : claps) {
        const Recording clap = ThunderClap(seed++, recipe.distance, recipe.seconds).make();
        const std::string name = "thunder" + std::to_string(number++) + ".ogg";
        report(name, clap);
        writeOggVorbis(folder + "/" + name, clap, thunderQuality);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        makeRain(argv[1]);
        makeThunder(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-recordings: %s\n", error.what());
        return 1;
    }
    return 0;
}
