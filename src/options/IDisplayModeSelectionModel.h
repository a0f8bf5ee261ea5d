#pragma once

#include "errors/BasicError.h"
#include "options/IDisplayDevice.h"
#include "options/IDisplayModeDescription.h"

#include <vector>

// Which screen mode the full-screen saver runs in: the desktop's current one, or one chosen from
// the modes the display offers.
class IDisplayModeSelectionModel {
public:
    // selectMode() was given a description that is not one of the model's own.
    class UnknownMode : public BasicError {
    public:
        UnknownMode() : BasicError("The display mode is not one of the available modes") {}
    };

    virtual ~IDisplayModeSelectionModel() = default;

    virtual bool useCurrentMode() const = 0;
    // One of availableModes(), or nullptr when no mode is chosen; where no display can be asked
    // for its modes, the mode stored before. Owned by the model.
    virtual const IDisplayModeDescription* selectedMode() const = 0;
    virtual void setUseCurrentMode(bool use) = 0;
    // mode must be one of availableModes() (UnknownMode otherwise), or nullptr to choose none.
    virtual void selectMode(const IDisplayModeDescription* mode) = 0;
    // The model's modes in the list's order; they stay owned by the model.
    virtual std::vector<const IDisplayModeDescription*> availableModes() const = 0;
    // Largest size first; within a size the deepest colour, then the highest rate.
    virtual void sortModes() = 0;
    // Runs the current display device's mode enumeration.
    virtual void enumerateModes(IDisplayDevice::RefreshRates rates,
                                const IDisplayDevice::ModeVisitor& visit) const = 0;
};
