#pragma once

#include "settings/SliderSettings.h"

#include <cstdint>

class IScreensaverControlOptions;

// What the CPU load control's slider and radio buttons hold.
struct CpuLoadState {
    int32_t maxCpuLoad; // percent
    int checkedRadio;   // anyInputId, anyKeyId or escapeOnlyId
};

// The saver's share of processor time and the input that ends it, a control of its own that
// the Control page hosts.
class CpuLoadControlModel {
public:
    static constexpr int loadId = 1019;
    static constexpr int anyInputId = 1020;
    static constexpr int anyKeyId = 1021;
    static constexpr int escapeOnlyId = 1022;

    explicit CpuLoadControlModel(IScreensaverControlOptions& options);

    CpuLoadState initialState() const;
    SliderSettings loadSlider() const;

    // The radio button of an interruption mode; an unknown mode shows as Esc only.
    static int radioFor(int32_t interruptMode);
    // The interruption mode of a radio button; anything but the first two means Esc only.
    static int32_t interruptModeFor(int radio);

    bool validate() const { return true; }
    void apply(const CpuLoadState& state) const;

private:
    IScreensaverControlOptions& options_;
};
