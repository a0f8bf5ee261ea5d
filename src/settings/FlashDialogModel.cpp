#include "settings/FlashDialogModel.h"

#include "options/ILightningOptionsStorage.h"

FlashDialogModel::FlashDialogModel(ILightningOptionsStorage& options) : options_(options) {}

FlashState FlashDialogModel::initialState() const {
    return {options_.flashColour(), options_.flashThreshold()};
}

void FlashDialogModel::accept(const FlashState& state) const {
    options_.setFlashColour(state.colour);
    options_.setFlashThreshold(state.threshold);
}
