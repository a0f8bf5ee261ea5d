#pragma once

#include "settings/SpinSettings.h"

#include <array>
#include <cstdint>

class ScreensaverControlOptions;

// What the Control page's own controls hold; the CPU load control it hosts has its own model.
struct ControlPageState {
    bool resetEnabled;
    int32_t resetPeriod; // seconds
};

// The periodic reset of the picture. The page hosts the CPU load control (CpuLoadControlModel,
// on the same options), which it validates with itself and applies after itself.
class ControlPageModel {
public:
    static constexpr int resetEnabledId = 1059;
    static constexpr int resetPeriodEditId = 1060;
    static constexpr int resetPeriodSpinId = 1061;
    static constexpr int periodLabelId = 1062;
    static constexpr int secondsLabelId = 1063;
    static constexpr int cpuLoadPlaceholderId = 1064;

    // Holding an arrow steps faster the longer it is held.
    static constexpr std::array<SpinAcceleration, 4> resetPeriodAcceleration{
        {{0, 1}, {2, 5}, {4, 10}, {6, 25}}};

    explicit ControlPageModel(ScreensaverControlOptions& options);

    ControlPageState initialState() const;
    SpinSettings resetPeriodSpin() const;
    static int32_t resetPeriodStepAfter(int64_t heldMilliseconds);
    // The period's edit, arrows and labels can be used only while the reset is on.
    static bool periodEnabled(const ControlPageState& state) { return state.resetEnabled; }

    void apply(const ControlPageState& state) const;

private:
    ScreensaverControlOptions& options_;
};
