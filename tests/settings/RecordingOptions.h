#pragma once

#include "options/ScreenSaverOptionsStorage.h"

#include <string>
#include <vector>

// The real options, with the setters the Drops and Lightning pages call written down in the
// order they are called: "setDensity 40", "setBoltsEnabled 1"...
class RecordingOptions : public ScreenSaverOptionsStorage {
public:
    std::vector<std::string> calls;

    void setDensity(int32_t value) override {
        record("setDensity", value);
        ScreenSaverOptionsStorage::setDensity(value);
    }
    void setDensityRampUp(bool value) override {
        record("setDensityRampUp", value);
        ScreenSaverOptionsStorage::setDensityRampUp(value);
    }
    void setMinRadius(int32_t value) override {
        record("setMinRadius", value);
        ScreenSaverOptionsStorage::setMinRadius(value);
    }
    void setRadiusSpread(int32_t value) override {
        record("setRadiusSpread", value);
        ScreenSaverOptionsStorage::setRadiusSpread(value);
    }
    void setWindForce(int32_t value) override {
        record("setWindForce", value);
        ScreenSaverOptionsStorage::setWindForce(value);
    }
    void setWindAngle(float value) override {
        calls.push_back("setWindAngle");
        ScreenSaverOptionsStorage::setWindAngle(value);
    }
    void setSpeed(int32_t value) override {
        record("setSpeed", value);
        ScreenSaverOptionsStorage::setSpeed(value);
    }
    void setMinInterval(int32_t value) override {
        record("setMinInterval", value);
        ScreenSaverOptionsStorage::setMinInterval(value);
    }
    void setIntervalSpread(int32_t value) override {
        record("setIntervalSpread", value);
        ScreenSaverOptionsStorage::setIntervalSpread(value);
    }
    void setBoltsEnabled(bool value) override {
        record("setBoltsEnabled", value);
        ScreenSaverOptionsStorage::setBoltsEnabled(value);
    }
    void setFlashesEnabled(bool value) override {
        record("setFlashesEnabled", value);
        ScreenSaverOptionsStorage::setFlashesEnabled(value);
    }

private:
    void record(const char* setter, int64_t value) {
        calls.push_back(std::string(setter) + " " + std::to_string(value));
    }
};
