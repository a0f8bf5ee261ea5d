#pragma once

#include <cstdint>

class ILightningOptionsStorage;

// What the bolt colour dialog's controls hold.
struct BoltColourState {
    uint32_t colour; // 0x00BBGGRR
    bool randomColour;
};

// The bolts' colour: random, or one chosen. OK writes into the options at once, whether the
// sheet is then closed with OK or not.
class BoltColourDialogModel {
public:
    static constexpr int sampleId = 1045;
    static constexpr int randomColourId = 1042;
    static constexpr int chosenColourId = 1041;
    static constexpr int changeColourId = 1036;

    explicit BoltColourDialogModel(ILightningOptionsStorage& options);

    BoltColourState initialState() const;
    // The sample and its change button only count while one colour is chosen.
    static bool colourChoiceEnabled(const BoltColourState& state) { return !state.randomColour; }
    void accept(const BoltColourState& state) const;

private:
    ILightningOptionsStorage& options_;
};
