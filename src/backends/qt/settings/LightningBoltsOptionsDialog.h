#pragma once

#include "settings/BoltColourDialogModel.h"

#include <QDialog>

class ILightningOptionsStorage;
class ColorPickerControl;
class QPushButton;
class QRadioButton;

// The bolts' colour: random, or one chosen. OK writes into the options at once.
class LightningBoltsOptionsDialog : public QDialog {
    Q_OBJECT

public:
    LightningBoltsOptionsDialog(QWidget* parent, ILightningOptionsStorage& options);

    void accept() override;

private:
    BoltColourState state() const;
    void updateEnabling();

    BoltColourDialogModel model_;
    ColorPickerControl* sample_;
    QRadioButton* random_;
    QRadioButton* chosen_;
    QPushButton* change_;
};
