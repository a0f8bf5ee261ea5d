#include "settings/CpuLoadControlModel.h"

#include "options/ScreensaverControlOptions.h"

CpuLoadControlModel::CpuLoadControlModel(IScreensaverControlOptions& options) : options_(options) {}

CpuLoadState CpuLoadControlModel::initialState() const {
    return {options_.maxCpuLoad(), radioFor(options_.interruptMode())};
}

SliderSettings CpuLoadControlModel::loadSlider() const {
    return {ScreensaverControlOptions::minCpuLoadBound,
            ScreensaverControlOptions::maxCpuLoadBound,
            5,
            20,
            10,
            options_.maxCpuLoad()};
}

int CpuLoadControlModel::radioFor(int32_t interruptMode) {
    switch (interruptMode) {
    case IScreensaverControlOptions::interruptOnAnyInput:
        return anyInputId;
    case IScreensaverControlOptions::interruptOnAnyKey:
        return anyKeyId;
    default:
        return escapeOnlyId;
    }
}

int32_t CpuLoadControlModel::interruptModeFor(int radio) {
    switch (radio) {
    case anyInputId:
        return IScreensaverControlOptions::interruptOnAnyInput;
    case anyKeyId:
        return IScreensaverControlOptions::interruptOnAnyKey;
    default:
        return IScreensaverControlOptions::interruptOnEscapeOnly;
    }
}

void CpuLoadControlModel::apply(const CpuLoadState& state) const {
    options_.setMaxCpuLoad(state.maxCpuLoad);
    options_.setInterruptMode(interruptModeFor(state.checkedRadio));
}
