#pragma once

#include "settings/FlashDialogModel.h"

#include <QDialog>

class ILightningOptionsStorage;
class BrightnessSelectionControl;
class ColorPickerControl;

// The flash's colour and the brightness from which the background lights up. OK writes into the
// options at once.
class LightningFlashesOptionsDialog : public QDialog {
    Q_OBJECT

public:
    LightningFlashesOptionsDialog(QWidget* parent, ILightningOptionsStorage& options);

    void accept() override;

private:
    FlashDialogModel model_;
    ColorPickerControl* sample_;
    BrightnessSelectionControl* threshold_;
};
