#pragma once

#include "app/CommandLineSettings.h"

#include <cstdint>

class ScreenSaverOptionsStorage;

// Applies the command line's settings while it lives and then puts back what was stored, so
// that the configuration saved at the program's end never takes them over.
class SettingsForOneRun {
public:
    SettingsForOneRun(const CommandLineSettings& settings, ScreenSaverOptionsStorage& options);
    ~SettingsForOneRun();
    SettingsForOneRun(const SettingsForOneRun&) = delete;
    SettingsForOneRun& operator=(const SettingsForOneRun&) = delete;

private:
    ScreenSaverOptionsStorage& options_;
    int32_t density_;
    int32_t windForce_;
    float windAngle_;
    int32_t minRadius_;
    int32_t radiusSpread_;
    int32_t speed_;
    int32_t cpuLoad_;
    float rainVolume_;
    float thunderVolume_;
    bool bolts_;
    bool flashes_;
    bool sound_;
};
