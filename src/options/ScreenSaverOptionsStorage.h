#pragma once

#include "options/DefaultWallpaperListModel.h"
#include "options/DirectXDisplayModeDescription.h"
#include "options/DirectXDisplayModeSelectionModel.h"
#include "options/IDropSystemOptionsStorage.h"
#include "options/ILightningOptionsStorage.h"
#include "options/ISoundOptionsStorage.h"
#include "options/ScreensaverControlOptions.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>

// Every user setting of the saver, and its stored record: a version, then sections that each
// newer version appended, the newest being an object stream that holds the control options,
// the display-mode choice and the wallpaper list.
class ScreenSaverOptionsStorage : public IDropSystemOptionsStorage,
                                  public ILightningOptionsStorage,
                                  public ISoundOptionsStorage {
public:
    // The version this program writes.
    static constexpr uint32_t currentVersion = 1792;

    ScreenSaverOptionsStorage();
    // Reads a record: defaults first, then every section the stored version reaches. A record
    // cut short keeps the defaults of what it lacks; object-stream errors propagate.
    explicit ScreenSaverOptionsStorage(std::istream& bytes);
    ~ScreenSaverOptionsStorage() override;

    // Appends the record with the sections the given version reaches.
    void write(std::ostream& bytes, uint32_t version);

    ScreensaverControlOptions& controlOptions() { return *controlOptions_; }
    DefaultWallpaperListModel& wallpaperList() { return *wallpaperList_; }
    // Created on first use from the stored mode.
    DirectXDisplayModeSelectionModel& displayModeSelectionModel();

    // Drops.
    int32_t density() const override { return density_; }
    int32_t windX() const override;
    int32_t windY() const override;
    int32_t minRadius() const override { return minRadius_; }
    int32_t radiusSpread() const override { return radiusSpread_; }
    bool densityRampUp() const override { return densityRampUp_; }
    int32_t speed() const override { return speed_; }
    int32_t windForce() const override { return windForce_; }
    float windAngle() const override { return windAngle_; }
    int32_t minWindForce() const override { return 0; }
    int32_t maxWindForce() const override { return 150; }
    double minWindAngle() const override;
    double maxWindAngle() const override;
    void setWindForce(int32_t force) override { windForce_ = force; }
    void setWindAngle(float angle) override { windAngle_ = angle; }
    int32_t minDensity() const override { return 0; }
    int32_t maxDensity() const override { return 50; }
    void setDensity(int32_t density) override { density_ = density; }
    int32_t minRadiusBound() const override { return 1; }
    int32_t maxRadiusBound() const override { return 10; }
    void setMinRadius(int32_t radius) override { minRadius_ = radius; }
    void setRadiusSpread(int32_t spread) override { radiusSpread_ = spread; }
    void setDensityRampUp(bool rampUp) override { densityRampUp_ = rampUp; }
    int32_t minSpeed() const override { return 10; }
    int32_t maxSpeed() const override { return 50; }
    void setSpeed(int32_t speed) override { speed_ = speed; }

    // Lightning.
    bool boltsEnabled() const override { return boltsEnabled_; }
    uint32_t boltColour() const override { return boltColour_; }
    int32_t randomColour() const override { return randomColour_; }
    bool flashesEnabled() const override { return flashesEnabled_; }
    uint32_t flashColour() const override { return flashColour_; }
    uint8_t flashThreshold() const override { return flashThreshold_; }
    int32_t minInterval() const override { return minInterval_; }
    int32_t intervalSpread() const override { return intervalSpread_; }
    void setBoltsEnabled(bool enabled) override { boltsEnabled_ = enabled; }
    void setBoltColour(uint32_t colour) override { boltColour_ = colour; }
    void setRandomColour(int32_t random) override { randomColour_ = random; }
    void setFlashesEnabled(bool enabled) override { flashesEnabled_ = enabled; }
    void setFlashColour(uint32_t colour) override { flashColour_ = colour; }
    void setFlashThreshold(uint8_t threshold) override { flashThreshold_ = threshold; }
    void setMinInterval(int32_t seconds) override { minInterval_ = seconds; }
    void setIntervalSpread(int32_t seconds) override { intervalSpread_ = seconds; }
    int32_t minIntervalBound() const override { return 1; }
    int32_t maxIntervalBound() const override { return 30; }

    // Sound.
    bool soundEnabled() const override { return soundEnabled_; }
    float rainVolume() const override { return rainVolume_; }
    float thunderVolume() const override { return thunderVolume_; }
    void setSoundEnabled(bool enabled) override { soundEnabled_ = enabled; }
    void setRainVolume(float volume) override { rainVolume_ = volume; }
    void setThunderVolume(float volume) override { thunderVolume_ = volume; }
    float minVolume() const override { return 0.0f; }
    float maxVolume() const override { return 1.0f; }

    // What the stored mode fields held, used only when the display-mode model is first made.
    bool storedUseCurrentMode() const { return useCurrentMode_; }
    const DirectXDisplayModeDescription& storedMode() const { return storedMode_; }

protected:
    virtual std::unique_ptr<DirectXDisplayModeSelectionModel> createDisplayModeSelectionModel();

private:
    class PlainReader;

    void readPlainSections(PlainReader& reader, uint32_t version);
    void readObjectSection(std::istream& bytes);

    int32_t density_ = 25;
    int32_t windForce_ = 120;
    float windAngle_ = 2.3561945f;
    int32_t minRadius_ = 4;
    int32_t radiusSpread_ = 3;
    int32_t speed_ = 30;
    bool densityRampUp_ = true;
    bool boltsEnabled_ = true;
    uint32_t boltColour_ = 0x00FFFFFF;
    int32_t randomColour_ = 1;
    int32_t minInterval_ = 5;
    int32_t intervalSpread_ = 8;
    bool soundEnabled_ = true;
    float rainVolume_ = 0.8f;
    float thunderVolume_ = 0.8f;
    bool flashesEnabled_ = true;
    uint32_t flashColour_ = 0x00FFFFFF;
    uint8_t flashThreshold_ = 96;
    std::unique_ptr<ScreensaverControlOptions> controlOptions_;
    std::unique_ptr<DirectXDisplayModeSelectionModel> displayModeModel_;
    bool useCurrentMode_ = true;
    DirectXDisplayModeDescription storedMode_{0, 0, 0, 0};
    std::unique_ptr<DefaultWallpaperListModel> wallpaperList_;
};
