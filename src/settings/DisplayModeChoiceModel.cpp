#include "settings/DisplayModeChoiceModel.h"

#include "options/IDisplayModeSelectionModel.h"

#include <algorithm>

DisplayModeChoiceModel::DisplayModeChoiceModel(IDisplayModeSelectionModel& model)
    : model_(model), modes_(model.availableModes()) {}

std::vector<std::string> DisplayModeChoiceModel::entries() const {
    std::vector<std::string> captions;
    for (const IDisplayModeDescription* mode : modes_) {
        captions.push_back(mode->text());
    }
    return captions;
}

DisplayModeChoiceState DisplayModeChoiceModel::initialState() const {
    const auto selected = std::find(modes_.begin(), modes_.end(), model_.selectedMode());
    const int entry =
        selected == modes_.end() ? noEntry : static_cast<int>(selected - modes_.begin());
    return {model_.useCurrentMode(), entry};
}

std::optional<ValidationFailure>
DisplayModeChoiceModel::validate(const DisplayModeChoiceState& state) const {
    if (state.useCurrentMode || modeOf(state.selectedEntry) != nullptr) {
        return std::nullopt;
    }
    return ValidationFailure{noModeMessage, ValidationFailure::Caption::applicationTitle,
                             modeListId};
}

void DisplayModeChoiceModel::apply(const DisplayModeChoiceState& state) const {
    model_.setUseCurrentMode(state.useCurrentMode);
    if (!state.useCurrentMode) {
        model_.selectMode(modeOf(state.selectedEntry));
    }
}

const IDisplayModeDescription* DisplayModeChoiceModel::modeOf(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(modes_.size())) {
        return nullptr;
    }
    return modes_[static_cast<size_t>(entry)];
}
