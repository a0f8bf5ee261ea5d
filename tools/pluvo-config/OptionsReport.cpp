#include "pluvo-config/OptionsReport.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>

namespace {

std::string colour(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

const char* interruptionText(int32_t mode) {
    switch (mode) {
    case 0:
        return "0 (mouse or keyboard)";
    case 1:
        return "1 (keyboard only)";
    case 2:
        return "2 (Esc key only)";
    default:
        return "unknown";
    }
}

std::string displayModeText(DirectXDisplayModeSelectionModel& model) {
    if (model.useCurrentMode()) {
        return "current desktop mode";
    }
    // As stored: whether this display offers it is for the saver to find out.
    const IDisplayModeDescription* mode = model.modeToStore();
    return mode != nullptr ? mode->text() : "none selected";
}

} // namespace

std::string optionsReport(ScreenSaverOptionsStorage& options) {
    std::ostringstream out;
    const double degrees = options.windAngle() * 180.0 / std::numbers::pi;
    out << "density = " << options.density() << "\n"
        << "densityRampUp = " << yesNo(options.densityRampUp()) << "\n"
        << "windForce = " << options.windForce() << "\n"
        << "windAngle = " << options.windAngle() << " (" << std::lround(degrees) << " degrees)\n"
        << "minRadius = " << options.minRadius() << "\n"
        << "radiusSpread = " << options.radiusSpread() << "\n"
        << "speed = " << options.speed() << "\n"
        << "boltsEnabled = " << yesNo(options.boltsEnabled()) << "\n"
        << "boltColour = " << colour(options.boltColour()) << "\n"
        << "randomColour = " << yesNo(options.randomColour() != 0) << "\n"
        << "minInterval = " << options.minInterval() << " s\n"
        << "intervalSpread = " << options.intervalSpread() << " s\n"
        << "flashesEnabled = " << yesNo(options.flashesEnabled()) << "\n"
        << "flashColour = " << colour(options.flashColour()) << "\n"
        << "flashThreshold = " << static_cast<int>(options.flashThreshold()) << "\n"
        << "soundEnabled = " << yesNo(options.soundEnabled()) << "\n"
        << "rainVolume = " << options.rainVolume() << "\n"
        << "thunderVolume = " << options.thunderVolume() << "\n"
        << "maxCpuLoad = " << options.controlOptions().maxCpuLoad() << " %\n"
        << "interruptMode = " << interruptionText(options.controlOptions().interruptMode()) << "\n"
        << "resetEnabled = " << yesNo(options.controlOptions().resetEnabled()) << "\n"
        << "resetPeriod = " << options.controlOptions().resetPeriod() << " s\n"
        << "displayMode = " << displayModeText(options.displayModeSelectionModel()) << "\n"
        << "wallpaperOrder = "
        << (options.wallpaperList().orderMode() == IWallpaperListModel::randomOrder ? "random"
                                                                                    : "fixed")
        << "\n"
        << "wallpaperNextIndex = " << options.wallpaperList().nextIndex() << "\n";
    const auto& files = options.wallpaperList().files();
    out << "wallpapers = " << files.size() << "\n";
    for (const std::string& file : files) {
        out << "  " << file << "\n";
    }
    return out.str();
}
