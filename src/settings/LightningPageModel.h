#pragma once

#include "settings/SliderSettings.h"
#include "settings/ValidationFailure.h"

#include <cstdint>
#include <optional>

class ILightningOptionsStorage;

// What the Lightning page's controls hold.
struct LightningPageState {
    int32_t shortestPause;
    int32_t longestPause;
    bool boltsEnabled;
    bool flashesEnabled;
};

// Bolts and flashes on or off and the pauses between bolts. The colour details have dialogs of
// their own (BoltColourDialogModel, FlashDialogModel), which the advanced buttons open.
class LightningPageModel {
public:
    static constexpr int shortestPauseId = 1046;
    static constexpr int longestPauseId = 1047;
    static constexpr int boltsId = 1044;
    static constexpr int flashesId = 1045;
    static constexpr int boltDetailsId = 1057;
    static constexpr int flashDetailsId = 1058;

    static constexpr uint32_t pauseMessage = 23;

    explicit LightningPageModel(ILightningOptionsStorage& options);

    LightningPageState initialState() const;
    SliderSettings shortestPauseSlider() const;
    SliderSettings longestPauseSlider() const;
    static int firstFocus() { return boltsId; }

    // Whether the advanced buttons can be pressed; asked again on every click of a check box.
    static bool boltDetailsEnabled(const LightningPageState& state) { return state.boltsEnabled; }
    static bool flashDetailsEnabled(const LightningPageState& state) {
        return state.flashesEnabled;
    }

    // The pauses matter only while there are bolts: without them a longest pause below the
    // shortest is kept, as a negative spread.
    std::optional<ValidationFailure> validate(const LightningPageState& state) const;
    void apply(const LightningPageState& state) const;

private:
    SliderSettings pauseSlider(int position) const;

    ILightningOptionsStorage& options_;
};
