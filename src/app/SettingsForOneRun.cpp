#include "app/SettingsForOneRun.h"

#include "options/ScreenSaverOptionsStorage.h"

SettingsForOneRun::SettingsForOneRun(const CommandLineSettings& settings,
                                     ScreenSaverOptionsStorage& options)
    : options_(options), density_(options.density()), windForce_(options.windForce()),
      windAngle_(options.windAngle()), minRadius_(options.minRadius()),
      radiusSpread_(options.radiusSpread()), speed_(options.speed()),
      cpuLoad_(options.controlOptions().maxCpuLoad()), rainVolume_(options.rainVolume()),
      thunderVolume_(options.thunderVolume()), bolts_(options.boltsEnabled()),
      flashes_(options.flashesEnabled()), sound_(options.soundEnabled()) {
    settings.applyTo(options_);
}

SettingsForOneRun::~SettingsForOneRun() {
    options_.setDensity(density_);
    options_.setWindForce(windForce_);
    options_.setWindAngle(windAngle_);
    options_.setMinRadius(minRadius_);
    options_.setRadiusSpread(radiusSpread_);
    options_.setSpeed(speed_);
    options_.controlOptions().setMaxCpuLoad(cpuLoad_);
    options_.setRainVolume(rainVolume_);
    options_.setThunderVolume(thunderVolume_);
    options_.setBoltsEnabled(bolts_);
    options_.setFlashesEnabled(flashes_);
    options_.setSoundEnabled(sound_);
}
