#include "settings/BoltColourDialogModel.h"

#include "options/ILightningOptionsStorage.h"

BoltColourDialogModel::BoltColourDialogModel(ILightningOptionsStorage& options)
    : options_(options) {}

BoltColourState BoltColourDialogModel::initialState() const {
    return {options_.boltColour(), options_.randomColour() != 0};
}

void BoltColourDialogModel::accept(const BoltColourState& state) const {
    options_.setBoltColour(state.colour);
    options_.setRandomColour(state.randomColour ? 1 : 0);
}
