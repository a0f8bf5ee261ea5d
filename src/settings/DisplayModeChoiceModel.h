#pragma once

#include "settings/ValidationFailure.h"

#include <optional>
#include <string>
#include <vector>

class IDisplayModeDescription;
class IDisplayModeSelectionModel;

// What the display-mode control's radio buttons and list hold.
struct DisplayModeChoiceState {
    bool useCurrentMode;
    int selectedEntry; // index into entries(), or noEntry
};

// The display mode of the full-screen saver: the desktop's own, or one from the list of the
// modes the display offers, in the display-mode model's order.
class DisplayModeChoiceModel {
public:
    static constexpr int currentModeId = 101;
    static constexpr int listedModeId = 102;
    static constexpr int modeListId = 103;

    static constexpr uint32_t noModeMessage = 7001;
    static constexpr int noEntry = -1;

    explicit DisplayModeChoiceModel(IDisplayModeSelectionModel& model);

    // The captions of the list's entries.
    std::vector<std::string> entries() const;
    DisplayModeChoiceState initialState() const;
    static bool listEnabled(const DisplayModeChoiceState& state) { return !state.useCurrentMode; }

    // A mode from the list is asked for, so one must be selected.
    std::optional<ValidationFailure> validate(const DisplayModeChoiceState& state) const;
    void apply(const DisplayModeChoiceState& state) const;

private:
    const IDisplayModeDescription* modeOf(int entry) const;

    IDisplayModeSelectionModel& model_;
    std::vector<const IDisplayModeDescription*> modes_;
};
