#pragma once

#include <cstdint>

class ILightningOptionsStorage;

// What the flash dialog's controls hold.
struct FlashState {
    uint32_t colour; // 0x00BBGGRR
    uint8_t threshold;
};

// The flash's colour and the brightness from which the background lights up. OK writes into
// the options at once, whether the sheet is then closed with OK or not.
class FlashDialogModel {
public:
    static constexpr int sampleId = 1045;
    static constexpr int changeColourId = 1036;
    static constexpr int thresholdId = 1055;

    explicit FlashDialogModel(ILightningOptionsStorage& options);

    FlashState initialState() const;
    void accept(const FlashState& state) const;

private:
    ILightningOptionsStorage& options_;
};
